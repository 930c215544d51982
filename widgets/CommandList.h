#pragma once
// An ordered list of commands that owns them, with an optional image list their slots
// refer to and a handler for commands that have none of their own. Radio groups are
// resolved within one list.
#include <QString>
#include <memory>
#include <vector>

#include "widgets/Command.h"

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

class CommandList {
 public:
  explicit CommandList(QString name = {}, ImageList* images = nullptr);

  QString Name() const { return name_; }
  // The image list the commands' slots index (none: the showing bar's list is used).
  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images) { images_ = images; }

  // Runs for every command of the list that has no handler of its own.
  void SetHandler(Command::Handler handler) { handler_ = std::move(handler); }
  const Command::Handler& ListHandler() const { return handler_; }

  // Creates a command at the end of the list and returns it.
  Command& Add(const QString& name);
  int Count() const { return static_cast<int>(commands_.size()); }
  Command& At(int index) const { return *commands_.at(static_cast<std::size_t>(index)); }
  // The command of that name (exact case), or none.
  Command* Find(const QString& name) const;

  // Runs the first command whose shortcut equals `code`; false when none has it.
  bool RunShortcut(std::uint16_t code);

 private:
  friend class Command;
  // A command of `group` became checked: uncheck the others of that group.
  void UncheckGroup(int group, const Command* except);

  QString name_;
  ImageList* images_;
  Command::Handler handler_;
  std::vector<std::unique_ptr<Command>> commands_;
};

}  // namespace tessary::widgets
