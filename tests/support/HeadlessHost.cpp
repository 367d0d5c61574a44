#include "tests/support/HeadlessHost.h"

#include "app/Form7.h"
#include "app/Start.h"

namespace quillmar::test {

void Store(RegistryBackend& registry, RegHandle root, const std::string& path,
           const std::string& name, const Raw& value) {
  RegHandle key = 0;
  if (registry.CreateKey(root, path, key) != kSuccess) return;
  registry.SetValue(key, name, value.type,
                    reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                    static_cast<std::uint32_t>(value.bytes.size()));
  registry.CloseKey(key);
}

Program::Program() {
  host.forms = &forms;
  RegisterWindows(forms, module);
}

Program::Program(const char* first_time, const char* log_off) : Program() {
  std::map<std::string, Raw> seed = {
      {"MustBeValidated", Number(1)}, {"UserProfiles", Number(1)},
      {"", Text("PBrush")},           {"bmp", Text("")},
      {"LogOffBox", Text(log_off)},   {"FirstTime", Text(first_time)}};
  for (char c = 'a'; c <= 'f'; ++c) seed["url" + std::to_string(c - 'a' + 1)] = Text({c});
  ForEachLocation([&](RegHandle, const Row& row, const std::string& name) {
    const auto it = seed.find(name);
    Store(memory, KeyOf(row.key).root, std::string(KeyOf(row.key).path), name,
          it != seed.end()                  ? it->second
          : row.storage == Storage::kNumber ? Number(name.size() % 2)
                                            : Text(name + "?"));
  });
}

void Program::Open() {
  Start(forms);
  if (auto* agreement = dynamic_cast<Form7*>(forms.Find("Form7"))) agreement->Command1.Click();
  tweak = dynamic_cast<Form4*>(forms.Find("Form4"));
}

void Program::ForEachLocation(
    const std::function<void(RegHandle, const Row&, const std::string&)>& f) {
  for (const KeyPath& k : kKeys) {
    RegHandle key = 0;
    memory.CreateKey(k.root, std::string(k.path), key);
    for (const Row& row : kCatalogue)
      for (std::int32_t n = 1; &KeyOf(row.key) == &k && n <= (row.value == "url" ? 6 : 1); ++n)
        f(key, row, ValueName(row, n));
    memory.CloseKey(key);
  }
}

std::map<std::string, std::string> Program::Snapshot() {
  std::map<std::string, std::string> out;
  ForEachLocation([&](RegHandle key, const Row& row, const std::string& name) {
    std::uint32_t type = 0, size = 0;
    memory.QueryValue(key, name, &type, nullptr, &size);
    std::string bytes(size, '\0');
    memory.QueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(bytes.data()), &size);
    out[std::string(KeyOf(row.key).path) + "\\" + name] = std::to_string(type) + ":" + bytes;
  });
  return out;
}

std::string Program::Values(RegHandle root, const char* path,
                            std::initializer_list<const char*> names) {
  std::string out;
  for (const char* name : names) {
    const RegValue v = module.QueryValue(root, path, name);
    out += std::string(out.empty() ? "" : " ") +
           (std::holds_alternative<std::int32_t>(v) ? "#" : "") +
           (IsEmptyText(v) ? "." : AsText(v));
  }
  return out;
}

}  // namespace quillmar::test
