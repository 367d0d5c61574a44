#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace quillmar::test {
namespace {

struct Block {
  std::unique_ptr<unsigned char[]> bytes;
  std::size_t size;
  unsigned char fill;
};

Block Filled(std::size_t size, unsigned char fill) {
  Block block{std::make_unique<unsigned char[]>(size), size, fill};
  std::fill_n(block.bytes.get(), size, fill);
  return block;
}

bool Intact(const Block& block) {
  return std::all_of(block.bytes.get(), block.bytes.get() + block.size,
                     [&](unsigned char c) { return c == block.fill; });
}

// Every size, from the program's own small blocks and from malloc alike, gets room of its own,
// aligned as malloc's is: what one block holds survives the others being written, freed and
// handed out again.
TEST(SmallBlocks, EveryBlockHoldsItsWholeSizeAlone) {
  std::vector<Block> blocks;
  for (std::size_t size = 0; size <= 600; ++size)
    blocks.push_back(Filled(size, static_cast<unsigned char>(size)));
  for (std::size_t i = 0; i < blocks.size(); i += 2) blocks[i] = Filled(blocks[i].size, 0xEE);
  for (const Block& block : blocks) {
    EXPECT_TRUE(Intact(block)) << block.size << " bytes";
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.bytes.get()) % 16, 0u)
        << block.size << " bytes";
  }
}

}  // namespace
}  // namespace quillmar::test
