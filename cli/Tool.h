#pragma once
// tessary-skin as a function, so tests and the thin main share one entry point.
#include <ostream>
#include <string>
#include <vector>

namespace tessary::cli {

// Runs the tool on its arguments (without the program name): answers "--help", dispatches
// to a subcommand and turns its errors into messages. Returns the exit code: 0 success,
// 1 a file could not be read or written (or check found a bad file), 2 a usage error.
// `program` is how the program was started (argv[0]), to find the render part.
int RunTool(const std::string& program, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The whole of a program of the tool (tessary-skin and tessary-skin-render): the clean-up
// of temporary files on a signal, then RunTool over the command line. Returns the exit code.
int ToolMain(int argc, char** argv);

}  // namespace tessary::cli
