#include <windows.h>

#include "registry/Win32Registry.h"
#include "tests/registry/Scratch.h"

namespace quillmar::test {
namespace {

constexpr char kBase[] = "Software\\QuillmarTest";

class Win32Scratch final : public Scratch {
 public:
  explicit Win32Scratch(const std::string& test_name)
      : path_(std::string(kBase) + "\\" + test_name) {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  }
  ~Win32Scratch() override { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
  RegistryBackend& registry() override { return registry_; }
  const std::string& path() const override { return path_; }

 private:
  Win32Registry registry_;
  std::string path_;
};

}  // namespace

std::unique_ptr<Scratch> MakeScratch(const std::string& test_name) {
  return std::make_unique<Win32Scratch>(test_name);
}

}  // namespace quillmar::test
