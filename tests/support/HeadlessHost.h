#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Form7.h"
#include "app/Start.h"
#include "registry/MemoryRegistry.h"
#include "registry/Module1.h"
#include "tweak/Catalogue.h"
#include "tweak/Form4.h"
#include "ui/Forms.h"
#include "ui/Host.h"

namespace quillmar::test {

// Spelt out rather than taken from the catalogue, so that a misspelt key in the program fails.
inline constexpr char kExplorer[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr char kSystem[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr char kLogon[] = "Network\\Logon";
inline constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
inline constexpr char kUserInfo[] = "Software\\Microsoft\\MS Setup (ACME)\\User Info";
inline constexpr char kVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kUrls[] = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr char kProgram[] = "Software\\Quillmar";

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
  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(),
                                          [&](const auto& e) { return e.rfind(prefix, 0) == 0; }));
  }

  std::vector<std::string> events;
  int platform_id = 2;
  std::function<void(ui::Window&)> answer_modal;
  ui::Forms* forms = nullptr;
};

// A value as a test stores it, bypassing the helpers: any type, any bytes.
struct Raw {
  std::uint32_t type;
  std::string bytes;
};
inline Raw Number(std::int32_t n) {
  return {kRegDword, std::string(reinterpret_cast<const char*>(&n), 4)};
}
inline Raw Text(const std::string& text) {
  return {kRegSz, text + std::string(1, '\0')};
}
inline void Store(RegistryBackend& registry, RegHandle root, const std::string& path,
                  const std::string& name, const Raw& value) {
  RegHandle key = 0;
  if (registry.CreateKey(root, path, key) != kSuccess) return;
  registry.SetValue(key, name, value.type,
                    reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                    static_cast<std::uint32_t>(value.bytes.size()));
  registry.CloseKey(key);
}

// Records each armed call and refuses the Nth, or all from it on; a refused close still closes.
class FaultyRegistry final : public RegistryBackend {
 public:
  struct Call {
    char op;
    std::string name;
  };
  explicit FaultyRegistry(RegistryBackend& inner) : inner_(inner) {}

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Refused('O') ? code : inner_.OpenKey(root, path, key);
  }
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override {
    return Refused('O') || root == refused_root ? code : inner_.CreateKey(root, path, key);
  }
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override {
    return Refused('R', name) ? code : inner_.QueryValue(key, name, type, data, size);
  }
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    return Refused('W', name) ? code : inner_.SetValue(key, name, type, data, size);
  }
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override {
    return Refused('D', name) ? code : inner_.DeleteValue(key, name);
  }
  std::int32_t CloseKey(RegHandle key) override {
    return Refused('C') ? (inner_.CloseKey(key), code) : inner_.CloseKey(key);
  }

  bool armed = false, from_on = false;
  RegHandle refused_root = 0;  // its keys cannot be created, as HKLM's for a standard user
  std::size_t refuse_at = 0;   // counted from 1; 0 refuses nothing
  std::int32_t code = kSuccess;
  std::vector<Call> calls;

 private:
  bool Refused(char op, const std::string& name = {}) {
    if (!armed) return false;
    calls.push_back({op, name});
    return calls.size() == refuse_at || (from_on && refuse_at != 0 && calls.size() > refuse_at);
  }
  RegistryBackend& inner_;
};

// One running program on an in-memory registry behind the refusing wrapper.
struct Program {
  Program() {
    host.forms = &forms;
    RegisterWindows(forms, module);
  }
  // Seeded: every catalogue location holds a value, so every key exists.
  Program(const char* first_time, const char* log_off, const char* type = "PBrush",
          const char* saved = "")
      : Program() {
    std::map<std::string, std::string> texts = {
        {"", type}, {"bmp", saved}, {"LogOffBox", log_off}, {"FirstTime", first_time}};
    for (char c = 'a'; c <= 'f'; ++c) texts["url" + std::to_string(c - 'a' + 1)] = {c};
    ForEachLocation([&](const Row& row, const std::string& name) {
      const bool one = name == "MustBeValidated" || name == "UserProfiles" || name.size() % 2;
      Store(memory, KeyOf(row.key).root, std::string(KeyOf(row.key).path), name,
            texts.count(name)                 ? Text(texts[name])
            : row.storage == Storage::kNumber ? Number(one)
                                              : Text(name + "?"));
    });
  }
  MemoryRegistry memory;
  FaultyRegistry registry{memory};
  Module1 module{registry};
  HeadlessHost host;
  ui::Forms forms{host};
  Form4* tweak = nullptr;

  Form4& Load(int platform = 2) {
    host.platform_id = platform;
    return *(tweak = &dynamic_cast<Form4&>(*forms.Load("Form4")));
  }
  // Start-up, answering the agreement with Yes.
  void Open() {
    Start(forms);
    if (auto* agreement = dynamic_cast<Form7*>(forms.Find("Form7"))) agreement->Command1.Click();
    tweak = dynamic_cast<Form4*>(forms.Find("Form4"));
  }
  void Armed(const std::function<void()>& step) {
    registry.armed = true, step(), registry.armed = false;
  }
  // The named values of one key, each as its text, "#" and its number, or "." when missing.
  std::string Values(RegHandle root, const char* path, std::initializer_list<const char*> names) {
    std::string out;
    for (const char* name : names) {
      const RegValue v = module.QueryValue(root, path, name);
      out += (std::holds_alternative<std::int32_t>(v) ? " #" : " ") +
             (IsEmptyText(v) ? "." : AsText(v));
    }
    return out.substr(1);
  }
  // Every location, url1 to url6 for the typed URLs.
  static void ForEachLocation(const std::function<void(const Row&, const std::string&)>& f) {
    for (const Row& row : kCatalogue)
      for (std::int32_t n = 1; n <= (row.numbered ? 6 : 1); ++n) f(row, ValueName(row, n));
  }
  // Every location, by "path\name", as Values shows it.
  std::map<std::string, std::string> Snapshot() {
    std::map<std::string, std::string> out;
    ForEachLocation([&](const Row& row, const std::string& name) {
      const KeyPath& k = KeyOf(row.key);
      out[std::string(k.path) + "\\" + name] = Values(k.root, k.path.data(), {name.c_str()});
    });
    return out;
  }
};

}  // namespace quillmar::test
