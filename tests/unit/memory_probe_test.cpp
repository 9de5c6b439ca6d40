// The system's answer on memory pages outside Windows: runs of pages of one state, from
// an address on, as the readers of game memory ask for them.
#include <gtest/gtest.h>

#include "host/portable/portable_platform.h"
#include "support/mapped_pages.h"

using testing_host::MappedPages;
using velquist::platform::MemoryRun;
using velquist::platform::portable::systemMemoryRun;

namespace {

const size_t page = MappedPages::pageSize();

TEST(MemoryProbeTest, RunsEndWhereThePagesChangeTheirState) {
    MappedPages pages(5);
    pages.noAccess(2);
    pages.noAccess(3);
    MemoryRun run = systemMemoryRun(pages.page(0), pages.bytes());
    EXPECT_TRUE(run.readable);
    EXPECT_EQ(run.bytes, 2 * page);
    run = systemMemoryRun(pages.page(1) + 100, pages.bytes());
    EXPECT_TRUE(run.readable);
    EXPECT_EQ(run.bytes, page - 100);
    run = systemMemoryRun(pages.page(2) + 8, pages.bytes());
    EXPECT_FALSE(run.readable);
    EXPECT_EQ(run.bytes, 2 * page - 8);
    run = systemMemoryRun(pages.page(4), page);
    EXPECT_TRUE(run.readable);
    EXPECT_EQ(run.bytes, page);
}

TEST(MemoryProbeTest, RunsStopAtTheBytesAskedFor) {
    MappedPages pages(3);
    EXPECT_EQ(systemMemoryRun(pages.page(0) + 10, 5).bytes, 5u);
    EXPECT_EQ(systemMemoryRun(pages.page(0), page + 1).bytes, page + 1);
    EXPECT_EQ(systemMemoryRun(pages.page(0), 0).bytes, 0u);
}

TEST(MemoryProbeTest, AddressesWithNoMemoryBehindThemAreNotReadable) {
    const MemoryRun none = systemMemoryRun(nullptr, 64);
    EXPECT_FALSE(none.readable);
    EXPECT_EQ(none.bytes, 64u);
    EXPECT_FALSE(systemMemoryRun(reinterpret_cast<const void*>(UINTPTR_MAX - 8), 4).readable);
}

}  // namespace
