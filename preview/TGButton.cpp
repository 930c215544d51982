#include "preview/TGButton.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "skin/ImageList.h"
#include "widgets/ClickKey.h"
#include "widgets/Command.h"
#include "widgets/DevicePictures.h"
#include "widgets/PaintPrimitives.h"

namespace tessary::preview {

TGButton::TGButton(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

TGButton::~TGButton() = default;

void TGButton::SetAllImages(const ImageList* list) {
  images_ = hotImages_ = downImages_ = disableImages_ = list;
  if (autoSize_) resize(sizeHint());
}

void TGButton::SetImageIndex(int index) {
  imageIndex_ = index;
  update();
}

void TGButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TGButton::SetCenter(bool center) {
  center_ = center;
  update();
}

void TGButton::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void TGButton::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_) resize(sizeHint());
}

QSize TGButton::sizeHint() const {
  if (const ImageList* list = ChosenList()) return {list->Width(), list->Height()};
  return picture_.isNull() ? QSize(21, 21) : picture_.size();
}

void TGButton::SetCommand(widgets::Command* command) {
  command_ = command;
  commandWatch_.Reset();
  if (command_ != nullptr) commandWatch_ = command_->OnChange([this] { FollowCommand(); });
  FollowCommand();
}

void TGButton::FollowCommand() {
  if (command_ != nullptr) setEnabled(command_->Enabled());
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
}

QString TGButton::Hint() const {
  if (command_ != nullptr && !command_->Hint().isEmpty()) return command_->Hint();
  return hint_;
}

const ImageList* TGButton::ChosenList() const {
  if (!isEnabled()) return disableImages_;
  if (!hover_) return images_;
  return down_ ? downImages_ : hotImages_;
}

void TGButton::TakePicture(const ImageList& list) {
  const Source source{&list, list.Generation(), imageIndex_, transparent_};
  if (source == source_ && !picture_.isNull()) return;
  source_ = source;
  QImage picture(list.Width(), list.Height(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  if (const QPixmap cell = cells_.Image(&list, imageIndex_); !cell.isNull())
    picture = cell.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // The colour of the bottom-left pixel is left out wherever it appears (a pixel the list's
  // mask already hides stays hidden and keys nothing).
  if (transparent_ && !picture.isNull()) {
    const QRgb key = picture.pixel(0, picture.height() - 1);
    if (qAlpha(key) == 0xFF) {
      for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
          if (row[x] == key) row[x] = 0;
      }
    }
  }
  picture_ = std::move(picture);
  pixmap_ = QPixmap::fromImage(picture_);
}

void TGButton::paintEvent(QPaintEvent*) {
  // The picture is taken from the chosen list at every paint; without a list it keeps what
  // it last showed.
  if (const ImageList* list = ChosenList()) TakePicture(*list);
  QPainter p(this);
  if (stretch_) {
    widgets::DrawPictureScaled(p, rect(), pixmap_);
  } else if (!picture_.isNull()) {
    const QPoint at = center_ ? QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2) : QPoint();
    widgets::DrawPicture(p, at, pixmap_);
  }
  // A button the keyboard can reach shows where the focus is.
  if (hasFocus()) widgets::DrawFocusRect(p, rect(), palette().color(QPalette::WindowText));
}

void TGButton::SetHover(bool hover) {
  if (hover == hover_) return;
  hover_ = hover;
  update();
}

void TGButton::enterEvent(QEnterEvent* event) {
  SetHover(true);
  QWidget::enterEvent(event);
}

void TGButton::leaveEvent(QEvent* event) {
  SetHover(false);
  QWidget::leaveEvent(event);
}

void TGButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  down_ = true;
  SetHover(rect().contains(event->position().toPoint()));
  update();
}

void TGButton::mouseMoveEvent(QMouseEvent* event) {
  // A pressed button left by the mouse shows its normal picture until the mouse comes back.
  if (down_) SetHover(rect().contains(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

void TGButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !down_) return QWidget::mouseReleaseEvent(event);
  down_ = false;
  update();
  if (rect().contains(event->position().toPoint())) Click();
}

void TGButton::keyPressEvent(QKeyEvent* event) {
  if (widgets::IsClickKey(*event)) return Click();
  QWidget::keyPressEvent(event);
}

bool TGButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const QString hint = Hint();
    if (hint.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint, this, rect());
    return true;
  }
  return QWidget::event(event);
}

void TGButton::Click() {
  if (!isEnabled()) return;
  if (command_ != nullptr) command_->Execute();
  else if (clickHandler_) clickHandler_();
  emit clicked();
}

}  // namespace tessary::preview
