#include "app/Locations.h"

#include <algorithm>
#include <charconv>

#include "regfile/RegFile.h"
#include "registry/RegValue.h"

namespace quillmar {
namespace {

// The number of "url1", "url2", ...: decimal, from 1, without leading zeros.
std::optional<std::int32_t> UrlNumber(std::string_view prefix, std::string_view name) {
  if (name.size() <= prefix.size() || !SameName(name.substr(0, prefix.size()), prefix))
    return std::nullopt;
  const std::string_view digits = name.substr(prefix.size());
  std::int32_t n = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (error != std::errc{} || end != digits.data() + digits.size() || digits[0] == '0')
    return std::nullopt;
  return n;
}

}  // namespace

std::optional<KeyLabel> LocateKey(RegHandle root, std::string_view path) {
  const auto key = std::find_if(kKeys.begin(), kKeys.end(), [&](const KeyPath& k) {
    return k.root == root && SameName(k.path, path);
  });
  if (key == kKeys.end()) return std::nullopt;
  return static_cast<KeyLabel>(key - kKeys.begin());
}

std::optional<Spot> Locate(KeyLabel key, std::string_view name) {
  for (const Row& row : kCatalogue) {
    // Apply writes the rows of the window's settings, and only those.
    if (row.key != key || row.kind == Kind::kNone) continue;
    if (row.numbered) {
      if (const auto n = UrlNumber(row.value, name)) return Spot{&row, *n};
    } else if (SameName(row.value, name)) {
      return Spot{&row};
    }
  }
  return std::nullopt;
}

std::tuple<KeyLabel, const Row*, std::int32_t> OrderOf(const Spot& spot) {
  return {spot.row->key, spot.row, spot.number};
}

std::string LocationName(const Spot& spot) {
  const KeyPath& key = KeyOf(spot.row->key);
  return FullName({key.root, key.path, ValueName(*spot.row, spot.number)});
}

}  // namespace quillmar
