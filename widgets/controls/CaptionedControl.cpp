#include "widgets/controls/CaptionedControl.h"

#include <QAccessible>
#include <QKeySequence>
#include <QShortcutEvent>

#include "widgets/CaptionText.h"
#include "widgets/Theme.h"
#include "widgets/controls/DialogKeys.h"

namespace tessary::widgets {

CaptionedControl::CaptionedControl(QWidget* parent) : PaintedControl(parent) {}

void CaptionedControl::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  GrabAccelerator();
  update();
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

QString CaptionedControl::PlainCaption() const { return SplitPrefix(caption_, cfHidePrefix).plain; }

QChar CaptionedControl::Accelerator() const {
  const CaptionLayout layout = SplitPrefix(caption_, cfShowPrefix);
  return layout.underline < 0 ? QChar() : layout.plain[layout.underline].toLower();
}

void CaptionedControl::SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

void CaptionedControl::GrabAccelerator() {
  if (shortcutId_ != 0) releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  if (const QKeySequence alt = QKeySequence::mnemonic(caption_); !alt.isEmpty()) shortcutId_ = grabShortcut(alt);
}

bool CaptionedControl::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->shortcutId() == shortcutId_ && isEnabled()) {
      // Two controls sharing a letter: each press moves the focus on, none is worked.
      if (shortcut->isAmbiguous()) setFocus(Qt::ShortcutFocusReason);
      else Accelerate();
      return true;
    }
  }
  return QWidget::event(event);
}

void CaptionedControl::showEvent(QShowEvent* event) {
  DialogKeys::Install(window());
  QWidget::showEvent(event);
}

}  // namespace tessary::widgets
