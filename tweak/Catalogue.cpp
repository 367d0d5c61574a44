#include "tweak/Catalogue.h"

namespace quillmar {
namespace {

// The keys' paths as the helpers take them, made once rather than at every read and write of
// thousands of typed URLs (--import within its goal in `make bench`).
const std::string& PathOf(const KeyPath& key) {
  static const auto paths = [] {
    std::array<std::string, kKeys.size()> out;
    for (std::size_t i = 0; i < kKeys.size(); ++i) out[i] = std::string(kKeys[i].path);
    return out;
  }();
  return paths[static_cast<std::size_t>(&key - kKeys.data())];
}

}  // namespace

std::string ValueName(const Row& row, std::int32_t number) {
  if (!row.numbered) return std::string(row.value);
  return std::string(row.value) + std::to_string(number);
}

RegValue Read(Module1& m, const Row& row, std::int32_t number, ReadOutcome* outcome) {
  const KeyPath& key = KeyOf(row.key);
  return m.QueryValue(key.root, PathOf(key), ValueName(row, number), outcome);
}

std::optional<RegValue> ReadTwin(Module1& m, const Row& row) {
  const auto twin = TwinOf(row);
  return twin ? QueryValueIfSet(m, *twin) : std::nullopt;
}

bool Write(Module1& m, const Row& row, const RegValue& value, std::int32_t number) {
  const KeyPath& key = KeyOf(row.key);
  if (row.storage == Storage::kForcedText) m.SaveAsText = true;
  return m.SaveValue(key.root, PathOf(key), ValueName(row, number), value);
}

bool Delete(Module1& m, const Row& row, std::int32_t number) {
  const KeyPath& key = KeyOf(row.key);
  return m.DeleteValue(key.root, PathOf(key), ValueName(row, number));
}

int StateOf(Rule rule, const RegValue& stored) {
  const bool one = EqualsOne(stored);
  return rule == Rule::kShowItem ? (one ? 0 : 1) : (one ? 1 : 0);
}

std::string ValueOf(Rule rule, int state) {
  const bool one = rule == Rule::kShowItem ? state == 0 : state == 1;
  return one ? "1" : "0";
}

}  // namespace quillmar
