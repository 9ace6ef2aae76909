// Storage for cells. Each cell class takes its objects from a pool of its
// own: cells built together lie together in memory, so sweeps and the
// renderer read them nearly in order, and the kind of a pooled cell is known
// from its address alone, without touching the cell.
#pragma once

#include "world/cell.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// Fixed-size blocks in one reserved range, handed out from a free list or in
// address order. When the last block is given back, allocation starts again
// at the front, so the next level is laid out in the order it is built. A
// full pool (or a sanitizer build, which must see every allocation) falls
// back to the global heap.
class CellPool {
public:
    CellPool(std::size_t blockSize, std::size_t capacity);
    CellPool(const CellPool &) = delete;
    CellPool &operator=(const CellPool &) = delete;

    void *allocate(std::size_t size);
    void release(void *block);
    const void *begin() const { return begin_; }
    const void *end() const { return end_; }
    bool owns(const void *block) const
    {
        return reinterpret_cast<std::uintptr_t>(block) - reinterpret_cast<std::uintptr_t>(begin_) <
               static_cast<std::uintptr_t>(end_ - begin_);
    }

private:
    struct FreeBlock {
        FreeBlock *next;
    };

    std::size_t blockSize_ = 0;
    std::unique_ptr<unsigned char[]> storage_;
    const unsigned char *begin_ = nullptr;
    const unsigned char *end_ = nullptr;
    unsigned char *next_ = nullptr;  // first never-used block
    FreeBlock *free_ = nullptr;
    std::size_t live_ = 0;
};

// The pools of the two cell classes; they live until the program ends.
CellPool &solidCellPool();
CellPool &bloodCellPool();

// Tells the kind of a cell from the pool it lives in, without touching the
// cell; cells from elsewhere are asked. Holds a copy of both pools' address
// ranges, so a hot loop keeps them in registers.
class CellKindLookup {
public:
    CellKindLookup();

    bool isSolid(const Cell *cell) const { return address(cell) - solidBegin_ < solidSize_; }
    bool isBlood(const Cell *cell) const { return address(cell) - bloodBegin_ < bloodSize_; }
    int kindOf(const Cell *cell) const
    {
        if (isSolid(cell)) {
            return Solid;
        }
        if (isBlood(cell)) {
            return Blood;
        }
        return cell->kind();
    }

private:
    static std::uintptr_t address(const Cell *cell) { return reinterpret_cast<std::uintptr_t>(cell); }

    std::uintptr_t solidBegin_ = 0;
    std::uintptr_t solidSize_ = 0;
    std::uintptr_t bloodBegin_ = 0;
    std::uintptr_t bloodSize_ = 0;
};
