#include "tests/cli/AllocationLimit.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace tessary::cli::test {
namespace {

std::atomic<std::size_t> largest{std::numeric_limits<std::size_t>::max()};

void* Allocate(std::size_t size) {
  if (size > largest.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

}  // namespace

AllocationLimit::AllocationLimit(std::size_t limit) { largest = limit; }
AllocationLimit::~AllocationLimit() { largest = std::numeric_limits<std::size_t>::max(); }

}  // namespace tessary::cli::test

void* operator new(std::size_t size) { return tessary::cli::test::Allocate(size); }
void* operator new[](std::size_t size) { return tessary::cli::test::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return tessary::cli::test::Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
