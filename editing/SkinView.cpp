#include "editing/SkinView.h"

#include <algorithm>

namespace tessary {

bool ControlState::operator==(const ControlState& other) const {
  return topStretch == other.topStretch && bottomStretch == other.bottomStretch &&
         std::equal(colorBoxEntries.begin(), colorBoxEntries.end(), other.colorBoxEntries.begin(),
                    other.colorBoxEntries.end()) &&
         colorBoxIndex == other.colorBoxIndex && buttonColour == other.buttonColour && themeIndex == other.themeIndex;
}

}  // namespace tessary
