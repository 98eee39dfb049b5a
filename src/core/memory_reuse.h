#pragma once

namespace vorneth {

// Keeps the memory a finished hoard frees for the next one, for the whole process. glibc hands
// large freed blocks back to the system at once (its mmap and trim thresholds start at 128 KiB),
// so every hoard of a large request would fault in a hundred fresh pages; on a virtual machine
// a page fault costs several microseconds, more than generating the hoard. Fixing both
// thresholds keeps freed memory, up to a bound, for reuse. The programs call it once at
// start; where the C library is not glibc it does nothing.
void KeepFreedMemoryForReuse();

}  // namespace vorneth
