#include "widgets/demo/ThemeShots.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "widgets/PopupWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/demo/DemoScene.h"

namespace tessary::widgets {
namespace {

constexpr int kGridColumns = 2;
constexpr int kGridGap = 8;
constexpr int kLabelHeight = 22;

TTBCustomItem* ItemCaptioned(const TTBXToolbar& bar, const QString& caption) {
  for (const auto& item : bar.Items())
    if (item->Caption() == caption) return item.get();
  return nullptr;
}

void SendMouse(TTBXToolbar& bar, const QString& caption, QEvent::Type type) {
  const TTBCustomItem* item = ItemCaptioned(bar, caption);
  if (item == nullptr) return;
  QPoint pos = bar.ItemRect(item).center();
  if (type == QEvent::MouseButtonRelease) pos = QPoint(-10, -10);  // released elsewhere: runs nothing
  const QPoint global = bar.mapToGlobal(pos);
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(pos), QPointF(global), button,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &event);
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

QImage ComposeWindow(QWidget& window) {
  const QPoint origin = window.mapToGlobal(QPoint(0, 0));
  QRect area(QPoint(0, 0), window.size());
  std::vector<QWidget*> above;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget == &window || !widget->isVisible()) continue;
    above.push_back(widget);
    area |= QRect(widget->pos() - origin, widget->size());
  }
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.drawPixmap(-area.topLeft(), window.grab());
  // Floating windows first, then popups (a submenu after its parent), as they stack.
  std::stable_sort(above.begin(), above.end(), [](const QWidget* a, const QWidget* b) {
    return qobject_cast<const PopupWindow*>(a) == nullptr && qobject_cast<const PopupWindow*>(b) != nullptr;
  });
  for (QWidget* widget : above) painter.drawPixmap(widget->pos() - origin - area.topLeft(), widget->grab());
  return image;
}

void StageThemeStates(DemoScene& scene) {
  if (PopupWindow* popup = scene.menuBar->OpenPopup()) popup->CloseAll();
  SendMouse(*scene.small, QStringLiteral("Print"), QEvent::MouseButtonRelease);
  // A window just tall enough for the menus, with the floating bar beside them.
  scene.window.resize(900, 300);
  if (!scene.search->IsFloating()) scene.search->Float(scene.window.mapToGlobal(QPoint(440, 170)));
  if (Command* pictures = scene.buttons.Find(QStringLiteral("Allow Pictures"))) pictures->SetChecked(true);
  Settle();
  SendMouse(*scene.large, QStringLiteral("Allow Pictures"), QEvent::MouseMove);
  SendMouse(*scene.small, QStringLiteral("Print"), QEvent::MouseButtonPress);
  SendMouse(*scene.address, QStringLiteral("Go"), QEvent::MouseMove);
  SendMouse(*scene.search, QStringLiteral("Find"), QEvent::MouseMove);
  scene.menuBar->OpenItemList(1, true);
  if (PopupWindow* popup = scene.menuBar->OpenPopup()) popup->OpenSubmenu(0, true);
  Settle();
}

bool WriteThemeShots(DemoScene& scene, const QString& dir) {
  QDir().mkpath(dir);
  std::vector<std::pair<QString, QImage>> shots;
  for (const QString& name : RegisteredThemeNames()) {
    if (PopupWindow* popup = scene.menuBar->OpenPopup()) popup->CloseAll();
    SwitchTheme(name);
    Settle();
    StageThemeStates(scene);
    shots.emplace_back(name, ComposeWindow(scene.window));
    const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!shots.back().second.save(file)) {
      std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
      return false;
    }
  }
  if (shots.empty()) return true;
  QSize cell;
  for (const auto& shot : shots) cell = cell.expandedTo(shot.second.size());
  const int rows = (static_cast<int>(shots.size()) + kGridColumns - 1) / kGridColumns;
  QImage grid(kGridColumns * (cell.width() + kGridGap) + kGridGap,
              rows * (cell.height() + kLabelHeight + kGridGap) + kGridGap, QImage::Format_RGB32);
  grid.fill(QColor(48, 48, 48));
  QPainter painter(&grid);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(Qt::white);
  for (int i = 0; i < static_cast<int>(shots.size()); ++i) {
    const QPoint at(kGridGap + (i % kGridColumns) * (cell.width() + kGridGap),
                    kGridGap + (i / kGridColumns) * (cell.height() + kLabelHeight + kGridGap));
    painter.drawText(QRect(at, QSize(cell.width(), kLabelHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                     shots[static_cast<std::size_t>(i)].first);
    painter.drawImage(at + QPoint(0, kLabelHeight), shots[static_cast<std::size_t>(i)].second);
  }
  painter.end();
  const QString file = QDir(dir).filePath(QStringLiteral("themes.png"));
  if (!grid.save(file)) {
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

}  // namespace tessary::widgets
