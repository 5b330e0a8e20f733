#include "work_block.h"

#include <cstdlib>
#include <new>

namespace korvanti {

namespace {

void* SystemObtain(size_t bytes, bool zeroed) {
    return zeroed ? std::calloc(bytes, 1) : std::malloc(bytes);
}

void SystemRelease(void* block) { std::free(block); }

WorkBlockAllocator current = {SystemObtain, SystemRelease};

}  // namespace

void* ObtainWorkBlock(size_t bytes, bool zeroed) {
    void* block = current.obtain(bytes, zeroed);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void ReleaseWorkBlock(void* block) {
    if (block != nullptr) {
        current.release(block);
    }
}

WorkBlockAllocator SetWorkBlockAllocator(WorkBlockAllocator allocator) {
    WorkBlockAllocator previous = current;
    if (allocator.obtain == nullptr || allocator.release == nullptr) {
        allocator = {SystemObtain, SystemRelease};
    }
    current = allocator;
    return previous;
}

}  // namespace korvanti
