#include "widgets/controls/TDFSColorButtonPalette.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "widgets/PaintPrimitives.h"
#include "widgets/controls/DialogKeys.h"
#include "widgets/controls/TXP_Button.h"

namespace tessary::widgets {

TDFSColorButtonPalette::TDFSColorButtonPalette(Settings settings, std::function<void(const Result&)> finished,
                                               QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint),
      settings_(std::move(settings)),
      finished_(std::move(finished)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(palette::kClientSize);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);

  otherButton_ = new TXP_Button(this, settings_.otherCaption);
  otherButton_->setGeometry(palette::kOtherButtonRect);
  // The keyboard stays on the cells; Alt+O (or O) still works the button.
  otherButton_->setFocusPolicy(Qt::NoFocus);
  connect(otherButton_, &TXP_Button::clicked, this, &TDFSColorButtonPalette::RunColourDialog);

  // The first cell, column by column, showing the current colour is highlighted; without
  // one the other cell offers the current colour.
  const std::uint32_t current = ColourToArgb(settings_.current);
  for (int x = 1; x <= settings_.palette.XSize() && highlighted_.IsNone(); ++x)
    for (int y = 1; y <= settings_.palette.YSize() && highlighted_.IsNone(); ++y)
      if (ColourToArgb(settings_.palette.At(x, y)) == current) highlighted_ = {x, y};
  if (highlighted_.IsNone()) settings_.otherColour = settings_.current;

  // Losing the application's activation closes the palette, unless the dialog caused it.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && !dialogOpen_) Dismiss();
  });
}

TDFSColorButtonPalette::~TDFSColorButtonPalette() = default;

void TDFSColorButtonPalette::Popup(const QRect& buttonGlobal) {
  const QScreen* screen = QGuiApplication::screenAt(buttonGlobal.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const QRect work = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(), buttonGlobal.bottomRight());
  move(palette::Placement(buttonGlobal, work, size()));
  show();
  setFocus(Qt::PopupFocusReason);
}

void TDFSColorButtonPalette::SetHighlighted(PaletteCell cell) {
  const bool moved = !cell.Same(highlighted_);
  highlighted_ = cell;
  if (!moved) return;
  update();
  if (const int child = ChildOfCell(cell); child >= 0) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
  }
}

int TDFSColorButtonPalette::ChildOfCell(PaletteCell cell) const {
  if (cell.IsNone()) return -1;
  if (cell.IsOther()) return CellCount() - 1;
  return (cell.x - 1) * settings_.palette.YSize() + (cell.y - 1);
}

PaletteCell TDFSColorButtonPalette::CellOfChild(int child) const {
  const int rows = settings_.palette.YSize();
  if (child < 0 || child >= CellCount()) return PaletteCell::None();
  if (child == CellCount() - 1) return PaletteCell::Other();
  return {child / rows + 1, child % rows + 1};
}

Colour TDFSColorButtonPalette::CellColour(PaletteCell cell) const {
  if (cell.IsOther()) return settings_.otherColour;
  return settings_.palette.At(cell.x, cell.y);
}

void TDFSColorButtonPalette::Pick(PaletteCell cell) {
  if (cell.IsNone()) return Dismiss();
  Finish({true, CellColour(cell), cell.IsOther()});
}

void TDFSColorButtonPalette::Dismiss() { Finish({false, clBlack, false}); }

void TDFSColorButtonPalette::RunColourDialog() {
  if (dialogOpen_ || done_) return;
  const QPointer<TDFSColorButtonPalette> self(this);
  dialogOpen_ = true;
  // A popup holds the mouse and the keyboard: it steps aside while the dialog runs.
  hide();
  Colour colour = settings_.otherColour;
  QStringList entries = CustomColourEntries(settings_.custom);
  const bool confirmed =
      settings_.dialog ? settings_.dialog(colour, entries) : RunQtColourDialog(colour, entries, parentWidget());
  if (self.isNull()) return;
  dialogOpen_ = false;
  if (!confirmed) {  // cancelled: the palette stays open
    show();
    setFocus(Qt::PopupFocusReason);
    return;
  }
  settings_.otherColour = colour;
  ReadCustomColourEntries(entries, settings_.custom);
  Finish({true, colour, true});
}

void TDFSColorButtonPalette::Finish(const Result& result) {
  if (done_) return;
  done_ = true;
  hide();
  if (finished_) finished_(result);
  deleteLater();
}

void TDFSColorButtonPalette::DrawCell(QPainter& p, PaletteCell cell) const {
  const QRect r = palette::CellRect(cell, size());
  if (highlighted_.Same(cell)) {
    const QColor dark = ToQColor(cl3DDkShadow);
    DrawEdge(p, r, dark, dark);
    DrawEdge(p, r.adjusted(1, 1, -1, -1), ToQColor(clBtnHighlight), ToQColor(clBtnHighlight));
    DrawEdge(p, r.adjusted(2, 2, -2, -2), dark, dark);
  } else {
    DrawEdge(p, r, ToQColor(clBtnFace), ToQColor(clBtnFace));
    DrawEdge(p, r.adjusted(1, 1, -1, -1), ToQColor(clBtnShadow), ToQColor(clBtnHighlight));
    DrawEdge(p, r.adjusted(2, 2, -2, -2), ToQColor(cl3DDkShadow), ToQColor(cl3DLight));
  }
  p.fillRect(r.adjusted(3, 3, -3, -3), ToQColor(CellColour(cell)));
}

void TDFSColorButtonPalette::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(clBtnFace));
  for (int x = 1; x <= settings_.palette.XSize(); ++x)
    for (int y = 1; y <= settings_.palette.YSize(); ++y) DrawCell(p, {x, y});
  p.fillRect(QRect(2, palette::kSeparatorY, width() - 4, 1), ToQColor(clBtnShadow));
  p.fillRect(QRect(2, palette::kSeparatorY + 1, width() - 4, 1), ToQColor(clBtnHighlight));
  DrawCell(p, PaletteCell::Other());
  // A thin frame keeps the borderless window apart from the panel under it.
  DrawEdge(p, rect(), ToQColor(clBtnShadow), ToQColor(clBtnShadow));
}

void TDFSColorButtonPalette::mouseMoveEvent(QMouseEvent* event) {
  PaletteCell cell =
      palette::CellAt(event->position().toPoint(), settings_.palette.XSize(), settings_.palette.YSize(), size());
  if (cell.IsNone()) return;  // over no cell the highlight stays
  if (cell.IsOther() && highlighted_.x > 0) cell.x = highlighted_.x;
  SetHighlighted(cell);
}

void TDFSColorButtonPalette::mousePressEvent(QMouseEvent* event) {
  if (!rect().contains(event->position().toPoint())) {
    // A press outside closes the palette; on the owning button it ends there.
    const QWidget* owner = parentWidget();
    if (owner != nullptr && owner->rect().contains(owner->mapFromGlobal(event->globalPosition().toPoint())))
      setAttribute(Qt::WA_NoMouseReplay);
    close();
    return;
  }
  pressedInside_ = true;
}

void TDFSColorButtonPalette::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressedInside_) return;
  pressedInside_ = false;
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) return;
  Pick(palette::CellAt(at, settings_.palette.XSize(), settings_.palette.YSize(), size()));
}

void TDFSColorButtonPalette::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      SetHighlighted(palette::Walk(highlighted_, static_cast<Qt::Key>(event->key()), settings_.palette.XSize(),
                                   settings_.palette.YSize()));
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter: Pick(highlighted_); return;
    case Qt::Key_Escape: Dismiss(); return;
    default:
      if (DialogKeys::Handle(this, *event)) return;
      QWidget::keyPressEvent(event);
  }
}

void TDFSColorButtonPalette::closeEvent(QCloseEvent* event) {
  if (dialogOpen_) {  // the dialog keeps the palette open
    event->ignore();
    return;
  }
  Dismiss();
  QWidget::closeEvent(event);
}

bool TDFSColorButtonPalette::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const PaletteCell cell = palette::CellAt(help->pos(), settings_.palette.XSize(), settings_.palette.YSize(), size());
    if (!cell.IsNone())
      QToolTip::showText(help->globalPos(), palette::ColourHint(CellColour(cell)), this,
                         palette::CellRect(cell, size()));
    else QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

}  // namespace tessary::widgets
