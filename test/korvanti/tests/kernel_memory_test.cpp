// The work blocks of the Matrix operations and Memory throughput tests: their
// sizes and order, that they are all released, and that a failed allocation
// ends the test with std::bad_alloc without leaking what it already holds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "fake_clock.h"
#include "matrix_operations.h"
#include "memory_throughput.h"
#include "work_block.h"

namespace korvanti {
namespace {

using testing::FakeClock;

// Records every block; fails the allocation with index failAt (if set).
class TrackingAllocator {
public:
    explicit TrackingAllocator(int failAt = -1) {
        failAt_ = failAt;
        sizes().clear();
        zeroed().clear();
        live() = 0;
        peak() = 0;
        previous_ = SetWorkBlockAllocator({&Obtain, &Release});
    }
    ~TrackingAllocator() { SetWorkBlockAllocator(previous_); }
    TrackingAllocator(const TrackingAllocator&) = delete;
    TrackingAllocator& operator=(const TrackingAllocator&) = delete;

    static std::vector<size_t>& sizes() { static std::vector<size_t> v; return v; }
    static std::vector<bool>& zeroed() { static std::vector<bool> v; return v; }
    static int& live() { static int n = 0; return n; }
    static int& peak() { static int n = 0; return n; }

private:
    static void* Obtain(size_t bytes, bool zero) {
        if (static_cast<int>(sizes().size()) == failAt_) {
            sizes().push_back(0);
            zeroed().push_back(zero);
            return nullptr;
        }
        sizes().push_back(bytes);
        zeroed().push_back(zero);
        void* block = zero ? std::calloc(bytes, 1) : std::malloc(bytes);
        if (block != nullptr && ++live() > peak()) {
            peak() = live();
        }
        return block;
    }
    static void Release(void* block) {
        --live();
        std::free(block);
    }

    static inline int failAt_ = -1;
    WorkBlockAllocator previous_{};
};

TEST(MemoryThroughput, TenGrowingBlocksPerPassOneAtATime) {
    FakeClock clock;
    TrackingAllocator allocator;
    RunMemoryThroughput(2);
    std::vector<size_t> expected;
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t m = 2; m <= 1024; m *= 2) {
            expected.push_back(m * 16384);
        }
    }
    EXPECT_EQ(TrackingAllocator::sizes(), expected);
    EXPECT_EQ(TrackingAllocator::peak(), 1);
    EXPECT_EQ(TrackingAllocator::live(), 0);
}

TEST(MatrixOperations, ThreeZeroedBlocksPerPassAllReleased) {
    FakeClock clock;
    TrackingAllocator allocator;
    RunMatrixOperations(2);
    const std::vector<size_t> expected = {675840, 675840, 108900, 675840, 675840, 108900};
    EXPECT_EQ(TrackingAllocator::sizes(), expected);
    EXPECT_EQ(TrackingAllocator::zeroed(), std::vector<bool>(6, true));
    EXPECT_EQ(TrackingAllocator::peak(), 3);
    EXPECT_EQ(TrackingAllocator::live(), 0);
}

TEST(WorkBlocks, FailedAllocationThrowsAndReleasesWhatWasHeld) {
    struct Case { const char* test; uint32_t (*run)(int32_t); int32_t count; int failAt; };
    const Case cases[] = {
        {"matrix", RunMatrixOperations, 1, 0},  // left
        {"matrix", RunMatrixOperations, 1, 1},  // right, left held
        {"matrix", RunMatrixOperations, 2, 5},  // product of the second pass
        {"memory", RunMemoryThroughput, 5, 0},
        {"memory", RunMemoryThroughput, 5, 9},  // the 16 MB block
        {"memory", RunMemoryThroughput, 5, 23},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        TrackingAllocator allocator(c.failAt);
        EXPECT_THROW(c.run(c.count), std::bad_alloc) << c.test << " failing at " << c.failAt;
        EXPECT_EQ(TrackingAllocator::live(), 0) << c.test << " failing at " << c.failAt;
        EXPECT_EQ(TrackingAllocator::sizes().size(), static_cast<size_t>(c.failAt) + 1);
    }
}

}  // namespace
}  // namespace korvanti
