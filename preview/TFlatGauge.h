#pragma once
// The status bar's progress gauge: a frame, a bar filled in proportion to Progress within
// MinValue ... MaxValue, and the percentage centred over it, drawn twice so that the part
// of the text over the bar shows in the gauge's colour. Transparent, it fills nothing and
// shows what its parent painted (the bottom dock's picture) between frame and bar.
#include <QRect>
#include <QString>
#include <cstdint>

#include "preview/TFlatControl.h"

namespace tessary::preview {

class TFlatGauge : public TFlatControl {
  Q_OBJECT

 public:
  // What a paint draws, decided from the properties and the client size.
  struct Look {
    QRect inner;  // inside the frame, one pixel of background left around the bar
    QRect bar;    // the filled part (empty at no progress)
    bool showText = false;
    QString text;  // "50 %"
  };

  // A new gauge is 145 x 25, opaque, Progress 25 in 0 ... 100, following its parent's colour.
  explicit TFlatGauge(QWidget* parent = nullptr);

  // Clamped into MinValue ... MaxValue; repaints only when the stored value changes.
  void SetProgress(std::int32_t progress);
  std::int32_t Progress() const { return progress_; }
  // The lower end: never above MaxValue; Progress is raised to it when below.
  void SetMinValue(std::int32_t value);
  std::int32_t MinValue() const { return minValue_; }
  // The upper end: never below MinValue; Progress is lowered to it when above.
  void SetMaxValue(std::int32_t value);
  std::int32_t MaxValue() const { return maxValue_; }

  // Whether the percentage shows. Every paint sets it again from the progress (text only
  // while there is some), so it reads what the last paint drew.
  void SetShowText(bool show);
  bool ShowText() const { return showText_; }

  // Colour index 0 is ColorBorder (the frame), index 1 BarColor (the filled part); Color
  // is the background and the colour of the text over the bar.
  Colour ColorBorder() const { return Colors(0); }
  Colour BarColor() const { return Colors(1); }
  void SetBarColor(Colour colour) { SetColors(1, colour); }

  // With UseAdvColors on, ColorBorder follows Color: each channel darkened by
  // AdvColorBorder percent (0 ... 100), again whenever Color changes.
  void SetUseAdvColors(bool use);
  bool UseAdvColors() const { return useAdvColours_; }
  void SetAdvColorBorder(std::uint8_t strength);
  std::uint8_t AdvColorBorder() const { return advColourBorder_; }

  // The look for the current size and properties.
  Look CurrentLook() const;
  // The look of a gauge of `client` size with these values; a range of zero width and a
  // progress at its lower end both show no bar and no text.
  static Look LookFor(const QRect& client, std::int32_t minValue, std::int32_t maxValue, std::int32_t progress);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void ColourChanged() override;

 private:
  std::int32_t progress_ = 25;
  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 100;
  bool showText_ = true;
  bool useAdvColours_ = false;
  std::uint8_t advColourBorder_ = 0;
};

}  // namespace tessary::preview
