// The browser's menus, entry for entry. Submenus are defined before the menus that open them.
#include "preview/MenuTables.h"

#include <array>

namespace tessary::preview {

namespace {

constexpr MenuEntry Item(const char* command) { return {.command = command}; }
// An entry showing a slot of `ilSButtons` (the command's slot when none is given).
constexpr MenuEntry SButtons(const char* command, int slot = -1) {
  return {.command = command, .images = EntryImages::SButtons, .slot = slot};
}
constexpr MenuEntry Sub(const char* name, const char* command, std::span<const MenuEntry> entries,
                        EntryImages images = EntryImages::Bar, int slot = -1) {
  return {
      .kind = EntryKind::Submenu, .command = command, .entries = entries, .name = name, .images = images, .slot = slot};
}
constexpr MenuEntry DropDown(const char* command) { return {.kind = EntryKind::DropDown, .command = command}; }
constexpr MenuEntry Line() { return {.kind = EntryKind::Separator}; }
// The hidden menu's lists and drop-down entries are bound to no command.
constexpr MenuEntry OwnList(const char* caption, std::span<const MenuEntry> entries) {
  return {.kind = EntryKind::Submenu, .entries = entries, .caption = caption};
}
constexpr MenuEntry OwnDropDown(const char* caption) { return {.kind = EntryKind::DropDown, .caption = caption}; }

constexpr auto S = EntryImages::SButtons;

// clang-format off
// "&File" and its submenus.
constexpr std::array kNew{Item("actNewBlank"), Item("actNewCurrent"), Item("actNewHomepage"), Line(),
                          Item("actNewClipboard")};
constexpr std::array kImportExport{Item("actImportFavorites"), Item("actImportGroups"), Line(),
                                   Item("actExportFavorites")};
constexpr std::array kFile{
    Sub("mNew", "actDummyNew", kNew), Item("actOpen"), Item("actOpenLink"), DropDown("actRecents"),
    Item("actSave"), Line(), Item("actClose"), Item("actCloseAll"), Item("actCloseExcept"),
    Item("actCloseChecked"), Line(), Item("actOffline"), Item("actProperties"), Line(), Item("actPageSetup"),
    Item("actPrintPreview"), SButtons("actPrintDlg", 13), Line(), Item("actSendLink"),
    Sub("TBXSubmenuItem3", "actDummyImportExport", kImportExport), Line(), Item("actSaveExit"), Item("actExit"),
};

constexpr std::array kEdit{Item("actCopy"),      Item("actCut"), Item("actPaste"), Line(),
                           Item("actSelectAll"), Line(),         Item("actFind")};

// "&View" and its submenus.
constexpr std::array kTextSize{Item("actTSLargest"), Item("actTSLarger"), Item("actTSMedium"), Item("actTSSmaller"),
                               Item("actTSSmallest")};
constexpr std::array kEncoding{
    Item("actLEnglish"), Line(), Item("actLCentralEuropean"), Item("actLWesternEuropean"), Line(),
    Item("actLChineseSimplified"), Item("actLChineseTraditional"), Line(), Item("actLJapanese"),
    Item("actLKorean"), Item("actLThai"), Line(), Item("actLArabic"), Item("actLBaltic"), Item("actLCyrillic"),
    Item("actLGreek"), Item("actLHebrew"), Item("actLTurkish"), Item("actLVietnamese"),
};
constexpr std::array kView{
    Item("actStandardButtons"), Item("actAddressBar"), Item("actSearchBar"), Item("actLinksBar"),
    Item("actTabsBar"), Item("actStatusBar"), Line(), Item("actLockToolbars"), Item("actCustomizeBtn"), Line(),
    SButtons("actSearchBand"), SButtons("actFavoritesBand"), SButtons("actHistoryBand"), Line(),
    Sub("mTextSize", "actTextSize", kTextSize, S), Sub("mEncoding", "actEncoding", kEncoding, S), Line(),
    Item("actSource"), SButtons("actFullScreen"), Item("actFullDesktop"),
};

// "&Navigation" and its submenus.
constexpr std::array kAutoRefreshCurrent{Item("actARDisable"), Line(),         Item("actAR10S"), Item("actAR30S"),
                                         Item("actAR1M"),      Item("actAR2M"),  Item("actAR5M"),  Item("actAR10M"),
                                         Item("actAR15M")};
constexpr std::array kAutoRefreshAll{Item("actARADisabled"), Line(),          Item("actARA10S"), Item("actARA30S"),
                                     Item("actARA1M"),       Item("actARA2M"), Item("actARA5M"),  Item("actARA10M"),
                                     Item("actARA15M")};
constexpr std::array kNavigation{
    SButtons("actBack"), SButtons("actForward"), Line(), SButtons("actHome"), Line(), SButtons("actStop"),
    Item("actStopAll"), SButtons("actRefresh"), Item("actRefreshAll"),
    Sub("TBXSubmenuItem6", "actDummyARC", kAutoRefreshCurrent), Sub("TBXSubmenuItem7", "actDummyARA", kAutoRefreshAll),
    Line(), Item("actPreviousPage"), Item("actNextPage"),
};

constexpr std::array kGroups{Item("actCreateGroups"), Item("actOrganizeGroups"), DropDown("actAddToGroup"), Line()};
constexpr std::array kFavorites{Item("actAddFavorites"), Item("actOrganizeFavorites"), Line()};

// "&Tools" and its submenus.
constexpr std::array kMail{Item("actNewMessage"), Item("actSendLink"), Line(), Item("actReadMail")};
constexpr std::array kClearRecords{
    Item("actClearTypedAddress"), Item("actClearRecents"), Item("actClearACPW"),
    Item("actClearCookies"),      Item("actClearHistory"), Item("actClearTemp"),
    Item("actClearSearchKeywords"), Line(), Item("actClearAll"),
};
constexpr std::array kProxy{Item("actCustomizeProxy"), Line(), Item("actIEConnection"), Item("actCNTDirect"), Line()};
constexpr std::array kSkins{Item("actSkinNexos"),   Item("actSkinOfficeXP"),       Item("actSkinTristan"),
                            Item("actSkinMonaiXP"), Item("actSkinOfficeAdaptive"), Item("actSkinStripes")};
constexpr std::array kInterfaceLanguage{
    Item("actILArabic"),   Item("actILBulgarian"), Item("actILCatalan"),    Item("actILChineseS"),
    Item("actILChineseT"), Item("actILCzech"),     Item("actILDanish"),     Item("actILDutch"),
    Item("actILEnglish"),  Item("actILFinnish"),   Item("actILFrench"),     Item("actILGerman"),
    Item("actILGreek"),    Item("actILHebrew"),    Item("actILHungarian"),  Item("actILItalian"),
    Item("actILJapanese"), Item("actILKorean"),    Item("actILNorwegian"),  Item("actILPolish"),
    Item("actILPortuguese"), Item("actILRomanian"), Item("actILRussian"),   Item("actILCroatian"),
    Item("actILSlovak"),   Item("actILSlovenian"), Item("actILSpanish"),    Item("actILSwedish"),
    Item("actILThai"),     Item("actILTurkish"),   Item("actILUkrainian"),  Item("actILVietnamese"),
};
constexpr std::array kTools{
    Sub("mMail", "actMailMenu", kMail, S, 14), SButtons("actMail"), Sub("mClearRecords", "actClearRecords", kClearRecords, S),
    Sub("mProxy", "actDummyProxy", kProxy, S), Sub("mSkins", "actDummySkins", kSkins),
    Sub("TBXSubmenuItem44", "actDummyInterfaceLanguage", kInterfaceLanguage), Line(), SButtons("actBlockX"),
    Item("actKPPlaySound"), Item("actPopupForeground"), SButtons("actAllowPictures"), SButtons("actAllowFlash", 20),
    Item("actAllowSounds"), Item("actAllowVideos"), Item("actEnableActiveX"), Item("actEnableScripts"),
    Item("actEnableJavaApplets"), Line(), Item("actCorvaneOptions"), Item("actInternetOptions"),
};

constexpr std::array kWindows{
    Item("actCascade"),     Item("actTileHorizontally"), Item("actTileVertically"), Item("actArrangeIcons"), Line(),
    Item("actMaximizeAll"), Item("actRestoreAll"),       Item("actMinimizeAll"),    Line(),
    Item("actCloseAll"),    Item("actCloseExcept"),      Item("actCloseChecked"),
};

constexpr std::array kHelp{
    Item("actHelp"),      Item("actTips"), Line(), Item("actDonate"), Line(), Item("actCheckNew"),
    Item("actDLRoboForm"), Line(),          Item("actCorvaneHOME"), Line(), Item("actComments"), Line(),
    Item("actAbout"),
};

// The hidden menu: drop-down lists the address and search bars' split buttons open, and
// lists nothing shows.
constexpr std::array kGo{Item("actOpenAddress"), Item("actOpenAddressNew"), Line(), Item("actQuickSearch"), Line(),
                         Item("actGoFromClipboard")};
constexpr std::array kSearch{Item("actSearchImages"), Item("actSearchGroups"), Item("actSearchDirs"),
                             Item("actSearchNews"),   Item("actSearchLyrics"), Item("actSearchSofts")};
constexpr std::array kStop{Item("actStopAll")};
constexpr std::array kRefresh{Item("actRefreshAll")};
constexpr std::array kFullScreen{Item("actFullDesktop")};
constexpr std::array kDummies{
    OwnDropDown("UpDir"),       OwnDropDown("Back"),        OwnDropDown("Forward"),     OwnDropDown("Editors"),
    OwnDropDown("Home"),        OwnList("Go", kGo),         OwnList("Search", kSearch), OwnList("Stop", kStop),
    OwnList("Refresh", kRefresh), OwnList("FullScreen", kFullScreen),
};

constexpr std::array kMainMenu{
    Sub("mFile", "actMFile", kFile),
    Sub("TBXSubmenuItem37", "actMEdit", kEdit),
    Sub("TBXSubmenuItem38", "actMView", kView),
    Sub("TBXSubmenuItem39", "actMNavigation", kNavigation),
    Sub("mGroups", "actMGroups", kGroups),
    Sub("mFavorites", "actMFavorites", kFavorites),
    Sub("TBXSubmenuItem41", "actMTools", kTools),
    Sub("TBXSubmenuItem42", "actMWindows", kWindows),
    Sub("TBXSubmenuItem43", "actMHelp", kHelp),
    MenuEntry{.kind = EntryKind::Submenu, .entries = kDummies, .name = "mDummies", .caption = "Dummies", .hidden = true},
};
// clang-format on

}  // namespace

std::span<const MenuEntry> MainMenuEntries() { return kMainMenu; }

}  // namespace tessary::preview
