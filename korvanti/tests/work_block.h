// The tests' work buffers: heap blocks obtained and released through one
// place, so that a failed allocation always ends in std::bad_alloc and the
// blocks stay opaque to the optimiser (a kernel cannot prove them unread).
#pragma once
#include <cstddef>

namespace korvanti {

// Obtains `bytes` bytes, zero-filled when `zeroed` is set (by the allocator,
// which gets fresh pages from the system for large blocks). Throws
// std::bad_alloc when the memory cannot be had.
void* ObtainWorkBlock(size_t bytes, bool zeroed);
// Releases a block from ObtainWorkBlock; nullptr is ignored.
void ReleaseWorkBlock(void* block);

// Owns one work block. Kernels release blocks explicitly where their
// measurement places the release; the destructor only cleans up when an
// exception (a later allocation failing) leaves a block behind.
class WorkBlock {
public:
    WorkBlock(size_t bytes, bool zeroed) : block_(ObtainWorkBlock(bytes, zeroed)) {}
    ~WorkBlock() { ReleaseWorkBlock(block_); }
    WorkBlock(const WorkBlock&) = delete;
    WorkBlock& operator=(const WorkBlock&) = delete;

    template <typename T>
    T* as() const { return static_cast<T*>(block_); }
    void Release() {
        ReleaseWorkBlock(block_);
        block_ = nullptr;
    }

private:
    void* block_;
};

// Seam for tests: replaces the allocator (malloc/calloc and free unless a
// test installed another pair). Passing nullptrs restores the default.
struct WorkBlockAllocator {
    void* (*obtain)(size_t bytes, bool zeroed);  // nullptr on failure
    void (*release)(void* block);
};
WorkBlockAllocator SetWorkBlockAllocator(WorkBlockAllocator allocator);

}  // namespace korvanti
