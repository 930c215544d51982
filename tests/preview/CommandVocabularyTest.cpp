// The command vocabulary: the ten lists in creation order over the skin's image lists, the
// parallel button and system-button lists, the browser vocabulary's check marks, radio
// groups and hidden commands, and running a command: auto-check first, then the group rule
// within the command's list, then the list's handler. (Radio groups chosen from the menus
// are tested with the menus.)
#include <gtest/gtest.h>

#include <QSet>
#include <map>

#include "preview/CommandVocabulary.h"
#include "skin/Skin.h"

namespace tessary::preview {
namespace {

class Vocabulary : public ::testing::Test {
 protected:
  Command& Get(const char* name) {
    Command* command = vocabulary.Find(QString::fromLatin1(name));
    EXPECT_NE(command, nullptr) << name;
    return *command;
  }

  Skin skin;
  CommandVocabulary vocabulary{skin};
};

TEST_F(Vocabulary, TenListsInCreationOrderOverTheSkinsImageLists) {
  const struct {
    const char* name;
    int count;
    const ImageList* images;
  } expected[] = {
      {"alSysBtnsN", 11, &skin.ilImages},   {"alEditors", 0, nullptr},
      {"allButtons", 20, &skin.ilSButtons}, {"alButtons", 20, &skin.ilSButtons},
      {"alcL", 21, &skin.ilLButtons},       {"actS", 21, &skin.ilSButtons},
      {"alSysBtnsH", 11, &skin.ilHot},      {"alSysBtnsD", 11, &skin.ilDown},
      {"alSysBtnsF", 11, &skin.ilDisable},  {"alMain", 242, nullptr},
  };
  ASSERT_EQ(vocabulary.Lists().size(), std::size(expected));
  QSet<QString> names;
  int total = 0;
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const CommandList& list = *vocabulary.Lists()[i];
    EXPECT_EQ(list.Name(), expected[i].name);
    EXPECT_EQ(list.Count(), expected[i].count) << expected[i].name;
    EXPECT_EQ(list.Images(), expected[i].images) << expected[i].name;
    EXPECT_EQ(vocabulary.FindList(list.Name()), &list);
    for (int c = 0; c < list.Count(); ++c) {
      names.insert(list.At(c).Name());
      EXPECT_EQ(vocabulary.Find(list.At(c).Name()), &list.At(c));
      EXPECT_TRUE(list.At(c).Enabled());
    }
    total += list.Count();
  }
  EXPECT_EQ(names.size(), total);  // names are unique across the window
  EXPECT_EQ(&vocabulary.alcL(), vocabulary.Lists()[4]);
  EXPECT_EQ(&vocabulary.alMain(), vocabulary.Lists()[9]);
}

TEST_F(Vocabulary, ButtonListsRunParallelOverTheSlots) {
  const CommandList* lists[] = {&vocabulary.allButtons(), &vocabulary.alButtons(), &vocabulary.alcL(),
                                &vocabulary.actS()};
  std::vector<int> tags;
  for (int slot = 0; slot < 20; ++slot) {
    const Command& first = vocabulary.allButtons().At(slot);
    tags.push_back(first.tag);
    for (const CommandList* list : lists) {
      const Command& command = list->At(slot);
      SCOPED_TRACE(command.Name().toStdString());
      EXPECT_EQ(command.ImageIndex(), slot);
      EXPECT_EQ(command.Caption(), first.Caption());
      EXPECT_EQ(command.Hint(), first.Hint());
      EXPECT_EQ(command.Shortcut(), first.Shortcut());
      EXPECT_EQ(command.Group(), first.Group());
      EXPECT_EQ(command.AutoCheck(), first.AutoCheck());
      EXPECT_EQ(command.tag, first.tag);
      EXPECT_FALSE(command.Checked());
    }
  }
  std::vector<int> expectedTags;
  for (int tag = 1; tag <= 21; ++tag)
    if (tag != 16) expectedTags.push_back(tag);
  EXPECT_EQ(tags, expectedTags);
  // Slot 20: the sample lists' own last commands, which differ.
  const Command& largeFlash = vocabulary.alcL().At(20);
  const Command& smallFlash = vocabulary.actS().At(20);
  EXPECT_EQ(largeFlash.Name(), "actLCFlash");
  EXPECT_EQ(largeFlash.Caption(), "Flash");
  EXPECT_EQ(largeFlash.Group(), 1503);
  EXPECT_TRUE(largeFlash.AutoCheck());
  EXPECT_EQ(largeFlash.tag, 22);
  EXPECT_EQ(smallFlash.Name(), "actSCFlash");
  EXPECT_EQ(smallFlash.Caption(), "actSCFlash");
  EXPECT_EQ(smallFlash.Group(), 0);
  EXPECT_FALSE(smallFlash.AutoCheck());
  for (const Command* flash : {&largeFlash, &smallFlash}) {
    EXPECT_EQ(flash->ImageIndex(), 20);
    EXPECT_TRUE(flash->Hint().isEmpty());
    EXPECT_EQ(flash->Shortcut(), 0);
  }
}

TEST_F(Vocabulary, SystemButtonListsFollowTheControlPanelRowsLeftToRight) {
  const std::vector<int> order{8, 7, 6, 5, 4, 10, 3, 9, 2, 1, 0};
  const std::pair<const CommandList*, QString> lists[] = {{&vocabulary.alSysBtnsN(), "actN"},
                                                          {&vocabulary.alSysBtnsH(), "actH"},
                                                          {&vocabulary.alSysBtnsD(), "actD"},
                                                          {&vocabulary.alSysBtnsF(), "actF"}};
  for (const auto& [list, prefix] : lists) {
    for (int i = 0; i < list->Count(); ++i) {
      const Command& command = list->At(i);
      EXPECT_EQ(command.ImageIndex(), order[static_cast<std::size_t>(i)]) << command.Name().toStdString();
      EXPECT_TRUE(command.Name().startsWith(prefix)) << command.Name().toStdString();
      EXPECT_EQ(command.Caption(), vocabulary.alSysBtnsN().At(i).Caption());
      EXPECT_TRUE(command.Hint().isEmpty() && command.Shortcut() == 0 && command.Group() == 0 && !command.AutoCheck());
    }
  }
  EXPECT_EQ(Get("actHClose").ImageIndex(), 0);
  EXPECT_EQ(Get("actFPre").Caption(), "actNormalPre");
}

TEST_F(Vocabulary, OnlyTwoCommandsStartCheckedAndTwoAreHidden) {
  QStringList checked, hidden;
  std::map<int, int> groupSizes;  // alMain's radio groups
  int checkMarksWithoutGroup = 0;
  for (const CommandList* list : vocabulary.Lists()) {
    for (int i = 0; i < list->Count(); ++i) {
      const Command& command = list->At(i);
      if (command.Checked()) checked << command.Name();
      if (!command.Visible()) hidden << command.Name();
      if (list != &vocabulary.alMain()) continue;
      if (command.Group() != 0) {
        ++groupSizes[command.Group()];
        // Every radio group of the browser vocabulary checks itself, except the links pair.
        EXPECT_EQ(command.AutoCheck(), command.Group() != 1513) << command.Name().toStdString();
      } else if (command.AutoCheck()) {
        ++checkMarksWithoutGroup;
      }
    }
  }
  EXPECT_EQ(checked, (QStringList{"actIEConnection", "actTSMedium"}));
  EXPECT_EQ(hidden, (QStringList{"actDLUCmore", "actDLRoboForm"}));
  EXPECT_EQ(groupSizes, (std::map<int, int>{{5, 5}, {1502, 2}, {1506, 8}, {1507, 8}, {1512, 4}, {1513, 2}}));
  EXPECT_EQ(checkMarksWithoutGroup, 20 + 31);  // twenty named, and the interface languages but Slovenian
  EXPECT_FALSE(Get("actILSlovenian").AutoCheck());
  EXPECT_EQ(Get("actAR15M").tag, 900000);
  EXPECT_EQ(Get("actARA10S").tag, 10000);
  EXPECT_EQ(Get("actSkinTristan").Hint(), "Tristan2");
  EXPECT_TRUE(Get("actILGerman").Hint().endsWith(".lng"));
}

TEST_F(Vocabulary, ImageHandlersReceiveTheCommandAfterItsCheckMarkAndGroupChanged) {
  std::vector<std::pair<ImageHandler, QString>> calls;
  for (int h = 0; h < kImageHandlerCount; ++h) {
    const auto handler = static_cast<ImageHandler>(h);
    vocabulary.Connect(handler, [&calls, handler](Command& c) { calls.emplace_back(handler, c.Name()); });
  }
  Command& flash = Get("actLCFlash");
  Command& blocker = Get("actLCBlocker");
  bool sawFlashChecked = false, sawBlockerChecked = true;
  vocabulary.Connect(ImageHandler::actLCBackExecute, [&](Command& c) {
    calls.emplace_back(ImageHandler::actLCBackExecute, c.Name());
    sawFlashChecked = flash.Checked();
    sawBlockerChecked = blocker.Checked();
  });
  blocker.Execute();
  EXPECT_TRUE(blocker.Checked());
  flash.Execute();  // group 1503 in alcL: Flash checked, Block unchecked, before the handler
  EXPECT_TRUE(sawFlashChecked);
  EXPECT_FALSE(sawBlockerChecked);
  EXPECT_TRUE(Get("actLCBack").Group() == 1503 && !Get("actLCBack").Checked());
  EXPECT_FALSE(Get("actBlockX").Checked());  // the same group number in another list is untouched
  blocker.Execute();
  EXPECT_FALSE(flash.Checked());
  // The small sample toolbar's Flash has no check mark, whatever runs.
  Get("actSCFlash").Execute();
  Get("actSCBlocker").Execute();
  EXPECT_FALSE(Get("actSCFlash").Checked());
  EXPECT_TRUE(Get("actSCBlocker").Checked());
  calls.clear();
  for (const char* name :
       {"actNClose", "actHMax", "actDPre", "actFRestore", "actSCHome", "actLCNew", "actBack", "actlBack", "actOpen"})
    Get(name).Execute();
  const std::vector<std::pair<ImageHandler, QString>> expected{
      {ImageHandler::actNPreExecute, "actNClose"},   {ImageHandler::actHPreExecute, "actHMax"},
      {ImageHandler::actDPreExecute, "actDPre"},     {ImageHandler::actFPreExecute, "actFRestore"},
      {ImageHandler::actSCBackExecute, "actSCHome"}, {ImageHandler::actLCBackExecute, "actLCNew"},
  };  // the browser's lists run no image handler
  EXPECT_EQ(calls, expected);
}

}  // namespace
}  // namespace tessary::preview
