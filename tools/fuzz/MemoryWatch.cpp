#include "tools/fuzz/MemoryWatch.h"

#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::int64_t> live{0};
std::atomic<std::int64_t> limit{0};
std::atomic<bool> refused{false};
std::int64_t peakBefore = 0;     // the system's peak commit when the input began
std::int64_t commitBefore = 0;   // and the commit then
std::int64_t inputLimit = 0;

constexpr std::size_t kHeader = 16;  // keeps the block aligned as malloc's

PROCESS_MEMORY_COUNTERS Counters() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters;
}

void* Allocate(std::size_t size) {
  const std::int64_t cap = limit.load();
  if (cap > 0 && live.load() + static_cast<std::int64_t>(size) > cap) {
    refused = true;
    return nullptr;
  }
  void* block = std::malloc(size + kHeader);
  if (!block) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  live += static_cast<std::int64_t>(size);
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) {
  if (!pointer) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  live -= static_cast<std::int64_t>(*static_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace memory_watch {

void Begin(std::int64_t bytes) {
  refused = false;
  const PROCESS_MEMORY_COUNTERS counters = Counters();
  peakBefore = static_cast<std::int64_t>(counters.PeakPagefileUsage);
  commitBefore = static_cast<std::int64_t>(counters.PagefileUsage);
  inputLimit = bytes;
  limit = live.load() + bytes;
}

// A new peak of the system's commit counts too: pictures allocate their pixels from
// the system, not through operator new.
bool End() {
  limit = 0;
  const std::int64_t peak = static_cast<std::int64_t>(Counters().PeakPagefileUsage);
  return refused || (peak > peakBefore && peak - commitBefore > inputLimit);
}

}  // namespace memory_watch
