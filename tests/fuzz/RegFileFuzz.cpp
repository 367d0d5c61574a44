#undef NDEBUG  // a failed assert is how this target reports a finding, in every build
#include <cassert>

#include "regfile/RegFile.h"
#include "tests/support/Latin1Codec.h"

using namespace quillmar;

// Any bytes: a file or a refusal at a line of the file; a file written back reads the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  test::Latin1Codec codec;
  const auto parsed = ParseRegFile({reinterpret_cast<const char*>(data), size}, codec);
  if (const auto* error = std::get_if<RegFileError>(&parsed)) {
    assert(error->line >= 1 && !error->what.empty() && "a refusal without its line");
    return 0;
  }
  const RegFile& file = std::get<RegFile>(parsed);
  const auto written = WriteRegFile(file, codec);
  assert(written && "a file read that cannot be written");
  const auto again = ParseRegFile(*written, codec);
  const auto* back = std::get_if<RegFile>(&again);
  assert(back != nullptr && back->entries.size() == file.entries.size() && "not read back");
  for (std::size_t i = 0; i < file.entries.size(); ++i) {
    const RegEntry &a = file.entries[i], &b = back->entries[i];
    assert(a.name == b.name && a.value == b.value && "a value read back otherwise");
    assert(file.sections[a.section].path == back->sections[b.section].path && "another key");
  }
  return 0;
}
