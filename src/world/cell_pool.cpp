#include "world/cell_pool.h"

#include "world/blood_cell.h"
#include "world/solid_cell.h"

#include <new>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooling = false;
#else
constexpr bool kPooling = true;
#endif

// Room for every slot of four full grids of each kind; the range is only
// reserved, pages are touched as blocks are first used.
constexpr std::size_t kPoolCapacity = 4 * (257 * 257 + 1);

}  // namespace

CellPool::CellPool(std::size_t blockSize, std::size_t capacity)
    : blockSize_((blockSize + alignof(void *) - 1) / alignof(void *) * alignof(void *))
{
    if (!kPooling) {
        return;
    }
    // Left uninitialised, so that pages are touched only as blocks are first used.
    storage_ = std::unique_ptr<unsigned char[]>(new unsigned char[blockSize_ * capacity]);
    begin_ = storage_.get();
    end_ = begin_ + blockSize_ * capacity;
    next_ = storage_.get();
}

void *CellPool::allocate(std::size_t size)
{
    if (size <= blockSize_) {
        if (free_ != nullptr) {
            FreeBlock *block = free_;
            free_ = block->next;
            ++live_;
            return block;
        }
        if (next_ != nullptr && next_ < end_) {
            void *block = next_;
            next_ += blockSize_;
            ++live_;
            return block;
        }
    }
    return ::operator new(size);
}

void CellPool::release(void *block)
{
    if (!owns(block)) {
        ::operator delete(block);
        return;
    }
    if (--live_ == 0) {
        // Empty again: lay out what comes next from the front, in order.
        free_ = nullptr;
        next_ = storage_.get();
        return;
    }
    free_ = new (block) FreeBlock{free_};
}

CellPool &solidCellPool()
{
    // Never destroyed: cells of the program-wide grid are deleted at exit.
    static CellPool *pool = new CellPool(sizeof(SolidCell), kPoolCapacity);
    return *pool;
}

CellPool &bloodCellPool()
{
    static CellPool *pool = new CellPool(sizeof(BloodCell), kPoolCapacity);
    return *pool;
}

CellKindLookup::CellKindLookup()
{
    const CellPool &solids = solidCellPool();
    const CellPool &bloods = bloodCellPool();
    solidBegin_ = reinterpret_cast<std::uintptr_t>(solids.begin());
    solidSize_ = reinterpret_cast<std::uintptr_t>(solids.end()) - solidBegin_;
    bloodBegin_ = reinterpret_cast<std::uintptr_t>(bloods.begin());
    bloodSize_ = reinterpret_cast<std::uintptr_t>(bloods.end()) - bloodBegin_;
}

void *SolidCell::operator new(std::size_t size)
{
    return solidCellPool().allocate(size);
}

void SolidCell::operator delete(void *block)
{
    solidCellPool().release(block);
}

void *BloodCell::operator new(std::size_t size)
{
    return bloodCellPool().allocate(size);
}

void BloodCell::operator delete(void *block)
{
    bloodCellPool().release(block);
}
