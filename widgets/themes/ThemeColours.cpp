#include "widgets/themes/ThemeColours.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tessary::widgets {
namespace {

constexpr int kFewColoursDepth = 12;  // below this, blended colours would dither
constexpr int kShadowWeight = 210;
constexpr int kFaceWeight = 45;

int Red(Colour c) { return static_cast<int>(c & 0xFF); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

Colour Pack(int r, int g, int b) {
  return static_cast<Colour>(std::clamp(r, 0, 255)) | static_cast<Colour>(std::clamp(g, 0, 255)) << 8 |
         static_cast<Colour>(std::clamp(b, 0, 255)) << 16;
}

Colour Plain(Colour colour) { return ResolveColour(colour) & 0x00FFFFFFu; }

}  // namespace

Colour Mix(Colour a, Colour b, int percentA) {
  const Colour x = Plain(a), y = Plain(b);
  const auto part = [&](int p, int q) { return (p * percentA + q * (100 - percentA) + 50) / 100; };
  return Pack(part(Red(x), Red(y)), part(Green(x), Green(y)), part(Blue(x), Blue(y)));
}

int Lightness(Colour colour) {
  const Colour c = Plain(colour);
  return (299 * Red(c) + 587 * Green(c) + 114 * Blue(c)) / 1000;
}

Colour ContrastAdjusted(Colour colour, Colour background, int threshold) {
  const Colour c = Plain(colour);
  const int own = Lightness(c);
  const int back = Lightness(background);
  if (std::abs(own - back) >= threshold) return c;
  if (back >= 128) {
    // Darken: scale every channel so the lightness drops to back - threshold.
    const int target = std::max(back - threshold, 0);
    if (own == 0) return c;
    return Pack(Red(c) * target / own, Green(c) * target / own, Blue(c) * target / own);
  }
  // Lighten: move every channel towards white by the same share.
  const int target = std::min(back + threshold, 255);
  const int share = own >= 255 ? 0 : (target - own) * 1000 / (255 - own);
  const auto lift = [&](int v) { return v + (255 - v) * share / 1000; };
  return Pack(lift(Red(c)), lift(Green(c)), lift(Blue(c)));
}

Colour ShadowOnFaceText(int bitsPerPixel) {
  if (bitsPerPixel < kFewColoursDepth) return clBtnShadow;
  const Colour shadow = Plain(clBtnShadow), face = Plain(clBtnFace);
  const auto part = [](int s, int f) { return (kShadowWeight * s + kFaceWeight * f) / 256; };
  return Pack(part(Red(shadow), Red(face)), part(Green(shadow), Green(face)), part(Blue(shadow), Blue(face)));
}

int DisplayBitsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->depth() > 0 ? screen->depth() : 24;
}

}  // namespace tessary::widgets
