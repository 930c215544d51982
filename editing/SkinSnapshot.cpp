#include "editing/SkinSnapshot.h"

namespace tessary {

SkinParts PartOfList(const Skin& skin, const ImageList& list) {
  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (lists[i] == &list) return kPartFirstImageList << i;
  }
  return 0;
}

SkinSnapshot::SkinSnapshot(const Skin& skin, SkinParts parts, std::string shownTheme, std::size_t colourEntries)
    : parts_(parts),
      shownTheme_(parts & kPartThemeName ? std::move(shownTheme) : std::string()),
      colourEntries_(parts & kPartTextColour ? colourEntries : 0) {
  if (parts & kPartTopBackground) top_ = skin.bgTop.GetContent();
  if (parts & kPartBottomBackground) bottom_ = skin.bgBottom.GetContent();
  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (parts & (kPartFirstImageList << i)) lists_[i].emplace(*lists[i]);
  }
  textColour_ = skin.textColour;
  gaugeColour_ = skin.gaugeColour;
  themeName_ = parts & kPartThemeName ? skin.themeName : std::string();
}

void SkinSnapshot::ApplyTo(Skin& skin) const {
  if (parts_ & kPartTopBackground) skin.bgTop.SetContent(top_);
  if (parts_ & kPartBottomBackground) skin.bgBottom.SetContent(bottom_);
  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (lists_[i]) lists[i]->Assign(*lists_[i]);
  }
  if (parts_ & kPartTextColour) skin.textColour = textColour_;
  if (parts_ & kPartGaugeColour) skin.gaugeColour = gaugeColour_;
  if (parts_ & kPartThemeName) skin.themeName = themeName_;
}

}  // namespace tessary
