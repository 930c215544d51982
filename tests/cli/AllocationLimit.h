#pragma once
// Makes the test program's operator new throw std::bad_alloc for any one allocation larger
// than a limit, while an AllocationLimit lives: a file too large for the memory, without
// taking the memory away from the rest of the machine (and under the sanitizers too).
#include <cstddef>

namespace tessary::cli::test {

class AllocationLimit {
 public:
  explicit AllocationLimit(std::size_t largest);
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}  // namespace tessary::cli::test
