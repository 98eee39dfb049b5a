#include "core/memory_reuse.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vorneth {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
  // Blocks below this come from the heap and stay there when freed: glibc's largest mmap
  // threshold.
  constexpr int kLargestHeapBlock = 32 * 1024 * 1024;
  // Free memory at the heap's top beyond this goes back to the system.
  constexpr int kKeptFreeBytes = 64 * 1024 * 1024;
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
#endif
}

}  // namespace vorneth
