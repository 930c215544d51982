#include "widgets/controls/ColourDialogHook.h"

#include <QColorDialog>

#include "widgets/PaintPrimitives.h"
#include "widgets/controls/TColorArrayClass.h"

namespace tessary::widgets {
namespace {

constexpr int kCustomColumns = 8;
constexpr int kCustomRows = 2;
constexpr int kCustomCount = kCustomColumns * kCustomRows;

QString EntryName(int letter) { return QStringLiteral("Color") + QChar(u'A' + letter); }

// "ColorC=00996633": the name, "=", and the colour as eight upper-case hexadecimal digits.
QString Entry(int letter, Colour colour) {
  return EntryName(letter) + u'=' + QStringLiteral("%1").arg(colour, 8, 16, QChar(u'0')).toUpper();
}

// The letter's cell: A to H row 1, I to P row 2.
int Column(int letter) { return letter % kCustomColumns + 1; }
int Row(int letter) { return letter / kCustomColumns + 1; }

Colour EntryColour(const QStringList& entries, int letter) {
  const QString prefix = EntryName(letter) + u'=';
  for (const QString& entry : entries) {
    if (!entry.startsWith(prefix, Qt::CaseInsensitive)) continue;
    const QByteArray digits = QByteArray("$") + entry.mid(prefix.size()).toLatin1();
    const auto value = ParseInteger(digits.toStdString());
    return value ? static_cast<Colour>(*value) : clWhite;
  }
  return clWhite;
}

}  // namespace

QStringList CustomColourEntries(const TColorArrayClass& custom) {
  QStringList entries;
  for (int letter = 0; letter < kCustomCount; ++letter) {
    const Colour colour = Column(letter) <= custom.XSize() && Row(letter) <= custom.YSize()
                              ? custom.At(Column(letter), Row(letter))
                              : clWhite;
    entries << Entry(letter, colour);
  }
  return entries;
}

void ReadCustomColourEntries(const QStringList& entries, TColorArrayClass& custom) {
  for (int letter = 0; letter < kCustomCount; ++letter)
    if (Column(letter) <= custom.XSize() && Row(letter) <= custom.YSize())
      custom.Set(Column(letter), Row(letter), EntryColour(entries, letter));
}

bool RunQtColourDialog(Colour& colour, QStringList& customColours, QWidget* parent) {
  for (int letter = 0; letter < kCustomCount; ++letter)
    QColorDialog::setCustomColor(letter, ToQColor(EntryColour(customColours, letter)));
  QColorDialog dialog(ToQColor(colour), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  colour = ArgbToColour(dialog.selectedColor().rgb());
  customColours.clear();
  for (int letter = 0; letter < kCustomCount; ++letter)
    customColours << Entry(letter, ArgbToColour(QColorDialog::customColor(letter).rgb()));
  return true;
}

}  // namespace tessary::widgets
