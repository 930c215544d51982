#pragma once
// tessary-skin as a function, so tests and the thin main share one entry point.
#include <ostream>
#include <string>
#include <vector>

namespace tessary::cli {

// Runs the tool on its arguments (without the program name): answers "--help", dispatches
// to a subcommand and turns its errors into messages. Returns the exit code: 0 success,
// 1 a file could not be read or written (or check found a bad file), 2 a usage error.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tessary::cli
