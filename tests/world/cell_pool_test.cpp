#include "world/blood_cell.h"
#include "world/cell_pool.h"
#include "world/solid_cell.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CellPool, reuses_blocks_and_overflows_to_the_heap)
{
    CellPool pool(sizeof(SolidCell), 2);
    void *first = pool.allocate(sizeof(SolidCell));
    void *second = pool.allocate(sizeof(SolidCell));
    if (!pool.owns(first)) {
        pool.release(first);
        pool.release(second);
        GTEST_SKIP() << "sanitizer builds take every cell from the heap";
    }
    void *third = pool.allocate(sizeof(SolidCell));
    EXPECT_TRUE(pool.owns(second));
    EXPECT_FALSE(pool.owns(third)) << "a full pool falls back to the heap";
    pool.release(third);
    pool.release(first);
    EXPECT_EQ(pool.allocate(sizeof(SolidCell)), first);
    pool.release(first);
    pool.release(second);
    // Empty again: blocks are handed out from the front, in order.
    EXPECT_EQ(pool.allocate(sizeof(SolidCell)), first);
    EXPECT_EQ(pool.allocate(sizeof(SolidCell)), second);
    pool.release(first);
    pool.release(second);
}

TEST(CellPool, kinds_are_told_for_pooled_and_other_cells)
{
    // A cell class of another kind, from the ordinary heap.
    struct OtherCell : Cell {
        int kind() const override { return 7; }
        void update(bool) override {}
    };
    const auto ground = std::make_unique<SolidCell>();
    const auto blood = std::make_unique<BloodCell>(nullptr, 1, 1);
    const auto other = std::make_unique<OtherCell>();
    const CellKindLookup kinds;
    EXPECT_EQ(kinds.kindOf(ground.get()), Solid);
    EXPECT_EQ(kinds.kindOf(blood.get()), Blood);
    EXPECT_EQ(kinds.kindOf(other.get()), 7);
    EXPECT_FALSE(kinds.isSolid(nullptr) || kinds.isBlood(nullptr));
}
