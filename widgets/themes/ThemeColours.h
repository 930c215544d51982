#pragma once
// Colour arithmetic the themes derive their instance colours with: mixing two colours,
// lightness, and moving a colour away from a background until the two contrast enough.
#include "skin/Colour.h"

namespace tessary::widgets {

// `a` and `b` mixed, `percentA` parts of a to 100 - percentA of b (system colours resolved).
Colour Mix(Colour a, Colour b, int percentA);

// Perceived lightness 0..255 (0.299 R + 0.587 G + 0.114 B).
int Lightness(Colour colour);

// `colour` as it is when its lightness differs from the background's by at least
// `threshold`; otherwise scaled towards black (light background) or white (dark one), hue
// kept, until it does.
Colour ContrastAdjusted(Colour colour, Colour background, int threshold);

// The disabled-text colour of the engraved-free themes: the button shadow colour on
// displays with fewer than 12 bits per pixel, else (210 x shadow + 45 x face) / 256 per
// channel of the current button shadow and face colours.
Colour ShadowOnFaceText(int bitsPerPixel);

// The display's colour depth (bits per pixel), 24 when no screen is known.
int DisplayBitsPerPixel();

}  // namespace tessary::widgets
