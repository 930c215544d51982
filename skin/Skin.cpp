#include "skin/Skin.h"

namespace tessary {
namespace {

struct DesignPosition {
  std::uint16_t left;
  std::uint16_t top;
};

void Name(ImageList& list, const char* name, DesignPosition position) {
  list.name = name;
  list.properties.left = position.left;
  list.properties.top = position.top;
}

void Name(TTBBackground& background, const char* name, DesignPosition position) {
  background.name = name;
  background.left = position.left;
  background.top = position.top;
}

}  // namespace

Skin::Skin() {
  // The design positions come from the editor window's stored layout; every record of
  // these components carries them.
  Name(bgTop, "bgTop", {168, 304});
  Name(bgBottom, "bgBottom", {136, 304});
  Name(ilLButtons, "ilLButtons", {168, 336});
  Name(ilSButtons, "ilSButtons", {136, 336});
  Name(ilImages, "ilImages", {8, 336});
  Name(ilHot, "ilHot", {40, 336});
  Name(ilDisable, "ilDisable", {104, 336});
  Name(ilDown, "ilDown", {72, 336});
  Name(ilMain, "ilMain", {200, 336});
  Name(ilPage, "ilPage", {72, 368});
  // Both backgrounds start with no colour; ilMain shares its images in the stored layout.
  bgTop.SetBkColor(clNone);
  bgBottom.SetBkColor(clNone);
  ilMain.properties.shareImages = true;
}

std::array<ImageList*, 8> Skin::ImageLists() {
  return {&ilLButtons, &ilSButtons, &ilImages, &ilHot, &ilDisable, &ilDown, &ilMain, &ilPage};
}

std::array<const ImageList*, 8> Skin::ImageLists() const {
  return {&ilLButtons, &ilSButtons, &ilImages, &ilHot, &ilDisable, &ilDown, &ilMain, &ilPage};
}

ImageList* Skin::FindImageList(const std::string& name) {
  for (ImageList* list : ImageLists()) {
    if (list->name == name) return list;
  }
  return nullptr;
}

void Skin::Assign(const Skin& other) {
  bgTop = other.bgTop;
  bgBottom = other.bgBottom;
  auto mine = ImageLists();
  auto theirs = other.ImageLists();
  for (std::size_t i = 0; i < mine.size(); ++i) mine[i]->Assign(*theirs[i]);
  textColour = other.textColour;
  gaugeColour = other.gaugeColour;
  themeName = other.themeName;
}

}  // namespace tessary
