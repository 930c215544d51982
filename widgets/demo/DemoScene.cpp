#include "widgets/demo/DemoScene.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <array>
#include <memory>

#include "skin/TTBBackground.h"
#include "skinfile/StartupSkin.h"
#include "widgets/DockBackground.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/items/TTBControlItem.h"
#include "widgets/items/TTBXItem.h"
#include "widgets/items/TTBXLabelItem.h"
#include "widgets/items/TTBXSeparatorItem.h"
#include "widgets/items/TTBXSpacerItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::widgets {
namespace {

// One button of the demo bars: caption, slot, kind, shortcut, check behaviour.
enum class Kind { Button, Split, DropDown, Separator };
struct ButtonRow {
  const char* caption;
  int slot;
  Kind kind;
  std::uint16_t shortcut;
  int group;
  bool autoCheck;
};

constexpr std::array<ButtonRow, 15> kButtons{{
    {"Back", 0, Kind::Split, kShortcutAlt | 0x25, 0, false},
    {"Forward", 1, Kind::Split, kShortcutAlt | 0x27, 0, false},
    {"Stop", 3, Kind::Button, 0x1B, 0, false},
    {"Refresh", 4, Kind::Button, 0x74, 0, false},
    {"Home", 5, Kind::DropDown, 0, 0, false},
    {nullptr, 0, Kind::Separator, 0, 0, false},
    {"Search", 6, Kind::Button, 0, 4, true},
    {"Favorites", 7, Kind::Button, 0, 4, true},
    {"History", 8, Kind::Button, 0, 4, true},
    {nullptr, 0, Kind::Separator, 0, 0, false},
    {"Full Screen", 9, Kind::Split, 0x7A, 0, true},
    {"Text Size", 10, Kind::DropDown, 0, 0, false},
    {"Print", 13, Kind::Button, 0, 0, false},
    {"Mail", 14, Kind::Split, 0, 0, false},
    {"Allow Pictures", 17, Kind::Button, 0, 0, true},
}};

// A menu entry: caption, image slot in the menu's list (-1 none), shortcut, check style.
struct MenuRow {
  const char* caption;
  int slot;
  std::uint16_t shortcut;
  int group;  // radio group (0: none)
  bool check;
};

constexpr std::array<MenuRow, 7> kFileMenu{{
    {"&Open Files...", -1, kShortcutCtrl | 'O', 0, false},
    {"&Save...", -1, kShortcutCtrl | 'S', 0, false},
    {nullptr, 0, 0, 0, false},
    {"&Work Offline", 29, 0, 0, true},
    {"Close &All", -1, kShortcutShift | kShortcutCtrl | 0x73, 0, false},
    {nullptr, 0, 0, 0, false},
    {"E&xit", 28, 0, 0, false},
}};

constexpr std::array<MenuRow, 5> kTextSizeMenu{{
    {"Lar&gest", -1, 0, 5, true},
    {"&Larger", -1, 0, 5, true},
    {"&Medium", -1, 0, 5, true},
    {"&Smaller", -1, 0, 5, true},
    {"Small&est", -1, 0, 5, true},
}};

// A window-control button of the demo's tool window: draws a slot of a 21 x 21 list, the
// "hot" list while the mouse is over it; the colour of an image's bottom-left pixel is
// transparent, as window-control images are drawn.
class DemoSystemButton : public QWidget {
 public:
  DemoSystemButton(const ImageList* normal, const ImageList* hot, int slot)
      : normal_(Transparent(*normal, slot)), hot_(Transparent(*hot, slot)) {
    setFixedSize(21, 22);
    setAttribute(Qt::WA_Hover);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, underMouse() ? hot_ : normal_);
  }
  bool event(QEvent* e) override {
    if (e->type() == QEvent::HoverEnter || e->type() == QEvent::HoverLeave) update();
    return QWidget::event(e);
  }

 private:
  static QPixmap Transparent(const ImageList& list, int slot) {
    if (slot < 0 || slot >= list.ImageCount()) return {};
    const Bitmap bitmap = list.ImageBitmap(slot);
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) image.setPixel(x, y, bitmap.PixelAt(x, y) | 0xFF000000u);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == key) image.setPixel(x, y, 0);
    return QPixmap::fromImage(image);
  }

  QPixmap normal_;
  QPixmap hot_;
};

// A transparent status text: the bar's painting (and any dock picture) shows behind it.
class StatusText : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter painter(this);
    PaintBackgroundUnder(painter, this);
    painter.end();
    QLabel::paintEvent(e);
  }
};

Command& AddCommand(CommandList& list, const MenuRow& row) {
  Command& command = list.Add(QString::fromLatin1(row.caption));
  command.SetCaption(QString::fromLatin1(row.caption));
  command.SetImageIndex(row.slot);
  command.SetShortcut(row.shortcut);
  command.SetGroup(row.group);
  command.SetAutoCheck(row.check);
  return command;
}

void FillButtonBar(TTBXToolbar& bar, CommandList& commands, bool captions) {
  for (const ButtonRow& row : kButtons) {
    if (row.kind == Kind::Separator) {
      bar.Add(std::make_unique<TTBXSeparatorItem>(10));
      continue;
    }
    Command* command = commands.Find(QString::fromLatin1(row.caption));
    if (command == nullptr) {
      command = &commands.Add(QString::fromLatin1(row.caption));
      command->SetCaption(QString::fromLatin1(row.caption));
      command->SetHint(QString::fromLatin1(row.caption));
      command->SetImageIndex(row.slot);
      command->SetShortcut(row.shortcut);
      command->SetGroup(row.group);
      command->SetAutoCheck(row.autoCheck);
    }
    std::unique_ptr<TTBCustomItem> item;
    if (row.kind == Kind::Button) {
      item = std::make_unique<TTBXItem>();
    } else {
      auto submenu = std::make_unique<TTBXSubmenuItem>();
      submenu->SetSplit(row.kind == Kind::Split);
      item = std::move(submenu);
    }
    item->SetCommand(command);
    const bool withCaption = captions && (row.slot == 0 || row.slot == 1 || row.slot == 17);
    item->SetDisplay(withCaption ? DisplayMode::ImageAndCaption : DisplayMode::ImageOnly);
    bar.Add(std::move(item));
  }
}

std::unique_ptr<TTBXSubmenuItem> MakeMenu(const QString& caption) {
  auto menu = std::make_unique<TTBXSubmenuItem>();
  menu->SetCaption(caption);
  return menu;
}

template <std::size_t N>
void FillMenu(TTBXSubmenuItem& menu, CommandList& commands, const std::array<MenuRow, N>& rows) {
  for (const MenuRow& row : rows) {
    if (row.caption == nullptr) {
      menu.Add(std::make_unique<TTBXSeparatorItem>());
      continue;
    }
    auto item = std::make_unique<TTBXItem>();
    item->SetCommand(&AddCommand(commands, row));
    menu.Add(std::move(item));
  }
}

// A picture for the background flag: soft diagonal bands, 100 x 40 so tile seams show.
Bitmap DemoPicture() {
  constexpr std::size_t kWidth = 100, kHeight = 40;
  std::vector<Argb> pixels(kWidth * kHeight);
  for (std::size_t y = 0; y < kHeight; ++y)
    for (std::size_t x = 0; x < kWidth; ++x) {
      const auto band = static_cast<Argb>(((x + y) / 10) % 2);
      const Argb shade = 0xD8 + band * 0x10 - static_cast<Argb>(y / 4);
      pixels[y * kWidth + x] = 0xFF000000u | (shade << 16) | ((shade + 4) << 8) | 0xF0;
    }
  return Bitmap::FromArgb(kWidth, kHeight, pixels);
}

}  // namespace

DemoScene::DemoScene(bool background) {
  LoadStartupSkin(skin);
  if (background) {
    skin.bgTop.SetBitmap(DemoPicture());
    skin.bgBottom.SetBitmap(DemoPicture());
  }
  window.setWindowTitle(QStringLiteral("Toolbar library demo"));
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  top = new TTBDock(DockPosition::dpTop);
  auto* page = new QWidget;
  page->setAutoFillBackground(true);
  QPalette white = page->palette();
  white.setColor(QPalette::Window, Qt::white);
  page->setPalette(white);
  bottom = new TTBDock(DockPosition::dpBottom);
  // A panel with a label and a bar placed straight on it: sized to its items, in the
  // panel's colour, with no handle.
  auto* panel = new QWidget(page);
  panel->setAutoFillBackground(true);
  QPalette face = panel->palette();
  face.setColor(QPalette::Window, QColor(0xD8, 0xE9, 0xEC));
  panel->setPalette(face);
  auto* panelRow = new QHBoxLayout(panel);
  panelRow->setContentsMargins(2, 2, 2, 2);
  panelRow->addWidget(new QLabel(QStringLiteral("Large Buttons:")));
  auto* samples = new TTBXToolbar;
  samples->SetImages(&skin.ilLButtons);
  for (int slot = 0; slot < 6; ++slot) samples->Add(std::make_unique<TTBXItem>()).SetImageIndex(slot);
  panelRow->addWidget(samples);
  panelRow->addStretch(1);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addStretch(1);
  pageLayout->addWidget(panel);
  layout->addWidget(top);
  layout->addWidget(page, 1);
  layout->addWidget(bottom);
  for (TTBDock* dock : {top, bottom}) {
    dock->SetBoundLines(blTop | blBottom | blLeft | blRight);
    dock->SetColor(clNone);  // no colour of its own: the dock shows the theme's dock face
  }
  top->SetBackground(&skin.bgTop);
  bottom->SetBackground(&skin.bgBottom);

  // Row 0: the menu bar and a tool window of window-control buttons.
  menuBar = new TTBXToolbar;
  menuBar->SetMenuBar(true);
  menuBar->SetImages(&skin.ilMain);
  menuBar->SetCaption(QStringLiteral("Menu"));
  auto file = MakeMenu(QStringLiteral("&File"));
  auto newMenu = MakeMenu(QStringLiteral("&New"));
  for (const char* caption : {"&Blank Page", "&Current Page", "&Home Page"}) {
    auto entry = std::make_unique<TTBXItem>();
    entry->SetCaption(QString::fromLatin1(caption));
    newMenu->Add(std::move(entry));
  }
  file->Add(std::move(newMenu));
  FillMenu(*file, mainCommands, kFileMenu);
  auto view = MakeMenu(QStringLiteral("&View"));
  auto textSize = MakeMenu(QStringLiteral("&Text Size"));
  FillMenu(*textSize, mainCommands, kTextSizeMenu);
  mainCommands.Find(QStringLiteral("&Medium"))->SetChecked(true);
  view->Add(std::move(textSize));
  view->Add(std::make_unique<TTBXSeparatorItem>());
  for (const char* caption : {"&Status Bar", "&Address Bar"}) {
    Command& command = mainCommands.Add(QString::fromLatin1(caption));
    command.SetCaption(QString::fromLatin1(caption));
    command.SetAutoCheck(true);
    command.SetChecked(true);
    auto entry = std::make_unique<TTBXItem>();
    entry->SetCommand(&command);
    view->Add(std::move(entry));
  }
  auto disabled = std::make_unique<TTBXItem>();
  disabled->SetCaption(QStringLiteral("&Source (disabled)"));
  disabled->SetEnabled(false);
  view->Add(std::move(disabled));
  auto print = std::make_unique<TTBXItem>();
  print->SetCaption(QStringLiteral("&Print"));
  print->SetImages(&skin.ilSButtons);
  print->SetImageIndex(13);
  print->SetShortcutText(ShortcutText(kShortcutCtrl | 'P'));
  view->Add(std::move(print));
  menuBar->Add(std::move(file));
  menuBar->Add(std::move(view));
  for (const char* caption : {"&Navigation", "F&avorites", "&Tools", "&Help"}) {
    auto menu = MakeMenu(QString::fromLatin1(caption));
    auto entry = std::make_unique<TTBXItem>();
    entry->SetCaption(QStringLiteral("(empty)"));
    menu->Add(std::move(entry));
    menuBar->Add(std::move(menu));
  }
  menuBar->DockTo(top, 0, 0);

  controls = new TTBXToolWindow;
  controls->SetCaption(QStringLiteral("Windows"));
  controls->SetCanFloat(true);
  for (int slot : {8, 7, 6, 2, 1, 0}) controls->AddChild(new DemoSystemButton(&skin.ilImages, &skin.ilHot, slot));
  controls->SetClientAreaSize(QSize(6 * 21, 22));
  controls->SetFixedClientWidth(6 * 21);
  controls->DockTo(top, 0, 10000);

  // Rows 1 and 2: large buttons image only, small buttons with some captions.
  large = new TTBXToolbar;
  large->SetCaption(QStringLiteral("Large Buttons"));
  large->SetImages(&skin.ilLButtons);
  FillButtonBar(*large, buttons, false);
  buttons.Find(QStringLiteral("Favorites"))->SetChecked(true);  // shows the checked look
  large->SetStretch(true);
  large->DockTo(top, 1, 0);
  small = new TTBXToolbar;
  small->SetCaption(QStringLiteral("Buttons"));
  small->SetImages(&skin.ilSButtons);
  FillButtonBar(*small, buttons, true);
  auto captionOnly = std::make_unique<TTBXItem>();
  captionOnly->SetCaption(QStringLiteral("Caption only"));
  captionOnly->SetDisplay(DisplayMode::CaptionOnly);
  captionOnly->SetHint(QStringLiteral("A button without an image"));
  small->Add(std::move(captionOnly));
  auto disabledButton = std::make_unique<TTBXItem>();
  disabledButton->SetCaption(QStringLiteral("Disabled"));
  disabledButton->SetImageIndex(19);
  disabledButton->SetDisplay(DisplayMode::ImageAndCaption);
  disabledButton->SetEnabled(false);
  small->Add(std::move(disabledButton));
  small->SetStretch(true);
  small->DockTo(top, 2, 0);

  // Row 3: the address bar; row 4: the search bar.
  address = new TTBXToolbar;
  address->SetCaption(QStringLiteral("Address Bar"));
  address->SetImages(&skin.ilMain);
  address->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  address->Add(std::make_unique<TTBXLabelItem>(QStringLiteral("A&ddress:")));
  address->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  auto* addressBox = new QComboBox;
  addressBox->addItem(QStringLiteral("http://www.example.org/"));
  addressBox->setFixedSize(402, 22);
  addressBox->setEnabled(false);
  address->Add(std::make_unique<TTBControlItem>(addressBox));
  address->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  auto go = std::make_unique<TTBXSubmenuItem>();
  go->SetCaption(QStringLiteral("Go"));
  go->SetImageIndex(16);
  go->SetSplit(true);
  go->SetDisplay(DisplayMode::ImageAndCaption);
  for (const char* caption : {"Open", "Open in a New Window"}) {
    auto entry = std::make_unique<TTBXItem>();
    entry->SetCaption(QString::fromLatin1(caption));
    go->Add(std::move(entry));
  }
  address->Add(std::move(go));
  address->SetStretch(true);
  address->DockTo(top, 3, 0);

  search = new TTBXToolbar;
  search->SetCaption(QStringLiteral("Search Bar"));
  search->SetImages(&skin.ilMain);
  search->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  search->Add(std::make_unique<TTBXLabelItem>(QStringLiteral("&Search:")));
  search->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  auto* searchBox = new QComboBox;
  searchBox->setEditable(true);
  searchBox->setFixedSize(230, 21);
  search->Add(std::make_unique<TTBControlItem>(searchBox));
  search->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  for (auto [caption, slot] : {std::pair{"Search Web", 6}, std::pair{"Find", 7}, std::pair{"Highlight", 47}}) {
    auto entry = std::make_unique<TTBXItem>();
    entry->SetCaption(QString::fromLatin1(caption));
    entry->SetImageIndex(slot);
    entry->SetHint(QString::fromLatin1(caption));
    entry->SetDisplay(DisplayMode::ImageAndCaption);
    search->Add(std::move(entry));
  }
  search->DockTo(top, 4, 0);

  // Bottom: a status tool window with a transparent text and a fixed panel.
  status = new TTBXToolWindow;
  status->SetCaption(QStringLiteral("Status"));
  auto* text = new StatusText(QStringLiteral(" Done"));
  text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  status->AddChild(text);
  auto* zone = new StatusText(QStringLiteral("Internet"));
  zone->setFixedWidth(80);
  status->AddChild(zone);
  status->SetClientAreaSize(QSize(0, 18));
  status->SetStretch(true);
  status->DockTo(bottom, 0, 0);
  window.resize(900, 480);
}

}  // namespace tessary::widgets
