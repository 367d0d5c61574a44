#pragma once

#include <memory>
#include <string>

#include "registry/RegistryBackend.h"

namespace quillmar::test {

// A registry for one test, with a key below the current user's root that belongs to it alone
// and is gone again when the scratch is destroyed.
class Scratch {
 public:
  virtual ~Scratch() = default;
  virtual RegistryBackend& registry() = 0;
  virtual const std::string& path() const = 0;
};

std::unique_ptr<Scratch> MakeScratch(const std::string& test_name);

}  // namespace quillmar::test
