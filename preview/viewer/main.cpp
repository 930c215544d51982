// Shows the browser-chrome mock-up on its own, with the start-up skin, so it can be looked
// at and tried: the top dock with its five rows, a page, and the bottom dock with the tab
// row and the status bar. Commands that run are named in the status text.
//
//   tessary-chrome-viewer [--theme NAME] [--size WxH] [--top FILE.bmp] [--bottom FILE.bmp]
//                         [--stretch] [--menu INDEX] [--submenu CAPTION] [--list Go|Search]
//                         [--screenshot FILE]
//
// --top and --bottom give the docks a background picture, --stretch stretches both;
// --menu opens a top-level menu, --submenu then one of its submenus, --list a bar's list.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "preview/ChromeWindow.h"
#include "preview/CommandVocabulary.h"
#include "preview/ShortcutDispatcher.h"
#include "preview/TFlatPanel.h"
#include "preview/start/StartPreview.h"
#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/StartupSkin.h"
#include "widgets/PopupWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/demo/DemoProgram.h"

using namespace tessary;
using namespace tessary::preview;
using namespace tessary::widgets;

namespace {

// Opens the line captioned `caption` of `popup` as a submenu.
void OpenLine(PopupWindow* popup, const QString& caption) {
  for (int line = 0; popup != nullptr && line < popup->LineCount(); ++line) {
    if (popup->LineItem(line)->Caption() == caption) {
      popup->OpenSubmenu(line, true);
      return;
    }
  }
}

void UsePicture(TTBBackground& background, const QString& file, bool stretch) {
  if (file.isEmpty()) return;
  background.SetBitmap(LoadBmpFile(file.toStdString()));
  background.SetStretchBitmap(stretch);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartPreview();
  demo::DemoProgram program(app);
  const auto value = [&](const char* name) { return program.Value(name); };

  Skin skin;
  LoadStartupSkin(skin);
  UsePicture(skin.bgTop, value("--top"), program.Option("--stretch"));
  UsePicture(skin.bgBottom, value("--bottom"), program.Option("--stretch"));
  CommandVocabulary vocabulary(skin);

  ChromeWindow window(skin, vocabulary, QApplication::font());
  window.setWindowTitle(QStringLiteral("Browser chrome"));
  // The page takes what a browser shows between its bars (the editor has its control panel
  // there): here a box to type into.
  auto* page = new QPlainTextEdit(window.page);
  page->setPlaceholderText(QStringLiteral("Type here: shortcuts run their commands before this box sees them."));
  auto* pageLayout = new QVBoxLayout(window.page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addWidget(page);
  BrowserChromeTop& top = window.top;
  BrowserChromeBottom& bottom = window.bottom;

  for (CommandList* list : vocabulary.Lists())
    list->SetHandler(
        [&bottom](Command& c) { bottom.fpStatusText->SetCaption(QStringLiteral(" Ran %1").arg(c.Name())); });
  ShortcutDispatcher dispatcher(vocabulary);

  const QStringList size = value("--size").split(QLatin1Char('x'));
  window.resize(size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize(1024, 600));
  window.show();
  page->setFocus();

  QTimer::singleShot(300, [&] {
    if (const QString list = value("--list"); !list.isEmpty()) {
      TTBXToolbar* bar = list == QLatin1String("Search") ? top.tbtSearchBar : top.tbtAddressBar;
      const auto& items = bar->Items();
      for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == top.items.value(list == QLatin1String("Search") ? "bSearchWeb" : "bGo"))
          bar->OpenItemList(static_cast<int>(i), true);
      return;
    }
    if (value("--menu").isEmpty()) return;
    top.tbtMainMenu->OpenItemList(value("--menu").toInt(), true);
    if (const QString submenu = value("--submenu"); !submenu.isEmpty()) OpenLine(top.tbtMainMenu->OpenPopup(), submenu);
  });
  program.ScreenshotLater(window, QSize(260, 260));
  return QApplication::exec();
}
