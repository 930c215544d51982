// The parallel button and system-button command tables.
#include <array>

#include "preview/CommandTables.h"

namespace tessary::preview {

namespace {

using namespace keys;

// Tags run 1 to 21 in slot order and skip 16.
// clang-format off
constexpr std::array<ButtonRow, 20> kButtonRows{{
    {0, 1, "Back", "Back", Alt(kLeft), 1503, false, {"actlBack", "actBack", "actLCBack", "actSCBack"}},
    {1, 2, "Forward", "Forward", Alt(kRight), 1503, false,
     {"actlForward", "actForward", "actLCForward", "actSCForward"}},
    {2, 3, "Up", "Up one level on the current site", 0, 0, false, {"actlUpDir", "actUpDir", "actLCUp", "actSCUp"}},
    {3, 4, "Stop", "Stop", kEsc, 0, false, {"actlStop", "actStop", "actLCStop", "actSCStop"}},
    {4, 5, "Refresh", "Refresh", F(5), 0, false, {"actlRefresh", "actRefresh", "actLCRefresh", "actSCRefresh"}},
    {5, 6, "Home", "Home", Alt(kHome), 0, false, {"actlHome", "actHome", "actLCHome", "actSCHome"}},
    {6, 7, "Search", "Search", 0, 4, false, {"actlSearchBand", "actSearchBand", "actLCSearch", "actSCSearch"}},
    {7, 8, "Favorites", "Favorites", 0, 4, false,
     {"actlFavoritesBand", "actFavoritesBand", "actLCFavorites", "actSCFavorites"}},
    {8, 9, "History", "History", 0, 4, false,
     {"actlHistoryBand", "actHistoryBand", "actLCHistory", "actSCHistory"}},
    {9, 10, "Full Screen", "Full Screen", F(11), 0, true,
     {"actlFullScreen", "actFullScreen", "actLCFullScreen", "actSCFullScreen"}},
    {10, 11, "Text Size", "Text Size", 0, 0, false, {"actlTextSize", "actTextSize", "actLCFontSize", "actSCFontSize"}},
    {11, 12, "Encoding Language", "Encoding Language", 0, 0, false,
     {"actlEncoding", "actEncoding", "actLCEncoding", "actSCEncoding"}},
    {12, 13, "HTML Editor", "HTML Editor", 0, 0, false, {"actlEditors", "actEditors", "actLCEditor", "actSCEditor"}},
    {13, 14, "Print", "Print", 0, 0, false, {"actlPrint", "actPrint", "actLCPrint", "actSCPrint"}},
    {14, 15, "Mail", "Mail", 0, 0, false, {"actlMail", "actMail", "actLCMail", "actSCMail"}},
    {15, 17, "Proxy", "Proxy", 0, 0, false, {"actlDummyProxy", "actDummyProxy", "actLCProxy", "actSCProxy"}},
    {16, 18, "Clear Records", "Clear Records", 0, 0, false,
     {"actlClearRecords", "actClearRecords", "actLCCleaner", "actSCCleaner"}},
    {17, 19, "Allow Pictures", "Allow Pictures", 0, 0, true,
     {"actlAllowPictures", "actAllowPictures", "actLCPicture", "actSCPicture"}},
    {18, 20, "Block", "Block Unwanted Pop-up Pages", 0, 1503, true,
     {"actlBlockX", "actBlockX", "actLCBlocker", "actSCBlocker"}},
    {19, 21, "New", "New Window", Ctrl('N'), 1503, false, {"actlNew", "actNew", "actLCNew", "actSCNew"}},
}};

// Slot 20 has a command in the two sample lists only, standing last in each.
constexpr std::array<ColumnExtra, 2> kButtonColumnExtras{{
    {2, {.name = "actLCFlash", .tag = 22, .autoCheck = true, .caption = "Flash", .group = 1503, .imageIndex = 20}},
    {3, {.name = "actSCFlash", .caption = "actSCFlash", .imageIndex = 20}},
}};

constexpr std::array<SystemButtonRow, 11> kSystemButtonRows{{
    {8, "actNormalPre", {"actNPre", "actHPre", "actDPre", "actFPre"}},
    {7, "actNNext", {"actNNext", "actHNext", "actDNext", "actFNext"}},
    {6, "actNCascade", {"actNCascade", "actHCascade", "actDCascade", "actFCascade"}},
    {5, "actNTV", {"actNTV", "actHTV", "actDTV", "actFTV"}},
    {4, "actNTH", {"actNTH", "actHTH", "actDTH", "actFTH"}},
    {10, "actNMax", {"actNMax", "actHMax", "actDMax", "actFMax"}},
    {3, "actNCloseAll", {"actNCloseAll", "actHCloseAll", "actDCloseAll", "actFCloseAll"}},
    {9, "actNCloseOthers", {"actNCloseOthers", "actHCloseOthers", "actDCloseOthers", "actFCloseOthers"}},
    {2, "actNMin", {"actNMin", "actHMin", "actDMin", "actFMin"}},
    {1, "actNRestore", {"actNRestore", "actHRestore", "actDRestore", "actFRestore"}},
    {0, "actNClose", {"actNClose", "actHClose", "actDClose", "actFClose"}},
}};
// clang-format on

}  // namespace

std::span<const ButtonRow> ButtonRows() { return kButtonRows; }
std::span<const ColumnExtra> ButtonColumnExtras() { return kButtonColumnExtras; }
std::span<const SystemButtonRow> SystemButtonRows() { return kSystemButtonRows; }

}  // namespace tessary::preview
