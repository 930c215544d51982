#include "widgets/TTBCustomItem.h"

#include "widgets/Command.h"

namespace tessary::widgets {

TTBCustomItem::TTBCustomItem(ItemKind kind) : kind_(kind) {}

TTBCustomItem::~TTBCustomItem() = default;

void TTBCustomItem::SetCommand(Command* command) {
  command_ = command;
  commandConnection_.Reset();
  if (command_ != nullptr) commandConnection_ = command_->OnChange([this] { Changed(); });
  Changed();
}

QString TTBCustomItem::Caption() const {
  if (caption_) return *caption_;
  return command_ ? command_->Caption() : QString();
}

void TTBCustomItem::SetCaption(const QString& caption) {
  caption_ = caption;
  Changed();
}

QString TTBCustomItem::Hint() const {
  if (hint_) return *hint_;
  return command_ ? command_->Hint() : QString();
}

void TTBCustomItem::SetHint(const QString& hint) {
  hint_ = hint;
  Changed();
}

QString TTBCustomItem::Tooltip() const {
  const QString hint = Hint().section(u'|', 0, 0);
  if (hint.isEmpty() || command_ == nullptr) return hint;
  const QString shortcut = widgets::ShortcutText(command_->Shortcut());
  return shortcut.isEmpty() ? hint : QStringLiteral("%1 (%2)").arg(hint, shortcut);
}

QString TTBCustomItem::ShortcutText() const {
  if (shortcutText_) return *shortcutText_;
  return command_ ? widgets::ShortcutText(command_->Shortcut()) : QString();
}

void TTBCustomItem::SetShortcutText(const QString& text) {
  shortcutText_ = text;
  Changed();
}

bool TTBCustomItem::Visible() const {
  if (visible_) return *visible_;
  return command_ ? command_->Visible() : true;
}

void TTBCustomItem::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

bool TTBCustomItem::Enabled() const { return enabled_ && (command_ == nullptr || command_->Enabled()); }

void TTBCustomItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

bool TTBCustomItem::Checked() const { return command_ ? command_->Checked() : checked_; }

void TTBCustomItem::SetChecked(bool checked) {
  if (command_ != nullptr) {
    command_->SetChecked(checked);  // the command tells every bound item, this one too
    return;
  }
  checked_ = checked;
  Changed();
}

bool TTBCustomItem::Radio() const { return command_ != nullptr && command_->Group() != 0; }

int TTBCustomItem::EffectiveImageIndex() const {
  if (imageIndex_ >= 0) return imageIndex_;
  return command_ ? command_->ImageIndex() : -1;
}

QChar TTBCustomItem::Accelerator() const {
  const QString caption = Caption();
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {  // "&&" is a literal ampersand
      ++i;
      continue;
    }
    return caption[i + 1].toLower();
  }
  return {};
}

void TTBCustomItem::Click() {
  if (!Enabled()) return;
  if (onClick_) {
    onClick_();
  } else if (command_ != nullptr) {
    command_->Execute();
  }
}

bool TTBCustomItem::HasList() const {
  for (const auto& item : ListSource().Items())
    if (item->Visible() && item->Kind() != ItemKind::Separator) return true;
  return false;
}

}  // namespace tessary::widgets
