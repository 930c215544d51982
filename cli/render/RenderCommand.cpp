// tessary-skin render FILE OUT.png [--theme NAME] [--size WxH]: draws the editor window with
// FILE opened, as the editor shows it, and saves the picture as PNG. No display is needed:
// the window is drawn offscreen.
#include <QApplication>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/RenderWindow.h"
#include "app/Startup.h"
#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/PngCodec.h"
#include "cli/SkinFiles.h"
#include "skin/Bitmap.h"
#include "skinfile/FileIo.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::cli {
namespace {

constexpr QSize kDefaultSize{1280, 1024};
// zlib's fast compression: files come out a few per cent larger than at the default level
// and are written in about two thirds of the time.
constexpr int kPngCompression = 1;

struct RenderArguments {
  std::string file;
  std::string out;
  QString theme;
  QSize size = kDefaultSize;
};

std::string SizeText(QSize size) { return std::to_string(size.width()) + "x" + std::to_string(size.height()); }

// "WxH" with both sides positive and the picture within the size any picture may have.
QSize ParseSize(const std::string& text) {
  const QStringList sides = QString::fromStdString(text).split(QLatin1Char('x'));
  bool wide = false;
  bool high = false;
  const int width = sides.size() == 2 ? sides[0].toInt(&wide) : 0;
  const int height = sides.size() == 2 ? sides[1].toInt(&high) : 0;
  const bool fits = wide && high && width > 0 && height > 0 &&
                    static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMaxBitmapPixels;
  if (!fits) throw UsageError("bad size '" + text + "' (WIDTHxHEIGHT, for example 1280x1024)");
  return {width, height};
}

RenderArguments ParseRenderArguments(const std::vector<std::string>& args) {
  RenderArguments parsed;
  std::vector<std::string> positional;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--theme" || arg == "--size")) {
      if (i + 1 >= args.size()) throw UsageError("option '" + arg + "' needs a value");
      const std::string& value = args[++i];
      if (arg == "--theme") parsed.theme = QString::fromStdString(value);
      else parsed.size = ParseSize(value);
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option '" + arg + "'");
    } else {
      positional.push_back(arg);
    }
  }
  CheckFileNames(positional);
  if (positional.size() != 2) throw UsageError("expected FILE and OUT.png");
  parsed.file = positional[0];
  parsed.out = positional[1];
  return parsed;
}

// The program's application object: the running one, or an offscreen one made for this
// command (scripts and build servers have no display).
std::unique_ptr<QApplication> EnsureApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) return nullptr;
  static int argc = 1;
  static char name[] = "tessary-skin";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QApplication>(argc, argv);
}

// Writes the PNG as a skin file is saved (FileIo.h): whole or not at all, through links,
// never over a file the user may not write, with the system's reason on failure.
void SavePng(const QImage& window, const std::string& path) {
  const QImage image = window.convertToFormat(QImage::Format_RGB32);
  AlphaPicture picture{image.width(), image.height(), {}};
  picture.pixels.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), row, row + image.width());
  }
  ForFile(path, [&] {
    const std::vector<std::uint8_t> png = EncodePng(picture, PngChannels::kRgb, kPngCompression);
    const std::span<const std::uint8_t> pieces[] = {png};
    WriteFileSafely(path, pieces);
  });
}

// The picture must not take the place of the skin it shows.
void CheckOutputIsNotInput(const std::string& file, const std::string& out) {
  std::error_code error;
  if (std::filesystem::equivalent(file, out, error)) {
    throw UsageError("'" + out + "' is FILE itself: name another file for the picture");
  }
}

}  // namespace

int RunRender(const Invocation& invocation) {
  const RenderArguments arguments = ParseRenderArguments(invocation.args);
  CheckOutputIsNotInput(arguments.file, arguments.out);
  const std::unique_ptr<QApplication> application = EnsureApplication();
  app::StartApplication();
  if (!arguments.theme.isEmpty() && !widgets::HasThemeName(arguments.theme))
    throw UsageError("unknown theme '" + arguments.theme.toStdString() + "' (one of " +
                     widgets::RegisteredThemeNames().join(QStringLiteral(", ")).toStdString() + ")");
  const app::RenderRequest request{arguments.file, FormatForPath(arguments.file), arguments.theme, arguments.size};
  const QImage picture = ForFile(arguments.file, [&] { return app::RenderEditorWindow(request); });
  // The window has a smallest size; a picture of another size than asked for is no answer.
  if (picture.size() != arguments.size)
    throw UsageError("bad size '" + SizeText(arguments.size) + "' (the window is at least " + SizeText(picture.size()) +
                     ")");
  SavePng(picture, arguments.out);
  return kExitOk;
}

}  // namespace tessary::cli
