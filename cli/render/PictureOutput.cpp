#include "cli/render/PictureOutput.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "cli/CliError.h"
#include "cli/PngCodec.h"
#include "skinfile/FileIo.h"

namespace tessary::cli {
namespace {

// zlib's fast compression: files come out a few per cent larger than at the default level
// and are written in about two thirds of the time.
constexpr int kPngCompression = 1;

}  // namespace

std::unique_ptr<QApplication> EnsureApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) return nullptr;
  static int argc = 1;
  static char name[] = "tessary-skin";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The picture has the pixels asked for, whatever scale the user's desktop sets: a scale
  // factor would make the window larger than the size given and refuse every size.
  for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) qunsetenv(scaling);
  return std::make_unique<QApplication>(argc, argv);
}

void CheckOutputIsNotInput(const std::string& file, const std::string& out) {
  std::error_code error;
  if (std::filesystem::equivalent(file, out, error)) {
    throw UsageError("'" + out + "' is FILE itself: name another file for the picture");
  }
}

void SavePng(const QImage& picture, const std::string& path) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  AlphaPicture pixels{image.width(), image.height(), {}};
  pixels.pixels.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    pixels.pixels.insert(pixels.pixels.end(), row, row + image.width());
  }
  ForFile(path, [&] {
    const std::vector<std::uint8_t> png = EncodePng(pixels, PngChannels::kRgb, kPngCompression);
    const std::span<const std::uint8_t> pieces[] = {png};
    WriteFileSafely(path, pieces);
  });
}

}  // namespace tessary::cli
