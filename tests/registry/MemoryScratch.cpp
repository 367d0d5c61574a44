#include "registry/MemoryRegistry.h"
#include "tests/registry/Scratch.h"

namespace quillmar::test {
namespace {

class MemoryScratch final : public Scratch {
 public:
  explicit MemoryScratch(std::string path) : path_(std::move(path)) {}
  RegistryBackend& registry() override { return registry_; }
  const std::string& path() const override { return path_; }

 private:
  MemoryRegistry registry_;
  std::string path_;
};

}  // namespace

std::unique_ptr<Scratch> MakeScratch(const std::string& test_name) {
  return std::make_unique<MemoryScratch>("Software\\QuillmarTest\\" + test_name);
}

}  // namespace quillmar::test
