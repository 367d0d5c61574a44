#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "registry/Module1.h"
#include "registry/RegistryBackend.h"

namespace quillmar {

// Where one value lives: a predefined root, a key path below it and a value name (the empty
// name is the key's default value).
struct Location {
  RegHandle root;
  std::string_view path;
  std::string_view name;
};

// As a registry editor spells it: root, key path and value name, "(Default)" for the key's own.
// Built in one piece: the list of changes names thousands (--import within its goal in `make
// bench`).
inline std::string FullName(const Location& at) {
  const std::string_view root = RootName(at.root);
  const std::string_view name = at.name.empty() ? "(Default)" : at.name;
  std::string full;
  full.reserve(root.size() + at.path.size() + name.size() + 2);
  full.append(root).append("\\").append(at.path).append("\\").append(name);
  return full;
}

// The value where it holds a number or a text; nothing where it is missing or holds anything
// else.
inline std::optional<RegValue> QueryValueIfSet(Module1& m, const Location& at) {
  ReadOutcome outcome = ReadOutcome::kMissing;
  RegValue value = m.QueryValue(at.root, std::string(at.path), std::string(at.name), &outcome);
  if (outcome != ReadOutcome::kValue) return std::nullopt;
  return value;
}

inline RegValue QueryValue(Module1& m, const Location& at) {
  return m.QueryValue(at.root, std::string(at.path), std::string(at.name));
}

inline void SaveValue(Module1& m, const Location& at, const RegValue& value) {
  m.SaveValue(at.root, std::string(at.path), std::string(at.name), value);
}

}  // namespace quillmar
