// tessary-skin: the command-line companion of the skin editor. All the work is in the
// tessary_cli library; no Qt application object is needed (PNG and JSON need none).
#include <iostream>
#include <string>
#include <vector>

#include "cli/Tool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tessary::cli::RunTool(args, std::cout, std::cerr);
}
