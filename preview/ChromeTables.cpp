// The browser chrome's bars, entry for entry.
#include "preview/ChromeTables.h"

namespace tessary::preview {

namespace {

using K = ChromeItemKind;

constexpr ButtonBarRow Entry(K kind, const char* command, int slot, bool captionOnSmallBar = false) {
  return {kind, command, slot, captionOnSmallBar};
}
constexpr ButtonBarRow Gap() { return {K::Separator, nullptr, -1, false, 10}; }

constexpr std::array kButtonBar{
    Entry(K::Split, "actBack", 0, true),
    Entry(K::Split, "actForward", 1, true),
    Entry(K::Split, "actUpDir", 2),
    Entry(K::Split, "actStop", 3),
    Entry(K::Split, "actRefresh", 4),
    Entry(K::DropDown, "actHome", 5),
    Gap(),
    Entry(K::Button, "actSearchBand", 6),
    Entry(K::Button, "actFavoritesBand", 7),
    Entry(K::Button, "actHistoryBand", 8),
    Gap(),
    Entry(K::Split, "actFullScreen", 9),
    Entry(K::DropDown, "actTextSize", 10),
    Entry(K::DropDown, "actEncoding", 11),
    Entry(K::DropDown, "actEditors", 12),
    Entry(K::Button, "actPrint", 13),
    Entry(K::Split, "actMail", 14),
    Entry(K::DropDown, "actDummyProxy", 15),
    Entry(K::DropDown, "actClearRecords", 16),
    Gap(),
    Entry(K::Button, "actAllowPictures", 17),
    // Entry 19 is bound to no command and differs between the bars; it shows slot 20.
    ButtonBarRow{K::Button, nullptr, 20, false, 0, {"bFlash", "TBXItem9"}, {"Block Flash", "actBlockFlash"}},
    Entry(K::Button, "actBlockX", 18, true),
    Gap(),
    Entry(K::Split, "actNew", 19, true),
};

constexpr std::array kAddressBar{
    ChromeItem{.kind = K::Spacer, .name = "bvAddress", .width = 3, .height = 20},
    ChromeItem{.kind = K::Label, .name = "lblAddress", .caption = "A&ddress:"},
    ChromeItem{.kind = K::Spacer, .name = "bvAddressLeft", .width = 3, .height = 20},
    ChromeItem{.kind = K::AddressBox, .name = "cbAddress", .width = 602, .height = 22},
    ChromeItem{.kind = K::Spacer, .name = "bvAddressRight", .width = 3, .height = 20},
    ChromeItem{.kind = K::Split, .name = "bGo", .command = "actGO", .slot = 16, .showsCaption = true, .list = "Go"},
};

constexpr std::array kSearchBar{
    ChromeItem{.kind = K::Spacer, .name = "bvSearch", .width = 3, .height = 20},
    ChromeItem{.kind = K::Label, .name = "lblSearchBar", .caption = "&Search:"},
    ChromeItem{.kind = K::Spacer, .name = "bvSearchLeft", .width = 3, .height = 20},
    ChromeItem{.kind = K::SearchBox, .name = "cbSearchBar", .width = 430, .height = 21},
    ChromeItem{.kind = K::Spacer, .name = "bvSearchRight", .width = 3, .height = 20},
    ChromeItem{.kind = K::Split,
               .name = "bSearchWeb",
               .command = "actSearchWeb",
               .slot = 6,
               .showsCaption = true,
               .list = "Search"},
    ChromeItem{.kind = K::Button, .name = "bSearchSite", .command = "actSearchSite", .slot = 7, .showsCaption = true},
    ChromeItem{.kind = K::Button, .name = "bFind", .command = "actFindKeyword", .slot = 7, .showsCaption = true},
    ChromeItem{.kind = K::Button, .name = "bHighlight", .command = "actHighlight", .slot = 47, .showsCaption = true},
};

constexpr std::array kSystemButtons{
    SystemButton{"btnPrevious", "Previous Window", 8},
    SystemButton{"btnNext", "Next Window", 7},
    SystemButton{"btnCascade", "Cascade All Windows", 6},
    SystemButton{"btnTH", "Tile All Windows Horizontally", 5},
    SystemButton{"btnTV", "Tile All Windows Vertically", 4},
    SystemButton{"btnMaxAll", "Maximize All", 10},
    SystemButton{"btnCloseAll", "Close All Windows", 3},
    SystemButton{"btnOne", "Close All Except the Current", 9},
    SystemButton{"btnMinimize", "Minimize", 2},
    SystemButton{"btnRestore", "Restore", 1},
    SystemButton{"btnClose", "Close", 0},
};

constexpr std::array kConnectionIcons{
    StatusIcon{"ImgOnline", "Corvane is currently working online.", false},
    StatusIcon{"ImgOffline", "Corvane is currently working offline.", false},
};
constexpr std::array kSecureIcons{
    StatusIcon{"ImgUnSecure", "You are browsing an ordinary web site.", true},
};

constexpr std::array kStatusElements{
    StatusElement{
        StatusKind::Panel, "fpStatusText", 0, TAlignment::taLeftJustify, "", "", {}, &StatusBarParts::fpStatusText},
    StatusElement{StatusKind::Spacer, "BvStatus", 4},
    StatusElement{StatusKind::Panel, "fpConnection", 18, TAlignment::taCenter, "", "", kConnectionIcons,
                  &StatusBarParts::fpConnection},
    StatusElement{StatusKind::Spacer, "bcOnline", 4},
    StatusElement{StatusKind::Panel, "fpSecure", 18, TAlignment::taCenter, "", "", kSecureIcons,
                  &StatusBarParts::fpSecure},
    StatusElement{StatusKind::Panel,
                  "fpStopper",
                  48,
                  TAlignment::taRightJustify,
                  "0 ",
                  "The number of blocked popup pages.",
                  {},
                  &StatusBarParts::fpStopper},
    StatusElement{StatusKind::Spacer, "bvSecure", 4},
    StatusElement{StatusKind::Spacer, "bvStopper", 4},
    StatusElement{StatusKind::Gauge, "WBGauge", 145},
};

}  // namespace

std::span<const ButtonBarRow> ButtonBarRows() { return kButtonBar; }

ChromeItem ButtonBarItem(const ButtonBarRow& row, ButtonBar bar) {
  const auto column = static_cast<std::size_t>(bar);
  return ChromeItem{.kind = row.kind,
                    .name = row.names[column],
                    .command = row.command,
                    .caption = row.captions[column],
                    .slot = row.slot,
                    .showsCaption = bar == ButtonBar::tbtButtons && row.captionOnSmallBar,
                    .width = row.width};
}

std::span<const ChromeItem> AddressBarItems() { return kAddressBar; }
std::span<const ChromeItem> SearchBarItems() { return kSearchBar; }
std::span<const SystemButton> SystemButtons() { return kSystemButtons; }
std::span<const StatusElement> StatusElements() { return kStatusElements; }

}  // namespace tessary::preview
