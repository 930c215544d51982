// tessary-skin thumbnail FILE OUT.png [--size N]: the small picture a file manager shows for
// a skin: the browser's top bars over its status bar, as render draws them, scaled to N
// pixels wide. File managers run it through share/thumbnailers/tessary.thumbnailer.
#include <QApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

#include "app/RenderWindow.h"
#include "app/Startup.h"
#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/SkinFiles.h"
#include "cli/render/PictureOutput.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kSizeOption = "--size";
constexpr std::string_view kValueOptions[] = {kSizeOption};
constexpr int kDefaultWidth = 256;
// File managers ask for 128 to 1024; a larger picture than the window itself adds nothing.
constexpr int kMaxWidth = 4096;
// The window the browser is drawn in: the editor's default size, at which the bars stand
// in one row each as the browser shows them.
constexpr QSize kWindowSize{1280, 1024};

int ParseWidth(const std::string& text) {
  bool ok = false;
  const int width = QString::fromStdString(text).toInt(&ok);
  if (!ok || width < 1 || width > kMaxWidth)
    throw UsageError("bad size '" + text + "' (a width in pixels from 1 to " + std::to_string(kMaxWidth) + ")");
  return width;
}

}  // namespace

int RunThumbnail(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 0, kAnyNumber, kValueOptions);
  if (arguments.positional.size() != 2) throw UsageError("expected FILE and OUT.png");
  const std::string& file = arguments.positional[0];
  const std::string& out = arguments.positional[1];
  const std::string* size = arguments.Value(kSizeOption);
  const int width = size != nullptr ? ParseWidth(*size) : kDefaultWidth;
  CheckOutputIsNotInput(file, out);
  const std::unique_ptr<QApplication> application = EnsureApplication();
  app::StartApplication();
  const app::RenderRequest request{file, FormatForPath(file), {}, kWindowSize};
  const QImage chrome = ForFile(file, [&] { return app::RenderBrowserChrome(request); });
  // However narrow, the picture keeps a row.
  const int height =
      std::max(1, static_cast<int>(std::lround(static_cast<double>(chrome.height()) * width / chrome.width())));
  SavePng(chrome.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), out);
  return kExitOk;
}

}  // namespace tessary::cli
