// The error handler: whatever escapes a command is shown once in the "Tessary" box, with
// a full stop after a last character that sorts after "."; the program goes on.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "editing/CommandRunner.h"
#include "editing/ScriptedDialogs.h"
#include "skin/Error.h"

namespace tessary {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  const struct {
    std::string message, text;
  } cases[] = {
      {"Stream read error", "Stream read error."},
      {"", ""},
      {"The size of the image should be 24*24!", "The size of the image should be 24*24!"},
      {"Cannot open file /tmp/a.", "Cannot open file /tmp/a."},
      {"ends in a hyphen -", "ends in a hyphen -"},  // '-' sorts before '.', '/' after it
      {"ends in a slash/", "ends in a slash/."},
      {"caf\xC3\xA9", "caf\xC3\xA9."},  // a non-ASCII last character sorts after '.' too
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.text) << c.message;
}

TEST(RunCommand, ShowsWhatEscapesACommandAndGoesOn) {
  ScriptedDialogs dialogs;
  int ran = 0;
  EXPECT_TRUE(RunCommand(dialogs, [&] { ++ran; }));
  EXPECT_FALSE(RunCommand(dialogs, [] { Fail(msg::kCannotOpenFile, {"x.skn"}); }));
  EXPECT_FALSE(RunCommand(dialogs, [] { throw std::bad_alloc(); }));
  EXPECT_FALSE(RunCommand(dialogs, [] { throw 42; }));
  auto guarded = Guarded(dialogs, [&] {
    ++ran;
    throw std::runtime_error("Invalid stream format");
  });
  guarded();
  EXPECT_EQ(ran, 2);
  using Box = ScriptedDialogs::Box;
  const auto error = MessageBoxKind::kApplicationError;
  EXPECT_EQ(dialogs.boxes, (std::vector<Box>{{error, "Cannot open file x.skn."},
                                             {error, "Out of memory."},
                                             {error, "Unexpected error."},
                                             {error, "Invalid stream format."}}));
}

}  // namespace
}  // namespace tessary
