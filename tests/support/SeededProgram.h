#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/Form7.h"
#include "app/Start.h"
#include "tests/support/HeadlessHost.h"
#include "tests/support/RecordingRegistry.h"
#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar::test {

// Refuses the Nth call made while armed, or every call from the Nth on: a refused call does
// nothing and leaves its outputs alone. Records each armed call, and the keys not yet closed.
class FaultyRegistry final : public RegistryBackend {
 public:
  struct Call {
    RegHandle handle;
    bool named;  // false for opens and closes
    std::string name;
  };
  explicit FaultyRegistry(RegistryBackend& inner) : inner_(inner) {}

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Opened(Refused(0, nullptr) ? code : inner_.OpenKey(root, path, key), key);
  }
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Opened(Refused(0, nullptr) ? code : inner_.CreateKey(root, path, key), key);
  }
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    return Refused(key, &name) ? code : inner_.QueryValue(key, name, type, data, size);
  }
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    return Refused(key, &name) ? code : inner_.SetValue(key, name, type, data, size);
  }
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override {
    return Refused(key, &name) ? code : inner_.DeleteValue(key, name);
  }
  std::int32_t CloseKey(RegHandle key) override {
    open.erase(key);
    return Refused(key, nullptr) ? code : inner_.CloseKey(key);
  }

  bool armed = false;
  std::size_t refuse_at = 0;  // counted from 1; 0 refuses nothing
  bool from_on = false;
  std::int32_t code = kSuccess;
  std::vector<Call> calls;
  std::set<RegHandle> open;

 private:
  bool Refused(RegHandle key, const std::string* name) {
    if (!armed) return false;
    calls.push_back({key, name != nullptr, name != nullptr ? *name : std::string()});
    const std::size_t n = calls.size();
    return refuse_at != 0 && (n == refuse_at || (from_on && n > refuse_at));
  }
  std::int32_t Opened(std::int32_t result, const RegHandle& key) {
    if (result == kSuccess) open.insert(key);
    if (armed) calls.back().handle = key;
    return result;
  }
  RegistryBackend& inner_;
};

// A program on a seeded registry: every location holds a value, so every key exists.
struct SeededProgram {
  MemoryRegistry memory;
  FaultyRegistry faulty{memory};
  Module1 module{faulty};
  HeadlessHost host;
  ui::Forms forms{host};
  Form4* tweak = nullptr;

  SeededProgram(const char* first_time, const char* log_off) {
    host.forms = &forms;
    RegisterWindows(forms, module);
    std::map<std::string, Raw> seed = {
        {"MustBeValidated", Number(1)}, {"UserProfiles", Number(1)},
        {"", Text("PBrush")},           {"bmp", Text("")},
        {"LogOffBox", Text(log_off)},   {"FirstTime", Text(first_time)}};
    for (char c = 'a'; c <= 'f'; ++c) seed["url" + std::to_string(c - 'a' + 1)] = Text({c});
    ForEachLocation([&](RegHandle key, const Row& row, const std::string& name) {
      const auto it = seed.find(name);
      const Raw raw = it != seed.end()                  ? it->second
                      : row.storage == Storage::kNumber ? Number(name.size() % 2)
                                                        : Text(name + "?");
      memory.SetValue(key, name, raw.type, reinterpret_cast<const std::uint8_t*>(raw.bytes.data()),
                      static_cast<std::uint32_t>(raw.bytes.size()));
    });
  }
  // Every location of every key, url1 to url6 for the typed URLs, each key opened once.
  template <typename F>
  void ForEachLocation(F f) {
    for (const KeyPath& k : kKeys) {
      RegHandle key = 0;
      memory.CreateKey(k.root, std::string(k.path), key);
      for (const Row& row : kCatalogue)
        for (std::int32_t n = 1; &KeyOf(row.key) == &k && n <= (row.value == "url" ? 6 : 1); ++n)
          f(key, row, ValueName(row, n));
      memory.CloseKey(key);
    }
  }
  void Open() {
    Start(forms);
    if (auto* agreement = dynamic_cast<Form7*>(forms.Find("Form7"))) agreement->Command1.Click();
    tweak = dynamic_cast<Form4*>(forms.Find("Form4"));
  }
  void Armed(const std::function<void()>& step) {
    faulty.armed = true;
    step();
    faulty.armed = false;
  }
  RegValue Get(const Row& row, std::int32_t n = 0) {
    Module1 raw(memory);
    return raw.QueryValue(KeyOf(row.key).root, std::string(KeyOf(row.key).path), ValueName(row, n));
  }
  // Every location, by "path\name", with its raw type and bytes.
  std::map<std::string, std::string> Snapshot() {
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
  // The addresses as the next load reads them.
  std::string History() {
    std::string out;
    for (std::int32_t n = 1; n <= 6 && !IsEmptyText(Get(RowOf(KeyLabel::kTypedUrl, "url"), n)); ++n)
      out += AsText(Get(RowOf(KeyLabel::kTypedUrl, "url"), n));
    return out;
  }
};

}  // namespace quillmar::test
