#include "widgets/CommandList.h"

namespace tessary::widgets {

CommandList::CommandList(QString name, ImageList* images) : name_(std::move(name)), images_(images) {}

Command& CommandList::Add(const QString& name) {
  commands_.push_back(std::make_unique<Command>(name));
  commands_.back()->list_ = this;
  return *commands_.back();
}

Command* CommandList::Find(const QString& name) const {
  for (const auto& command : commands_)
    if (command->Name() == name) return command.get();
  return nullptr;
}

bool CommandList::RunShortcut(std::uint16_t code) {
  if (code == 0) return false;
  for (const auto& command : commands_) {
    if (command->Shortcut() == code) {
      command->Execute();
      return true;
    }
  }
  return false;
}

void CommandList::UncheckGroup(int group, const Command* except) {
  for (const auto& command : commands_)
    if (command.get() != except && command->Group() == group) command->SetChecked(false);
}

}  // namespace tessary::widgets
