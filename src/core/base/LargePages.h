// Memory for the few large blocks that start-up fills whole (the copy of the dictionary, its
// article table, the index read at start). A block of 256 KB or more lies on large-page (2 MB)
// boundaries, takes whole large pages and is offered to the kernel for large pages: a handful of
// page faults instead of one for every 4 KB, which would cost more than filling the block. A
// smaller block is plain anonymous memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvel {

// Zeroed memory of Size bytes, or null with errno set.
uint8_t* AllocateLargePages(size_t Size);
// Releases a block that AllocateLargePages gave for the same Size; nothing for null.
void ReleaseLargePages(void* Block, size_t Size);

} // namespace orvel
