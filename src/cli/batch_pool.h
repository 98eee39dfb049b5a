#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

namespace vorneth::cli {

// Appends the bytes of item `index` to `text`.
using AppendItem = std::function<void(std::string& text, std::size_t index)>;

// Makes the AppendItem of one thread, which may keep what it needs from one item to the next.
using MakeAppendItem = std::function<AppendItem()>;

// Writes items 0 to count - 1 to `out`, byte for byte as appending them one after another
// would. Runs of items are built on worker threads, each with an AppendItem of its own, while
// the calling thread writes the finished runs in order, a few at a time in memory. Stops once
// `out` fails; an exception thrown by an AppendItem is rethrown here once the workers have
// stopped.
void WriteInOrder(std::ostream& out, std::size_t count, const MakeAppendItem& makeAppend);

}  // namespace vorneth::cli
