#include "app/Startup.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QIcon>
#include <QPalette>

#include "app/AppIcon.h"
#include "editing/Dialogs.h"
#include "preview/start/StartPreview.h"
#include "widgets/PaintPrimitives.h"

namespace tessary::app {
namespace {

// The installed menu entry, named after the application's id, and the icon
// (resources/desktop, cmake/Install.cmake).
constexpr const char* kDesktopEntry = TESSARY_APP_ID;
constexpr const char* kIconName = "tessary";

// The window font and the families it falls back to, nearest first: sans faces with the
// narrow metrics the stored layout's captions were fitted to.
constexpr const char* kWindowFont = "MS Sans Serif";
constexpr int kWindowFontPixels = 11;
constexpr const char* kWindowFontFallbacks[] = {
    "Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Arimo", "Arial", "Helvetica"};
// The fallbacks run a little wider than the stored layout's font; set 3% closer they keep
// every label clear of the control beside it ("Other Images:" ends 2 pixels before its list).
constexpr int kFallbackSpacingPercent = 97;

// The palette roles the window's controls draw with, from the fixed system colours.
struct PaletteRole {
  QPalette::ColorRole role;
  Colour colour;
};
constexpr PaletteRole kPaletteRoles[] = {
    {QPalette::Window, clBtnFace},      {QPalette::WindowText, clWindowText},
    {QPalette::Button, clBtnFace},      {QPalette::ButtonText, clBtnText},
    {QPalette::Base, clWindow},         {QPalette::Text, clWindowText},
    {QPalette::Highlight, clHighlight}, {QPalette::HighlightedText, clHighlightText},
    {QPalette::Light, clBtnHighlight},  {QPalette::Midlight, cl3DLight},
    {QPalette::Mid, clBtnShadow},       {QPalette::Dark, clBtnShadow},
    {QPalette::Shadow, cl3DDkShadow},   {QPalette::AlternateBase, clBtnFace},
};

QPalette SystemPalette() {
  QPalette palette = QApplication::palette();
  for (const PaletteRole& entry : kPaletteRoles) {
    palette.setColor(QPalette::Active, entry.role, widgets::ToQColor(entry.colour));
    palette.setColor(QPalette::Inactive, entry.role, widgets::ToQColor(entry.colour));
  }
  palette.setColor(QPalette::Disabled, QPalette::WindowText, widgets::ToQColor(clGrayText));
  palette.setColor(QPalette::Disabled, QPalette::Text, widgets::ToQColor(clGrayText));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, widgets::ToQColor(clGrayText));
  return palette;
}

}  // namespace

void StartApplication() {
  preview::StartPreview();
  // The name only: a display name set as well is appended by the platform to every window
  // title ("Tessary 2.0 — Tessary", "Error — Tessary").
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  // The desktop finds the menu entry (and with it the icon) by this name.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntry));
  QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kIconName), AppIcon()));
  QStringList fallbacks;
  for (const char* family : kWindowFontFallbacks) fallbacks << QString::fromLatin1(family);
  QFont::insertSubstitutions(QString::fromLatin1(kWindowFont), fallbacks);
  QFont font(QString::fromLatin1(kWindowFont));
  font.setPixelSize(kWindowFontPixels);
  if (QFontInfo(font).family() != font.family())
    font.setLetterSpacing(QFont::PercentageSpacing, kFallbackSpacingPercent);
  QApplication::setFont(font);
  QApplication::setPalette(SystemPalette());
}

}  // namespace tessary::app
