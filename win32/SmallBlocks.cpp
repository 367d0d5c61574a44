// The program's own new and delete for small blocks: Wine's heap takes some 200 ns to allocate
// and free one, and an import of thousands of typed URLs makes tens of thousands (--import within
// its goal in `make bench`). Blocks of up to 512 bytes come from 64 KB slabs of the process heap,
// one free list per multiple of 16 bytes, and are never given back to the heap; larger ones go to
// malloc. Each block is preceded by a 16-byte header that names its list, which keeps the
// caller's block aligned as malloc's are.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kGrain = 16;
constexpr std::size_t kLists = 32;
constexpr std::size_t kLargest = kGrain * kLists;
constexpr std::size_t kHeader = 16;
constexpr std::size_t kSlab = 64 * 1024;
// The header of a block that malloc holds.
constexpr std::size_t kFromMalloc = kLists;

struct FreeBlock {
  FreeBlock* next;
};

// Constant-initialised, so that they serve every new and delete, those of static constructors
// and destructors included.
SRWLOCK lock = SRWLOCK_INIT;
FreeBlock* free_blocks[kLists] = {};
char* slab_next = nullptr;
char* slab_end = nullptr;

std::size_t& HeaderOf(void* block) {
  return *reinterpret_cast<std::size_t*>(static_cast<char*>(block) - kHeader);
}

void* FromMalloc(std::size_t size) {
  if (size > SIZE_MAX - kHeader) throw std::bad_alloc();
  char* whole = static_cast<char*>(std::malloc(size + kHeader));
  if (whole == nullptr) throw std::bad_alloc();
  HeaderOf(whole + kHeader) = kFromMalloc;
  return whole + kHeader;
}

// A block of list `list`, or null when the heap has no room for another slab. Under the lock.
void* FromSlab(std::size_t list) {
  if (FreeBlock* block = free_blocks[list]) {
    free_blocks[list] = block->next;
    return block;
  }
  const std::size_t whole = kHeader + (list + 1) * kGrain;
  if (static_cast<std::size_t>(slab_end - slab_next) < whole) {
    char* slab = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, kSlab));
    if (slab == nullptr) return nullptr;
    slab_next = slab;
    slab_end = slab + kSlab;
  }
  void* block = slab_next + kHeader;
  slab_next += whole;
  HeaderOf(block) = list;
  return block;
}

}  // namespace

void* operator new(std::size_t size) {
  if (size > kLargest) return FromMalloc(size);
  const std::size_t list = size == 0 ? 0 : (size - 1) / kGrain;
  AcquireSRWLockExclusive(&lock);
  void* block = FromSlab(list);
  ReleaseSRWLockExclusive(&lock);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  const std::size_t list = HeaderOf(block);
  if (list == kFromMalloc) {
    std::free(static_cast<char*>(block) - kHeader);
    return;
  }
  AcquireSRWLockExclusive(&lock);
  static_cast<FreeBlock*>(block)->next = free_blocks[list];
  free_blocks[list] = static_cast<FreeBlock*>(block);
  ReleaseSRWLockExclusive(&lock);
}

void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}
