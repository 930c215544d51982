// tessary-skin render FILE OUT.png [--theme NAME] [--size WxH]: draws the editor window with
// FILE opened, as the editor shows it, and saves the picture as PNG. No display is needed:
// the window is drawn offscreen.
#include <QApplication>
#include <memory>
#include <string_view>

#include "app/RenderWindow.h"
#include "app/Startup.h"
#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/SkinFiles.h"
#include "cli/render/PictureOutput.h"
#include "skin/Bitmap.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::cli {
namespace {

constexpr QSize kDefaultSize{1280, 1024};
constexpr std::string_view kThemeOption = "--theme";
constexpr std::string_view kSizeOption = "--size";
constexpr std::string_view kValueOptions[] = {kThemeOption, kSizeOption};

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
  const Arguments parsed = ParseArguments(args, {}, 0, kAnyNumber, kValueOptions);
  if (parsed.positional.size() != 2) throw UsageError("expected FILE and OUT.png");
  RenderArguments arguments{parsed.positional[0], parsed.positional[1], {}, kDefaultSize};
  if (const std::string* theme = parsed.Value(kThemeOption)) arguments.theme = QString::fromStdString(*theme);
  if (const std::string* size = parsed.Value(kSizeOption)) arguments.size = ParseSize(*size);
  return arguments;
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
