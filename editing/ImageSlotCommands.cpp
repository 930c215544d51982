#include "editing/ImageSlotCommands.h"

#include <array>

#include "skin/Error.h"

namespace tessary {
namespace {

using enum RepaintTarget;

constexpr const char* kWrongSize = "The size of the image should be %d*%d!";

// The window-control buttons and the samples do not follow their lists; the toolbars and
// menus that show the large, small and other images do. The clicked sample repaints
// itself, but a slot changed another way (a dropped file, an undo) must show in its row.
constexpr RepaintTarget kNormal[] = {tbtMDIControl, pnlNormal};
constexpr RepaintTarget kHot[] = {tbtMDIControl, Panel2};
constexpr RepaintTarget kDown[] = {tbtMDIControl, Panel1};
constexpr RepaintTarget kDisabled[] = {tbtMDIControl, Panel3, GButton45};
constexpr RepaintTarget kPages[] = {cbPages};
constexpr RepaintTarget kOther[] = {cbOther};

constexpr std::array<ImageSlotRule, 8> kRules = {{
    {ImageSlotCommand::actLCBackExecute, &Skin::ilLButtons, 24, 24, clFuchsia, StoreRule::kReplaceOrAppend, {}},
    {ImageSlotCommand::actSCBackExecute, &Skin::ilSButtons, 16, 16, clFuchsia, StoreRule::kReplaceOrAppend, {}},
    {ImageSlotCommand::actNPreExecute, &Skin::ilImages, 21, 21, clNone, StoreRule::kReplace, kNormal},
    {ImageSlotCommand::actHPreExecute, &Skin::ilHot, 21, 21, clNone, StoreRule::kReplace, kHot},
    {ImageSlotCommand::actDPreExecute, &Skin::ilDown, 21, 21, clNone, StoreRule::kReplace, kDown},
    {ImageSlotCommand::actFPreExecute, &Skin::ilDisable, 21, 21, clNone, StoreRule::kReplace, kDisabled},
    {ImageSlotCommand::XP_Button1Click, &Skin::ilPage, 18, 18, clWhite, StoreRule::kReplace, kPages},
    {ImageSlotCommand::XP_Button2Click, &Skin::ilMain, 16, 16, clFuchsia, StoreRule::kReplace, kOther},
}};

constexpr bool RowsFollowTheEnum() {
  for (std::size_t i = 0; i < kRules.size(); ++i) {
    if (static_cast<std::size_t>(kRules[i].command) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheEnum());

}  // namespace

std::span<const ImageSlotRule> ImageSlotRules() { return kRules; }

const ImageSlotRule& RuleOf(ImageSlotCommand command) { return kRules.at(static_cast<std::size_t>(command)); }

std::string WrongSizeMessage(const ImageSlotRule& rule) {
  return FormatMessage(kWrongSize, {std::to_string(rule.width), std::to_string(rule.height)});
}

}  // namespace tessary
