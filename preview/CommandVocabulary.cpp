#include "preview/CommandVocabulary.h"

#include <string_view>

#include "preview/CommandTables.h"
#include "skin/Skin.h"

namespace tessary::preview {

namespace {

// Where a list's commands come from: a parallel table's column, the browser vocabulary, or
// nothing.
enum class Source { None, SystemButtons, Buttons, Main };
constexpr int kNoHandler = -1;

struct ListLayout {
  const char* name;
  ImageList Skin::*images;  // null: the list has no image list of its own
  Source source;
  std::size_t column;
  int handler;  // an ImageHandler, or kNoHandler (the list's commands do nothing)
};

constexpr int Handler(ImageHandler handler) { return static_cast<int>(handler); }

constexpr std::array<ListLayout, CommandVocabulary::kListCount> kLists{{
    {"alSysBtnsN", &Skin::ilImages, Source::SystemButtons, 0, Handler(ImageHandler::actNPreExecute)},
    {"alEditors", nullptr, Source::None, 0, kNoHandler},
    {"allButtons", &Skin::ilSButtons, Source::Buttons, 0, kNoHandler},
    {"alButtons", &Skin::ilSButtons, Source::Buttons, 1, kNoHandler},
    {"alcL", &Skin::ilLButtons, Source::Buttons, 2, Handler(ImageHandler::actLCBackExecute)},
    {"actS", &Skin::ilSButtons, Source::Buttons, 3, Handler(ImageHandler::actSCBackExecute)},
    {"alSysBtnsH", &Skin::ilHot, Source::SystemButtons, 1, Handler(ImageHandler::actHPreExecute)},
    {"alSysBtnsD", &Skin::ilDown, Source::SystemButtons, 2, Handler(ImageHandler::actDPreExecute)},
    {"alSysBtnsF", &Skin::ilDisable, Source::SystemButtons, 3, Handler(ImageHandler::actFPreExecute)},
    {"alMain", nullptr, Source::Main, 0, kNoHandler},
}};

// The named accessors in the header index this table.
static_assert(std::string_view(kLists[0].name) == "alSysBtnsN" && std::string_view(kLists[2].name) == "allButtons" &&
              std::string_view(kLists[4].name) == "alcL" && std::string_view(kLists[5].name) == "actS" &&
              std::string_view(kLists[8].name) == "alSysBtnsF" && std::string_view(kLists[9].name) == "alMain");

void Apply(Command& command, const CommandRow& row) {
  command.tag = row.tag;
  command.SetAutoCheck(row.autoCheck);
  command.SetCaption(QString::fromUtf8(row.caption));
  command.SetGroup(row.group);
  command.SetChecked(row.checked);
  command.SetHint(QString::fromUtf8(row.hint));
  command.SetImageIndex(row.imageIndex);
  command.SetShortcut(row.shortcut);
  command.SetVisible(row.visible);
}

// Calls `add` with every row of the list `layout` describes, in list order.
template <typename Add>
void ForEachRow(const ListLayout& layout, Add add) {
  switch (layout.source) {
    case Source::None: return;
    case Source::Main:
      for (const CommandRow& row : MainCommandRows()) add(row);
      return;
    case Source::SystemButtons:
      for (const SystemButtonRow& row : SystemButtonRows())
        add(CommandRow{.name = row.names[layout.column], .caption = row.caption, .imageIndex = row.slot});
      return;
    case Source::Buttons:
      for (const ButtonRow& row : ButtonRows()) {
        add(CommandRow{.name = row.names[layout.column],
                       .tag = row.tag,
                       .autoCheck = row.autoCheck,
                       .caption = row.caption,
                       .group = row.group,
                       .hint = row.hint,
                       .imageIndex = row.slot,
                       .shortcut = row.shortcut});
      }
      for (const ColumnExtra& extra : ButtonColumnExtras())
        if (extra.column == layout.column) add(extra.row);
      return;
  }
}

}  // namespace

CommandVocabulary::CommandVocabulary(Skin& skin) {
  for (std::size_t i = 0; i < kLists.size(); ++i) {
    const ListLayout& layout = kLists[i];
    owned_[i] = std::make_unique<CommandList>(QString::fromLatin1(layout.name),
                                              layout.images ? &(skin.*layout.images) : nullptr);
    CommandList& list = *owned_[i];
    lists_[i] = &list;
    if (layout.handler != kNoHandler) {
      const auto handler = static_cast<std::size_t>(layout.handler);
      list.SetHandler([this, handler](Command& command) {
        if (handlers_[handler]) handlers_[handler](command);
      });
    }
    ForEachRow(layout, [&](const CommandRow& row) {
      Command& command = list.Add(QString::fromLatin1(row.name));
      Apply(command, row);
      byName_.insert(command.Name(), &command);
    });
  }
}

CommandVocabulary::~CommandVocabulary() = default;

CommandList* CommandVocabulary::FindList(const QString& name) const {
  for (CommandList* list : lists_)
    if (list->Name() == name) return list;
  return nullptr;
}

Command* CommandVocabulary::Find(const QString& name) const { return byName_.value(name, nullptr); }

void CommandVocabulary::Connect(ImageHandler handler, Command::Handler run) {
  handlers_[static_cast<std::size_t>(handler)] = std::move(run);
}

Command* CommandVocabulary::ShortcutCommand(std::uint16_t code) const {
  if (code == 0) return nullptr;
  for (CommandList* list : lists_)
    for (int i = 0; i < list->Count(); ++i)
      if (list->At(i).Shortcut() == code) return &list->At(i);
  return nullptr;
}

bool CommandVocabulary::RunShortcut(std::uint16_t code) {
  Command* command = ShortcutCommand(code);
  if (command == nullptr) return false;
  command->Execute();
  return true;
}

}  // namespace tessary::preview
