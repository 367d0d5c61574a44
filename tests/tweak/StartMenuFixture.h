#pragma once

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/HeadlessHost.h"
#include "tweak/Form4.h"

namespace quillmar::test {

inline constexpr int kNt = 2;
inline constexpr int k9x = 1;

// Box name to state.
using States = std::map<std::string, int>;

// "Settings MyDocuments=2": each named box, its "Chck" prefix left off, in the state given after
// "=", checked when none is given.
inline States Boxes(const std::string& text) {
  States states;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    const std::size_t eq = word.find('=');
    states["Chck" + word.substr(0, eq)] =
        eq == std::string::npos ? 1 : std::stoi(word.substr(eq + 1));
    at = end;
  }
  return states;
}

// Every box the Start menu rules watch, set or must leave alone.
inline const std::vector<std::string>& WatchedBoxes() {
  static const std::vector<std::string> names = {"Check1",
                                                 "ChckFavorites",
                                                 "ChckDocuments",
                                                 "ChckSettings",
                                                 "ChckFind",
                                                 "ChckHelp",
                                                 "ChckRun",
                                                 "ChckLogoff",
                                                 "ChckClose",
                                                 "ChckMyDocuments",
                                                 "ChckRecentDocuments",
                                                 "ChckControlPanel",
                                                 "ChckTaskbar",
                                                 "ChckFolderOptions",
                                                 "ChckActiveDesktop",
                                                 "ChckWindowsUpdate",
                                                 "ChckADFeature",
                                                 "ChckDisableCancelButton"};
  return names;
}

// A loaded tweak window on one platform. Its boxes can be put into any state without running a
// rule, and every change of a watched box is logged among the host's events as "Name=state".
class StartMenuFixture {
 public:
  explicit StartMenuFixture(int platform) {
    p.host.platform_id = platform;
    form = dynamic_cast<Form4*>(p.forms.Load("Form4"));
    if (form == nullptr) throw std::logic_error("Form4 is not registered");
    p.module.OsPlatform = static_cast<std::int16_t>(platform);
    for (const std::string& name : WatchedBoxes()) {
      ui::CheckBox& box = Box(name);
      box.SetMirror([this, &box, name, last = box.value()]() mutable {
        if (box.value() == last) return;
        last = box.value();
        p.host.events.push_back(name + "=" + std::to_string(last));
      });
      // Counts how deep rule runs nest; a runaway nesting fails the test instead of the stack.
      box.OnClick = [this, rule = box.OnClick] {
        if (++depth > 64) throw std::runtime_error("rule runs nest without end");
        if (depth > max_depth) max_depth = depth;
        if (rule) rule();
        --depth;
      };
    }
  }

  ui::CheckBox& Box(const std::string& name) {
    return dynamic_cast<ui::CheckBox&>(*form->Find(name));
  }

  // Every watched box but Check1 unchecked, then the given states, with the enabled flags the
  // load gives on this platform; no rule runs and the log starts empty.
  void Arrange(const States& states) {
    for (const std::string& name : WatchedBoxes())
      if (name != "Check1") SetQuietly(Box(name), 0);
    for (const auto& [name, state] : states) SetQuietly(Box(name), state);
    const bool nt = p.module.OsPlatform == kNt;
    Box("ChckHelp").SetEnabled(nt);
    Box("ChckMyDocuments").SetEnabled(nt);
    arranged_ = Read();
    p.host.events.clear();
    max_depth = 0;
  }

  States Read() {
    States states;
    for (const std::string& name : WatchedBoxes()) states[name] = Box(name).value();
    return states;
  }

  // The arranged states with the given ones put over them.
  States ArrangedWith(const States& changes) const {
    States states = arranged_;
    for (const auto& [name, state] : changes) states[name] = state;
    return states;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const std::string& e : p.host.events)
      if (e.rfind("MsgBox: ", 0) == 0) texts.push_back(e.substr(8));
    return texts;
  }

  // The states while the first message was open, replayed from the arranged states and the log.
  States AtFirstMessage() const {
    States states = arranged_;
    for (const std::string& e : p.host.events) {
      if (e.rfind("MsgBox: ", 0) == 0) break;
      const std::size_t eq = e.find('=');
      if (eq != std::string::npos) states[e.substr(0, eq)] = std::stoi(e.substr(eq + 1));
    }
    return states;
  }

  Program p;
  Form4* form = nullptr;
  int depth = 0;
  int max_depth = 0;

 private:
  static void SetQuietly(ui::CheckBox& box, int state) {
    auto rule = std::move(box.OnClick);
    box.OnClick = nullptr;
    box.SetValue(state);
    box.OnClick = std::move(rule);
  }

  States arranged_;
};

}  // namespace quillmar::test
