#pragma once
// The skin: everything the editor lets the user change and a skin file stores.
// A Skin made with the default constructor has the right names, image sizes and design
// positions but no images; MakeStartupSkin() (skinfile/StartupSkin.h) gives the skin the
// editor starts with.
#include <array>
#include <string>

#include "skin/Colour.h"
#include "skin/ImageList.h"
#include "skin/TTBBackground.h"

namespace tessary {

inline constexpr Colour kDefaultGaugeColour = 0x00996633;
inline constexpr const char* kDefaultThemeName = "MonaiXP";

struct Skin {
  Skin();
  Skin(const Skin&) = default;            // content only: observers are never copied
  Skin& operator=(const Skin&) = delete;  // use Assign, which notifies observers

  TTBBackground bgTop;
  TTBBackground bgBottom;
  ImageList ilLButtons{24, 24};  // large toolbar buttons, 21 slots
  ImageList ilSButtons{16, 16};  // small toolbar buttons, 21 slots
  ImageList ilImages{21, 21};    // system buttons, Normal state, 11 slots
  ImageList ilHot{21, 21};       // system buttons, Hot state
  ImageList ilDisable{21, 21};   // system buttons, Disabled state
  ImageList ilDown{21, 21};      // system buttons, Down state (22 images; 11..21 unused)
  ImageList ilMain{16, 16};      // other images, 59 slots (menus, address and search bars)
  ImageList ilPage{18, 18};      // tab images, 10 slots

  // The colour selected in the caption-colour chooser (what a skin file stores as the
  // text colour); the process-wide caption colour of the themes lives in widgets/.
  Colour textColour = clWindowText;
  Colour gaugeColour = kDefaultGaugeColour;  // progress-bar colour
  std::string themeName = kDefaultThemeName;

  // The eight image lists in skin-file order.
  std::array<ImageList*, 8> ImageLists();
  std::array<const ImageList*, 8> ImageLists() const;

  // Finds an image list by component name (exact case); nullptr if none.
  ImageList* FindImageList(const std::string& name);

  // Takes over everything from another skin; each changed part notifies its observers.
  void Assign(const Skin& other);
};

}  // namespace tessary
