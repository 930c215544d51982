// The browser's menus built onto a menu bar, checked against what the browser shows: every
// menu entry for entry (caption, image list and slot, shortcut text, submenu, check mark,
// radio group, hidden state), the hidden menu's lists, which commands the menus reach, and
// choosing entries: radio groups, "Open Recent" running its command, images following the
// skin's lists.
#include <QImage>
#include <QSet>

#include "preview/CommandVocabulary.h"
#include "preview/MenuBuilder.h"
#include "skin/Skin.h"
#include "skinfile/StartupSkin.h"
#include "widgets/ImageListPixmaps.h"
#include "widgets/PopupWindow.h"
#include "widgets/ToolbarFixture.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::preview {
namespace {

using widgets::ItemKind;
using widgets::PopupWindow;
using widgets::TTBCustomItem;
using widgets::TTBXSubmenuItem;
using widgets::TTBXToolbar;

// What a menu shows, one entry per "|": the caption, "@list:slot" for an image,
// "=shortcut", ">" for a submenu, "[x]" for a check mark, "(o)" for a radio group, "*" when
// checked, "hidden"; "-" a separator.
constexpr std::pair<const char*, const char*> kMenus[] = {
    {"mFile",
     "New =Ctrl+N >|Open Files... =Ctrl+O|Open a Link... =Ctrl+L|Open Recent|Save... =Ctrl+S|"
     "-|Close =Ctrl+F4|Close All =Shift+Ctrl+F4|Close All Except the Current|Close Checked...|"
     "-|Work Offline @ilMain:29|Properties|-|Page Setup...|Print Preview...|"
     "Print @ilSButtons:13 =Ctrl+P|-|Send a Link...|Import and Export >|-|"
     "Save All Opened Pages and Exit|Exit @ilMain:28"},
    {"mNew", "Blank Page|Current Page|Home Page|-|From Clipboard"},
    {"TBXSubmenuItem3", "Import Favorites...|Import Groups...|-|Export Favorites..."},
    {"TBXSubmenuItem37",
     "Copy =Ctrl+C|Cut =Ctrl+X|Paste =Ctrl+V|-|Select All =Ctrl+A|-|"
     "Find on This Page... =Ctrl+F"},
    {"TBXSubmenuItem38",
     "Standard Buttons [x]|Address Bar [x]|Search Bar [x]|Links Bar [x]|Window Tabs [x]|"
     "Status Bar [x]|-|Lock the Toolbars|Customize Buttons...|-|Search @ilSButtons:6|"
     "Favorites @ilSButtons:7|History @ilSButtons:8|-|Text Size @ilSButtons:10 >|"
     "Encoding Language @ilSButtons:11 >|-|Source|Full Screen @ilSButtons:9 =F11 [x]|"
     "Full Desktop =F12 [x]"},
    {"mTextSize", "Largest (o)|Larger (o)|Medium (o) *|Smaller (o)|Smallest (o)"},
    {"mEncoding",
     "English (Unicode)|-|Central European|Western European|-|Chinese Simplified|"
     "Chinese Traditional|-|Japanese|Korean|Thai|-|Arabic|Baltic|Cyrillic|Greek|Hebrew|"
     "Turkish|Vietnamese"},
    {"TBXSubmenuItem39",
     "Back @ilSButtons:0 =Alt+Left|Forward @ilSButtons:1 =Alt+Right|-|"
     "Home @ilSButtons:5 =Alt+Home|-|Stop @ilSButtons:3 =Esc|Stop All =Shift+Esc|"
     "Refresh @ilSButtons:4 =F5|Refresh All =Shift+F5|Auto Refresh the Current >|"
     "Auto Refresh All Windows >|-|Previous Window @ilMain:14 =Ctrl+Up|"
     "Next Window @ilMain:15 =Ctrl+Down"},
    {"TBXSubmenuItem6",
     "Disabled (o)|-|Every 10 Seconds (o)|Every 30 Seconds (o)|Every Minute (o)|"
     "Every 2 Minutes (o)|Every 5 Minutes (o)|Every 10 Minutes (o)|Every 15 Minutes (o)"},
    {"TBXSubmenuItem7",
     "Disabled|-|Every 10 Seconds|Every 30 Seconds|Every Minute|Every 2 Minutes|"
     "Every 5 Minutes|Every 10 Minutes|Every 15 Minutes"},
    {"mGroups", "Create New Group... @ilMain:4|Organize Groups... @ilMain:3|Add the Current to|-"},
    {"mFavorites", "Add to Favorites... @ilMain:18 =Ctrl+D|Organize Favorites... @ilMain:19|-"},
    {"TBXSubmenuItem41",
     "Mail @ilSButtons:14 >|Mail @ilSButtons:14|Clear Records @ilSButtons:16 >|"
     "Proxy @ilSButtons:15 >|Skins >|Interface Language >|-|Block @ilSButtons:18 (o)|"
     "Play Sound When Pop-up Page is Blocked [x]|Open Pop-up Pages in the Foreground [x]|"
     "Allow Pictures @ilSButtons:17 [x]|Allow Flash Animations @ilSButtons:20 [x]|"
     "Allow Sounds @ilMain:40 [x]|Allow Videos @ilMain:42 [x]|Enable ActiveX [x]|"
     "Enable Scripts [x]|Enable Java Applets [x]|-|Corvane Options... @ilMain:20|"
     "Internet Options... @ilMain:41"},
    {"mMail", "New Message...|Send a Link...|-|Read Mail"},
    {"mClearRecords",
     "Clear Typed Address|Clear Recent Pages|Clear Auto-Complete Passwords|Clear Cookies|"
     "Clear History of Visited Web Sites|Clear Temporary Internet Files|Clear Search Keywords|"
     "-|Clear All Records"},
    {"mProxy", "Customize...|-|Internet Explorer Setting (o) *|Connect Directly (o)|-"},
    {"mSkins", "Nexos|Office XP|Tristan|Monai XP|Office Adaptive|Stripes"},
    {"TBXSubmenuItem44",
     "Arabic [x]|Bulgarian [x]|Catalan [x]|Chinese Simplified [x]|Chinese Traditional [x]|"
     "Czech [x]|Danish [x]|Dutch [x]|English [x]|Finnish [x]|French [x]|German [x]|Greek [x]|"
     "Hebrew [x]|Hungarian [x]|Italian [x]|Japanese [x]|Korean [x]|Norwegian [x]|Polish [x]|"
     "Portuguese [x]|Romanian [x]|Russian [x]|Croatian [x]|Slovak [x]|Slovenian|Spanish [x]|"
     "Swedish [x]|Thai [x]|Turkish [x]|Ukrainian [x]|Vietnamese [x]"},
    {"TBXSubmenuItem42",
     "Cascade @ilMain:48|Tile Horizontally @ilMain:49|Tile Vertically @ilMain:50|"
     "Arrange Icons|-|Maximize All|Restore All|Minimize All|-|Close All =Shift+Ctrl+F4|"
     "Close All Except the Current|Close Checked..."},
    {"TBXSubmenuItem43",
     "Help @ilMain:43 =F1|Most Useful Tips|-|Donate to Corvane|-|Check for New Version|"
     "Download RoboForm Form Filler Plug-in... hidden|-|Corvane Home Page|-|"
     "Send Comments to the Developer @ilMain:44|-|About Corvane... @ilMain:39"},
    {"mDummies", "UpDir|Back|Forward|Editors|Home|Go >|Search >|Stop >|Refresh >|FullScreen >"},
};

class Menus : public widgets::testing::DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    LoadStartupSkin(skin);
    vocabulary.alMain().SetHandler([this](Command& c) { ran.push_back(c.Name()); });
    bar = new TTBXToolbar;
    menus = BuildMainMenu(*bar, vocabulary, skin);
    bar->DockTo(top, 0);
    Settle();
  }

  QString ListName(const ImageList* list) const {
    return list == &skin.ilMain ? "ilMain" : list == &skin.ilSButtons ? "ilSButtons" : "other";
  }

  QString Describe(const TTBCustomItem& item) const {
    if (item.Kind() == ItemKind::Separator) return "-";
    QString text = item.Caption();
    const ImageList* list = item.EffectiveImages(bar->Images());
    if (widgets::ImageListPixmaps::HasImage(list, item.EffectiveImageIndex()))
      text += QString(" @%1:%2").arg(ListName(list)).arg(item.EffectiveImageIndex());
    if (!item.ShortcutText().isEmpty()) text += " =" + item.ShortcutText();
    if (item.Kind() == ItemKind::Submenu && static_cast<const TTBXSubmenuItem&>(item).OpensListOnClick()) text += " >";
    if (const Command* command = item.GetCommand(); command != nullptr && command->AutoCheck())
      text += command->Group() != 0 ? " (o)" : " [x]";
    if (item.Checked()) text += " *";
    if (!item.Visible()) text += " hidden";
    return text;
  }

  QString Describe(const TTBXSubmenuItem* menu) const {
    if (menu == nullptr) return "(no such menu)";
    QStringList entries;
    for (const auto& entry : menu->Items()) entries << Describe(*entry);
    return entries.join('|');
  }

  // Opens a top-level menu and, through its lines, the submenus named by `path`.
  PopupWindow* OpenPath(int menu, std::initializer_list<const char*> path) {
    bar->OpenItemList(menu, true);
    PopupWindow* popup = bar->OpenPopup();
    for (const char* caption : path) {
      popup->OpenSubmenu(LineOf(popup, caption), true);
      popup = popup->ChildPopup();
    }
    return popup;
  }

  static int LineOf(PopupWindow* popup, const QString& caption) {
    for (int line = 0; line < popup->LineCount(); ++line)
      if (popup->LineItem(line)->Caption() == caption) return line;
    ADD_FAILURE() << "no line " << caption.toStdString();
    return -1;
  }

  Skin skin;
  CommandVocabulary vocabulary{skin};
  TTBXToolbar* bar = nullptr;
  MainMenu menus;
  std::vector<QString> ran;
};

TEST_F(Menus, TheMenuBarShowsNineMenusAndHidesTheTenth) {
  EXPECT_TRUE(bar->IsMenuBar());
  EXPECT_EQ(bar->Images(), &skin.ilMain);
  QStringList captions;
  for (const auto& item : bar->Items()) captions << Describe(*item);
  EXPECT_EQ(captions.join('|'),
            "&File >|&Edit >|&View >|&Navigation >|&Groups >|F&avorites >|&Tools >|&Windows >|"
            "&Help >|Dummies > hidden");
  EXPECT_EQ(bar->Items()[4]->GetCommand(), vocabulary.Find("actMGroups"));
  // Alt with the letter after the ampersand opens its menu; the hidden menu never opens.
  EXPECT_TRUE(bar->OpenMenuByAccelerator('a'));
  EXPECT_EQ(bar->OpenIndex(), 5);
  bar->OpenPopup()->CloseAll();
  EXPECT_FALSE(bar->OpenMenuByAccelerator('d'));
}

TEST_F(Menus, EveryMenuShowsItsEntriesInOrder) {
  for (const auto& [name, expected] : kMenus) EXPECT_EQ(Describe(menus.Submenu(name)), expected) << name;
  EXPECT_EQ(menus.Submenu("mFile"), bar->Items()[0].get());
  EXPECT_EQ(menus.Submenu("nothing"), nullptr);
}

TEST_F(Menus, TheHiddenMenuHoldsTheListsTheBarsSplitButtonsOpen) {
  EXPECT_EQ(menus.GoList(), menus.DummyList("Go"));
  EXPECT_EQ(Describe(menus.GoList()), "Open|Open in a New Window|-|Quick Search =Ctrl+Q|-|From Clipboard");
  EXPECT_EQ(Describe(menus.SearchList()),
            "Search for Images|Search for Groups|Search for Directories|"
            "Search for News|Search for Lyrics|Search for Software");
  EXPECT_EQ(Describe(menus.DummyList("Stop")), "Stop All =Shift+Esc");
  EXPECT_EQ(Describe(menus.DummyList("Refresh")), "Refresh All =Shift+F5");
  EXPECT_EQ(Describe(menus.DummyList("FullScreen")), "Full Desktop =F12 [x]");
  const TTBXSubmenuItem* back = menus.DummyList("Back");
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(back->Items().empty());
  EXPECT_EQ(back->GetCommand(), nullptr);
  EXPECT_EQ(menus.DummyList("Nothing"), nullptr);
}

TEST_F(Menus, TheMenusAndTheTwoBarsShow190OfTheBrowsersCommands) {
  QSet<const Command*> shown;
  std::function<void(const TTBCustomItem&)> collect = [&](const TTBCustomItem& item) {
    if (item.GetCommand() != nullptr && item.GetCommand()->List() == &vocabulary.alMain())
      shown.insert(item.GetCommand());
    for (const auto& child : item.Items()) collect(*child);
  };
  for (const auto& item : bar->Items()) collect(*item);
  for (const char* name : {"actGO", "actSearchWeb", "actSearchSite", "actFindKeyword", "actHighlight"})
    shown.insert(vocabulary.Find(name));  // the address and search bars' buttons
  EXPECT_EQ(shown.size(), 190);
  for (const char* unshown : {"actAddLink", "actCARDisable", "actDLUCmore", "actYahoo", "actSysClose"})
    EXPECT_FALSE(shown.contains(vocabulary.Find(unshown))) << unshown;
}

TEST_F(Menus, ChoosingEntriesRunsTheirCommandsAndMovesRadioMarks) {
  const auto checked = [&] {
    QStringList names;
    for (const auto& entry : menus.Submenu("mTextSize")->Items())
      if (entry->Checked()) names << entry->Caption();
    return names;
  };
  PopupWindow* textSize = OpenPath(2, {"Text Size"});
  textSize->Activate(LineOf(textSize, "Medium"));  // checked and chosen: nothing stays checked
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  EXPECT_TRUE(checked().isEmpty());
  textSize = OpenPath(2, {"Text Size"});
  textSize->Activate(LineOf(textSize, "Larger"));
  EXPECT_EQ(checked(), QStringList{"Larger"});
  // "Open Recent" holds no entries: choosing it runs its command and opens nothing.
  PopupWindow* file = OpenPath(0, {});
  file->Activate(LineOf(file, "Open Recent"));
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  EXPECT_EQ(ran, (std::vector<QString>{"actTSMedium", "actTSLarger", "actRecents"}));
  // The hidden "Download RoboForm..." entry shows no line.
  PopupWindow* help = OpenPath(8, {});
  EXPECT_EQ(help->LineCount(), 12);  // 13 entries, one hidden
}

TEST_F(Menus, EntryImagesFollowTheSkinsLists) {
  PopupWindow* file = OpenPath(0, {});
  const QRect exitLine = file->LineRect(LineOf(file, "Exit"));
  const auto exitImage = [&] { return file->grab().toImage().copy(exitLine); };
  const QImage before = exitImage();
  std::vector<Argb> red(16 * 16, 0xFFFF0000u);
  skin.ilMain.ReplaceImage(53, Bitmap::FromArgb(16, 16, red), clNone);  // no menu shows slot 53
  EXPECT_EQ(exitImage(), before);
  skin.ilMain.ReplaceImage(28, Bitmap::FromArgb(16, 16, red), clNone);
  const auto redPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(255, 0, 0);
    return count;
  };
  EXPECT_EQ(redPixels(before), 0);
  EXPECT_EQ(redPixels(exitImage()), 16 * 16);
}

// "&Groups", "F&avorites" and "Proxy" end with a line, and their lists show it.
TEST_F(Menus, MenusThatEndWithALineShowIt) {
  const struct {
    int menu;
    std::initializer_list<const char*> path;
    int lines;
  } kCases[] = {{4, {}, 4}, {5, {}, 3}, {6, {"Proxy"}, 5}};
  for (const auto& c : kCases) {
    PopupWindow* popup = OpenPath(c.menu, c.path);
    ASSERT_EQ(popup->LineCount(), c.lines) << c.menu;
    EXPECT_EQ(popup->LineItem(c.lines - 1)->Kind(), ItemKind::Separator) << c.menu;
    popup->CloseAll();
  }
}

}  // namespace
}  // namespace tessary::preview
