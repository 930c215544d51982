// Where the browser mock-up meets the editor window: the one place that hands the docks to
// the preview and binds the repaint targets that live in it.
//
// The window builds the two docks in their bands (panel_.tbdTop, the topmost band;
// panel_.tbdBottom, the only content of pnlBTM). The preview gives them their backgrounds
// and bound lines and fills their rows from the window's skin_ and vocabulary_; the window
// then binds through view_ what the commands repaint there and the gauge's bar colour.
// FormCreate places the second bar of tbdTop at the right end of its row and takes the
// gauge's bar colour for the colour button.
#include "app/TfrmMain.h"
#include "preview/TFlatGauge.h"

namespace tessary::app {

void TfrmMain::AttachPreview() {
  top_ = preview::BuildBrowserChromeTop(*panel_.tbdTop, vocabulary_, skin_);
  bottom_ = preview::BuildBrowserChromeBottom(*panel_.tbdBottom, skin_);
  for (const auto& [target, widget] : top_.RepaintTargets()) view_.Bind(target, widget);
  for (const auto& [target, widget] : bottom_.RepaintTargets()) view_.Bind(target, widget);
  view_.setGaugeColour = [gauge = bottom_.WBGauge](Colour colour) { gauge->SetBarColor(colour); };
}

}  // namespace tessary::app
