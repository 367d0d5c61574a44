#pragma once

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

inline RegValue QueryValue(Module1& m, const Location& at) {
  return m.QueryValue(at.root, std::string(at.path), std::string(at.name));
}

inline void SaveValue(Module1& m, const Location& at, const RegValue& value) {
  m.SaveValue(at.root, std::string(at.path), std::string(at.name), value);
}

}  // namespace quillmar
