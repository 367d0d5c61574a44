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
  ForEachLocation([&](const Row& row, const std::string& name) {
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

void Program::ForEachLocation(const std::function<void(const Row&, const std::string&)>& f) {
  for (const Row& row : kCatalogue)
    for (std::int32_t n = 1; n <= (row.value == "url" ? 6 : 1); ++n) f(row, ValueName(row, n));
}

std::map<std::string, std::string> Program::Snapshot() {
  std::map<std::string, std::string> out;
  ForEachLocation([&](const Row& row, const std::string& name) {
    const KeyPath& k = KeyOf(row.key);
    out[std::string(k.path) + "\\" + name] = Values(k.root, k.path.data(), {name.c_str()});
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
