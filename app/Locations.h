#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "registry/RegistryBackend.h"
#include "tweak/Catalogue.h"

namespace quillmar {

// A catalogue location that Apply writes: its row (the first of that key and value name) and,
// for a numbered row, the number in the value's name.
struct Spot {
  const Row* row;
  std::int32_t number = 0;
};

// The catalogue's key that these name, whatever their case; none for any other.
std::optional<KeyLabel> LocateKey(RegHandle root, std::string_view path);
// The location Apply writes under that key that the name names, whatever its case; none for any
// other.
std::optional<Spot> Locate(KeyLabel key, std::string_view name);

// Keys in catalogue order, then values in catalogue order, then typed URLs by number.
std::tuple<KeyLabel, const Row*, std::int32_t> OrderOf(const Spot& spot);

// The location as a registry editor names it: ROOT\path\name, with "(Default)" for the unnamed
// value.
std::string LocationName(const Spot& spot);

}  // namespace quillmar
