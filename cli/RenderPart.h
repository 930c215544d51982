#pragma once
// The render part: tessary-skin-render, the program that holds the commands that draw with
// Qt (Part::kRender in the command table). tessary-skin runs them by becoming that program
// with the same arguments, so their output, messages and exit code are the tool's own.
#include <string>
#include <vector>

namespace tessary::cli {

// The render part's file name, looked for beside the running program (the build tree) and
// where installing puts it (TESSARY_RENDER_PART_DIR, relative to the program's folder).
inline constexpr const char* kRenderPartName = "tessary-skin-render";

// Replaces this process by the render part, given `args` (the command and its arguments).
// `program` is how this program was started (argv[0]), to find it where the system cannot
// tell. Returns only by throwing, when the render part is missing or cannot be started.
[[noreturn]] void RunInRenderPart(const std::string& program, const std::vector<std::string>& args);

}  // namespace tessary::cli
