// The stored pictures of the control panel's controls: the committed resource is what its
// script draws, every picture decodes at its size, a damaged resource decodes to nothing,
// and widening a push-button look keeps its corners pixel for pixel.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "widgets/controls/ControlStrips.h"

namespace tessary::widgets {
namespace {

std::span<const unsigned char> Resource() { return ControlStripsResource(); }

TEST(ControlStrips, CommittedResourceIsWhatTheScriptDraws) {
  QTemporaryDir dir;
  const QString output = dir.filePath("strips.bin");
  QProcess script;
  script.start("/usr/bin/python3", {TESSARY_SOURCE_DIR "/scripts/make-control-strips.py", "--output", output});
  ASSERT_TRUE(script.waitForFinished(60000)) << script.errorString().toStdString();
  ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
  QFile drawn(output);
  QFile committed(TESSARY_SOURCE_DIR "/resources/control_strips.bin");
  ASSERT_TRUE(drawn.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
  const QByteArray bytes = committed.readAll();
  EXPECT_TRUE(drawn.readAll() == bytes);
  // ... and the program carries exactly that resource.
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(Resource().data()), qsizetype(Resource().size())), bytes);
}

TEST(ControlStrips, EveryPictureDecodesAtItsSizeAndADamagedResourceToNothing) {
  const struct {
    const char* name;
    QSize size;
  } pictures[] = {
      {"XPBUTTON", {90, 21}}, {"XPRADIOBOX", {78, 13}}, {"DFS_ARROW_BMP", {7, 4}}, {"DFS_ARROW_DISABLED_BMP", {8, 5}}};
  for (const auto& picture : pictures)
    EXPECT_EQ(DecodeStripPicture(Resource(), picture.name).size(), picture.size) << picture.name;
  // Rounded shapes blend into what lies beneath: see-through corners, opaque middles.
  const QImage button = DecodeStripPicture(Resource(), "XPBUTTON");
  const QImage radio = DecodeStripPicture(Resource(), "XPRADIOBOX");
  EXPECT_LT(qAlpha(button.pixel(0, 0)), 0x80);
  EXPECT_EQ(qAlpha(button.pixel(9, 10)), 0xFF);
  EXPECT_EQ(qAlpha(radio.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(radio.pixel(6, 6)), 0xFF);
  EXPECT_TRUE(DecodeStripPicture(Resource(), "NO_SUCH_PICTURE").isNull());
  // Cut anywhere, the last picture can no longer be read whole: nothing, and no reading past the end.
  for (std::size_t length = 0; length < Resource().size(); length += 97)
    EXPECT_TRUE(DecodeStripPicture(Resource().first(length), "DFS_ARROW_DISABLED_BMP").isNull()) << length;
}

// A source whose every pixel tells where it is: red = column, green = row.
QImage CoordinateImage(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, 0x55));
  return image;
}

TEST(ControlStrips, ScalingKeepsLeftAndRightHalvesAndStretchesTheMiddleColumnAndRow) {
  const QImage source = CoordinateImage({18, 21});
  const struct {
    QSize size;
    std::vector<int> columns;  // source column of each target column
    std::vector<int> rows;
  } cases[] = {
      // Wider and taller: 9 columns each side kept, column 9 repeated; 10 rows each side, row 10 repeated.
      {{22, 23},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9, 9, 10, 11, 12, 13, 14, 15, 16, 17},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
      // The source size is the source.
      {{18, 21},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
      // Smaller: half of the target from each side.
      {{5, 4}, {0, 1, 15, 16, 17}, {0, 1, 19, 20}},
  };
  for (const auto& c : cases) {
    const QImage scaled = ScaleKeepingCorners(source, c.size);
    ASSERT_EQ(scaled.size(), c.size);
    for (int y = 0; y < c.size.height(); ++y)
      for (int x = 0; x < c.size.width(); ++x)
        ASSERT_EQ(scaled.pixel(x, y), qRgb(c.columns[std::size_t(x)], c.rows[std::size_t(y)], 0x55))
            << c.size.width() << "x" << c.size.height() << " at " << x << "," << y;
  }
}

TEST(ControlStrips, AWide235PixelButtonHasTheStripsCornersUnbent) {
  const QImage strip = DecodeStripPicture(Resource(), "XPBUTTON");
  const QImage normal = strip.copy(0, 0, 18, 21);
  const QImage wide = ButtonLookPixmap(ButtonLook::Normal, {235, 24}).toImage().convertToFormat(strip.format());
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 9; ++x) {
      ASSERT_EQ(wide.pixel(x, y), normal.pixel(x, y));                       // top left
      ASSERT_EQ(wide.pixel(234 - x, 23 - y), normal.pixel(17 - x, 20 - y));  // bottom right
      ASSERT_EQ(wide.pixel(234 - x, y), normal.pixel(17 - x, y));            // top right
    }
  }
  for (int x = 9; x < 226; ++x) ASSERT_EQ(wide.pixel(x, 0), normal.pixel(9, 0)) << x;  // the top edge runs on
}

}  // namespace
}  // namespace tessary::widgets
