#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "app/Commands.h"
#include "app/Form7.h"
#include "app/Start.h"
#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"
#include "tests/support/Latin1Codec.h"
#include "tweak/Catalogue.h"
#include "tweak/Form4.h"
#include "ui/Forms.h"
#include "ui/Host.h"

namespace quillmar::test {

// A key as a registry editor names it. Spelt out rather than taken from the catalogue, so that a
// misspelt key in the program fails.
struct Key {
  RegHandle root;
  const char* path;
};
inline constexpr Key kExplorer{kCurrentUser,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"};
inline constexpr Key kSystem{kCurrentUser,
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"};
inline constexpr Key kMetrics{kCurrentUser, "Control Panel\\Desktop\\WindowMetrics"};
inline constexpr Key kUserInfo{kCurrentUser, "Software\\Microsoft\\MS Setup (ACME)\\User Info"};
inline constexpr Key kVersion{kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion"};
inline constexpr Key kUrls{kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs"};
inline constexpr Key kBitmapType{kClassesRoot, ".bmp"};
inline constexpr Key kBitmapIcon{kClassesRoot, "Paint.Picture\\DefaultIcon"};
inline constexpr Key kProgram{kCurrentUser, "Software\\Quillmar"};

// A value as a registry editor lists it: its type and its data, any type, any bytes.
struct Raw {
  std::uint32_t type;
  std::string bytes;
  bool operator==(const Raw&) const = default;
};
inline Raw Dword(std::int32_t n) {
  return {kRegDword, std::string(reinterpret_cast<const char*>(&n), 4)};
}
inline Raw Sz(const std::string& text) {
  return {kRegSz, text + std::string(1, '\0')};
}
// What a location holds; nothing when the value is not there.
using Stored = std::optional<Raw>;
inline constexpr std::nullopt_t kAbsent = std::nullopt;

inline void PrintTo(const Raw& raw, std::ostream* os) {
  std::int32_t number = 0;
  if (raw.type == kRegDword && raw.bytes.size() == 4) {
    std::memcpy(&number, raw.bytes.data(), 4);
    *os << "REG_DWORD " << number;
  } else if (raw.type == kRegSz)
    *os << "REG_SZ \"" << raw.bytes.substr(0, raw.bytes.find('\0')) << '"';
  else
    *os << "type " << raw.type << ", " << raw.bytes.size() << " bytes";
}

inline void Store(RegistryBackend& registry, Key key, const std::string& name, const Raw& value) {
  RegHandle handle = 0;
  if (registry.CreateKey(key.root, key.path, handle) != kSuccess) return;
  registry.SetValue(handle, name, value.type,
                    reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                    static_cast<std::uint32_t>(value.bytes.size()));
  registry.CloseKey(handle);
}

inline Stored StoredAt(RegistryBackend& registry, Key key, const std::string& name) {
  RegHandle handle = 0;
  if (registry.OpenKey(key.root, key.path, handle) != kSuccess) return kAbsent;
  Raw raw{kRegNone, ""};
  std::uint32_t size = 0;
  std::int32_t read = registry.QueryValue(handle, name, &raw.type, nullptr, &size);
  raw.bytes.resize(size);
  if (read == kSuccess)
    read = registry.QueryValue(handle, name, &raw.type,
                               reinterpret_cast<std::uint8_t*>(raw.bytes.data()), &size);
  registry.CloseKey(handle);
  if (read != kSuccess) return kAbsent;
  return raw;
}

// Check box states, and the two platform families by their identifiers.
inline constexpr int kUnchecked = 0, kChecked = 1, kGrey = 2;
inline constexpr int kNt = 2, k9x = 1;

// Records what the program shows and asks; a modal window the answer leaves open is closed.
class HeadlessHost final : public ui::Host {
 public:
  void MsgBox(const std::string& text) override { events.push_back("MsgBox: " + text); }
  void Beep() override { events.push_back("Beep"); }
  void SetFocus(ui::Control& c) override { events.push_back("Focus: " + std::string(c.name())); }
  void Show(ui::Window& window, bool modal) override {
    events.push_back(std::string(modal ? "ShowModal: " : "Show: ") + std::string(window.name()));
    if (modal && answer_modal) answer_modal(window);
    if (modal && forms != nullptr && forms->Find(window.name()) == &window) forms->Close(window);
  }
  void Close(ui::Window& w) override { events.push_back("Close: " + std::string(w.name())); }
  void LogOff() override { events.push_back("LogOff"); }
  int PlatformId() override { return platform_id; }
  void SettingsChanged(bool) override { events.push_back("SettingsChanged"); }
  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(),
                                          [&](const auto& e) { return e.rfind(prefix, 0) == 0; }));
  }

  std::vector<std::string> events;
  int platform_id = 2;
  std::function<void(ui::Window&)> answer_modal;
  ui::Forms* forms = nullptr;
};

// Records each armed call and refuses the Nth; a refused close still closes.
class FaultyRegistry final : public RegistryBackend {
 public:
  enum Op : char { kOpen = 'O', kRead = 'R', kWrite = 'W', kDelete = 'D', kClose = 'C' };
  struct Call {
    Op op;
    std::string name;  // the value's, for a read, write or deletion
    bool refused;
    std::string data;  // what a write stores
    bool operator<(const Call& other) const {
      return std::tie(op, name, data) < std::tie(other.op, other.name, other.data);
    }
  };
  explicit FaultyRegistry(RegistryBackend& inner) : inner_(inner) {}

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Refused(kOpen) ? code : inner_.OpenKey(root, path, key);
  }
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Refused(kOpen) || root == refused_root ? code : inner_.CreateKey(root, path, key);
  }
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    return Refused(kRead, name) ? code : inner_.QueryValue(key, name, type, data, size);
  }
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    const std::string bytes =
        size > 0 ? std::string(reinterpret_cast<const char*>(data), size) : "";
    return Refused(kWrite, name, bytes) ? code : inner_.SetValue(key, name, type, data, size);
  }
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override {
    return Refused(kDelete, name) ? code : inner_.DeleteValue(key, name);
  }
  std::int32_t CloseKey(RegHandle key) override {
    const std::int32_t closed = inner_.CloseKey(key);
    return Refused(kClose) ? code : closed;
  }
  // The calls that wrote or deleted a value.
  int Writes() const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const Call& c) {
      return c.op == kWrite || c.op == kDelete;
    }));
  }

  bool armed = false;
  RegHandle refused_root = 0;  // its keys cannot be created, as HKLM's for a standard user
  std::size_t refuse_at = 0;   // counted from 1; 0 refuses nothing
  std::string refused_read;    // every read of the value of that name is refused
  std::int32_t code = kSuccess;
  std::vector<Call> calls;

 private:
  bool Refused(Op op, const std::string& name = {}, const std::string& data = {}) {
    if (!armed) return false;
    const std::size_t n = calls.size() + 1;
    const bool refused = n == refuse_at || (op == kRead && !name.empty() && name == refused_read);
    calls.push_back({op, name, refused, data});
    return refused;
  }
  RegistryBackend& inner_;
};

// One running program on an in-memory registry behind the refusing wrapper.
struct Program {
  Program() {
    host.forms = &forms;
    RegisterWindows(forms, module);
  }

  Form4& Load(int platform = 2) {
    host.platform_id = platform;
    tweak = &dynamic_cast<Form4&>(*forms.Load("Form4"));
    return *tweak;
  }
  // Start-up, answering the agreement with Yes.
  void Open() {
    Start(forms);
    if (auto* agreement = dynamic_cast<Form7*>(forms.Find("Form7"))) agreement->Command1.Click();
    tweak = dynamic_cast<Form4*>(forms.Find("Form4"));
  }
  void Armed(const std::function<void()>& step) {
    registry.armed = true;
    step();
    registry.armed = false;
  }
  void Store(Key key, const std::string& name, const Raw& value) {
    test::Store(memory, key, name, value);
  }
  Stored At(Key key, const std::string& name) { return StoredAt(memory, key, name); }

  MemoryRegistry memory;
  FaultyRegistry registry{memory};
  Module1 module{registry};
  HeadlessHost host;
  ui::Forms forms{host};
  Form4* tweak = nullptr;
};

// One program's command line: files in memory, output lines as Latin-1.
struct Platform final : CommandPlatform {
  bool ReadFile(const std::u16string& name, std::string& bytes, std::string& why) override {
    if (files.count(name) == 0) {
      why = "cannot be opened";
      return false;
    }
    bytes = files[name];
    return true;
  }
  bool ReplaceFile(const std::u16string& name, const std::string& bytes, std::string&) override {
    files[name] = bytes;
    return true;
  }
  void Out(const std::u16string& line) override { out.emplace_back(line.begin(), line.end()); }
  void Err(const std::u16string& line) override { err.emplace_back(line.begin(), line.end()); }
  TextCodec& codec() override { return latin1; }
  RegistryBackend& registry() override { return p.registry; }
  int PlatformId() override { return 2; }
  void SettingsChanged(bool metrics) override { told.push_back(metrics); }
  int Run(const std::vector<std::u16string>& args) {
    out.clear();
    err.clear();
    return RunCommand(args, *this);
  }

  Program p;
  Latin1Codec latin1;
  std::map<std::u16string, std::string> files;
  std::vector<std::string> out, err;
  std::vector<bool> told;  // each time running programs were told, whether metrics were too
};

}  // namespace quillmar::test
