// tessary-skin: the command-line companion of the skin editor. All the work is in the
// tessary_cli library; this program links no Qt (commands that draw run in the render part).
#include "cli/Tool.h"

int main(int argc, char** argv) { return tessary::cli::ToolMain(argc, argv); }
