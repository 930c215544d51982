#pragma once
// The eight image-slot commands: one pattern (choose a bitmap, check its size, store it in
// one slot with the list's transparency rule, repaint what does not follow the list),
// driven by one row of data each.
#include <span>
#include <string>

#include "editing/SkinView.h"
#include "skin/Colour.h"
#include "skin/ImageList.h"
#include "skin/Skin.h"

namespace tessary {

// The commands by the handlers that run them.
enum class ImageSlotCommand {
  actLCBackExecute,  // large sample toolbar (alcL): ilLButtons
  actSCBackExecute,  // small sample toolbar (actS): ilSButtons
  actNPreExecute,    // sample row "  Normal:" (alSysBtnsN): ilImages
  actHPreExecute,    // sample row "  Hot:" (alSysBtnsH): ilHot
  actDPreExecute,    // sample row "  Down:" (alSysBtnsD): ilDown
  actFPreExecute,    // sample row "  Disabled:" (alSysBtnsF): ilDisable
  XP_Button1Click,   // "Change..." beside cbPages: ilPage
  XP_Button2Click,   // "Change..." beside cbOther: ilMain
};

enum class StoreRule {
  kReplace,          // the slot must exist
  kReplaceOrAppend,  // a list shorter than slot + 1 gets the image appended at its end
};

struct ImageSlotRule {
  ImageSlotCommand command;
  ImageList Skin::*list;
  int width;  // the size the bitmap must have
  int height;
  Colour maskColour;  // clNone: stored opaque
  StoreRule store;
  std::span<const RepaintTarget> repaint;  // asked to repaint after a change
};

// The rows of all eight commands, in the order of ImageSlotCommand.
std::span<const ImageSlotRule> ImageSlotRules();
const ImageSlotRule& RuleOf(ImageSlotCommand command);

// "The size of the image should be W*H!" for the rule's size.
std::string WrongSizeMessage(const ImageSlotRule& rule);

}  // namespace tessary
