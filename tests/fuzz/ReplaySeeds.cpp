// Replays a fuzz target's seed corpus through the target's own entry point, built with the
// normal compiler (and in the sanitizer build, with its checks), without libFuzzer: every
// file of each folder given is one input. A target that finds a fault aborts, so the run
// fails; a folder without inputs fails too, so a lost corpus is noticed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  for (int i = 1; i < argc; ++i) {
    std::size_t inputs = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
      if (!entry.is_regular_file()) continue;
      std::ifstream file(entry.path(), std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++inputs;
    }
    std::printf("%s: %zu inputs\n", argv[i], inputs);
    if (inputs == 0) return 1;
  }
  return argc > 1 ? 0 : 2;
}
