// Where the browser mock-up meets the editor window: the one place that hands the docks to
// the preview and binds the repaint targets that live in it.
//
// The window builds the two docks in their bands (panel_.tbdTop, the topmost band, with
// bgTop; panel_.tbdBottom, the only content of pnlBTM, with bgBottom) and leaves their rows
// to the preview. The preview fills them here from the window's skin_, vocabulary_ and
// switcher, then binds through view_: tbtMDIControl; the status widgets fpStatusText,
// fpConnection, fpSecure, fpStopper and WBGauge; the caption bars tbtMainMenu, tbtButtons,
// tbtAddressBar, tbtSearchBar; the labels lblAddress and lblSearchBar; and sets
// view_.setGaugeColour to WBGauge's bar colour setter. FormCreate then places the second
// bar of tbdTop at the right end of its row and takes the gauge's colour for the colour
// button, as it does now with the skin's.
#include "app/TfrmMain.h"

namespace tessary::app {

void TfrmMain::AttachPreview() {
  panel_.tbdTop->SetBackground(&skin_.bgTop);
  panel_.tbdBottom->SetBackground(&skin_.bgBottom);
}

}  // namespace tessary::app
