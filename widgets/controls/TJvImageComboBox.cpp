#include "widgets/controls/TJvImageComboBox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <algorithm>

#include "skin/ImageList.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/DropDownField.h"
#include "widgets/controls/PaintedControl.h"

namespace tessary::widgets {
namespace {

// Item data: the entry's own text, image slot and indent. The display text is what screen
// readers and keyboard search read: the text, or "Image n" for an entry without one.
constexpr int kTextRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kIndentRole = Qt::UserRole + 2;

using dropdown::kButtonWidth;
using dropdown::kFrame;
constexpr int kImageLeft = 2;  // the image starts this far right of the entry's left edge
constexpr int kImageGap = 8;   // the text area starts this far right of the image's left edge
constexpr int kTextWiden = 2;  // the text area reaches this far left and right of the text

QString DisplayText(const ImageComboItem& item) {
  return item.text.trimmed().isEmpty() ? QStringLiteral("Image %1").arg(item.imageIndex) : item.text;
}

}  // namespace

TJvImageComboBox::TJvImageComboBox(QWidget* parent) : DropDownList(parent) {
  // Count selection changes; a user's choice reports them, a choice in code swallows them.
  connect(this, &QComboBox::currentIndexChanged, this, [this] { ++changes_; });
  connect(this, &QComboBox::activated, this, [this] {
    if (changes_ == reportedChanges_) return;
    reportedChanges_ = changes_;
    emit Change();
  });
  Relayout();
}

TJvImageComboBox::~TJvImageComboBox() {
  if (auto guard = guard_.lock()) guard->owner = nullptr;
}

void TJvImageComboBox::SetImageList(const tessary::ImageList* list) {
  if (list == imageList_) return;
  if (auto guard = guard_.lock()) guard->owner = nullptr;
  listWatch_.Reset();
  imageList_ = list;
  if (list != nullptr) {
    auto guard = std::make_shared<ListGuard>();
    guard->owner = this;
    guard_ = guard;
    // A change notice does nothing: the command that replaces an image refreshes the control.
    listWatch_ = const_cast<tessary::ImageList*>(list)->OnChange([guard] {});
  }
  Relayout();
}

void TJvImageComboBox::ForgetList() {
  imageList_ = nullptr;
  Relayout();
}

void TJvImageComboBox::SetItems(const std::vector<ImageComboItem>& items) {
  clear();
  for (const ImageComboItem& item : items) AddItem(item);
  reportedChanges_ = changes_;
}

void TJvImageComboBox::AddItem(const ImageComboItem& item) {
  addItem(DisplayText(item));
  const int row = count() - 1;
  setItemData(row, item.text, kTextRole);
  setItemData(row, item.imageIndex, kImageRole);
  setItemData(row, item.indent, kIndentRole);
  reportedChanges_ = changes_;
}

ImageComboItem TJvImageComboBox::Item(int index) const {
  if (index < 0 || index >= count()) return {};
  return {itemData(index, kTextRole).toString(), itemData(index, kImageRole).toInt(),
          itemData(index, kIndentRole).toInt()};
}

void TJvImageComboBox::SetItemIndex(int index) {
  setCurrentIndex(index);
  reportedChanges_ = changes_;
}

void TJvImageComboBox::SetColor(Colour colour) {
  colour_ = colour;
  update();
}

void TJvImageComboBox::SetButtonFrame(bool frame) {
  buttonFrame_ = frame;
  update();
}

int TJvImageComboBox::FieldHeight() const {
  const int text = fontMetrics().height();
  const int image = imageList_ != nullptr ? imageList_->Height() : 0;
  return std::max(text + 4, image + 4);
}

int TJvImageComboBox::EntryHeight() const {
  const int text = fontMetrics().height();
  const int image = imageList_ != nullptr ? imageList_->Height() : 0;
  return std::max(text + 2, image);
}

QRect TJvImageComboBox::FieldRect() const { return DropDownFieldRect(*this); }

void TJvImageComboBox::Relayout() {
  setFixedHeight(FieldHeight() + 2 * kFrame);
  updateGeometry();
  if (view() != nullptr) view()->doItemsLayout();
  update();
}

QSize TJvImageComboBox::sizeHint() const {
  const int image = imageList_ != nullptr ? imageList_->Width() + kImageGap : 0;
  return {2 * kFrame + kImageLeft + image + kButtonWidth + 2 * kTextWiden, FieldHeight() + 2 * kFrame};
}

void TJvImageComboBox::DrawEntry(QPainter& p, int index, const QRect& rect, bool selected) {
  // A text wider than the entry ("Left Side Band Close Button" in the 44-pixel field) is cut
  // at its edge, not drawn over the drop-down button beside it.
  p.save();
  p.setClipRect(rect, Qt::IntersectClip);
  DrawClippedEntry(p, index, rect, selected);
  p.restore();
}

void TJvImageComboBox::DrawClippedEntry(QPainter& p, int index, const QRect& rect, bool selected) {
  const QColor background = ToQColor(colour_);
  p.fillRect(rect, background);
  if (index < 0 || index >= count()) return;
  const ImageComboItem item = Item(index);
  int left = rect.left() + item.indent;
  if (imageList_ != nullptr) {
    const QRect image(left + kImageLeft, rect.top() + (rect.height() - imageList_->Height()) / 2, imageList_->Width(),
                      imageList_->Height());
    // A slot beyond the end of the list shows nothing but keeps the text where it belongs.
    pixmaps_.Draw(p, image.topLeft(), imageList_, item.imageIndex);
    if (buttonFrame_) DrawEdge(p, image.adjusted(-1, -1, 1, 1), ToQColor(clBtnHighlight), ToQColor(clBtnShadow));
    left += imageList_->Width() + kImageGap;
  }
  // The selected entry's text shows in the system's highlight colours.
  const QColor brush = selected ? ToQColor(clHighlight) : background;
  const QColor text = selected ? ToQColor(clHighlightText) : palette().color(QPalette::Active, QPalette::Text);
  const bool focusFrame = selected && ResolveColour(colour_) != ResolveColour(clHighlight);
  if (item.text.isEmpty()) {
    const QRect rest(left, rect.top(), rect.right() + 1 - left, rect.height());
    p.fillRect(rest, brush);
    if (focusFrame) DrawFocusRect(p, rest, text);
    return;
  }
  const QRect area(left - kTextWiden, rect.top() + 1, fontMetrics().horizontalAdvance(item.text) + 2 * kTextWiden,
                   rect.height() - 2);
  p.fillRect(area, brush);
  p.setPen(text);
  p.setFont(font());
  p.drawText(area.adjusted(kTextWiden, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.text);
  if (focusFrame) DrawFocusRect(p, area, text);
}

void TJvImageComboBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintDropDownFrame(p, *this);
  DrawEntry(p, currentIndex(), FieldRect(), hasFocus() && !DropDownOpen(*this));
}

void TJvImageComboBox::showPopup() {
  const int wanted = droppedWidth_ > 0 ? droppedWidth_ : width();
  if (view() != nullptr) view()->setMinimumWidth(wanted - 2 * kFrame);
  DropDownList::showPopup();
}

void TJvImageComboBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    colour_ = isEnabled() ? clWindow : clBtnFace;
    update();
  } else if (event->type() == QEvent::FontChange) {
    Relayout();
  }
  QComboBox::changeEvent(event);
}

}  // namespace tessary::widgets
