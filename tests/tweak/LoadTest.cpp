#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// The states of the controls named, one word each: a box's state, a text, a slider's value.
std::string States(const Form4& form, const std::string& names) {
  std::string out;
  std::istringstream in(names);
  for (std::string name; in >> name;) {
    const ui::Control* c = form.Find(name);
    const auto* box = dynamic_cast<const ui::CheckBox*>(c);
    const auto* text = dynamic_cast<const ui::TextBox*>(c);
    const auto* slider = dynamic_cast<const ui::Slider*>(c);
    out += " " + (box    ? std::to_string(box->value())
                  : text ? text->text()
                         : std::to_string(slider->value()));
  }
  return out.substr(1);
}

// ChckDocuments, ChckMyDocuments, ChckRecentDocuments after the load.
TEST(Load, DocumentsGroupEndStates) {
  // NoRecentDocsMenu, NoSMMyDocs, NoRecentDocsHistory (1 or else); then the NT and the 9x states.
  const char* cases[] = {"000 1 1 1 1 1 1", "001 1 1 0 1 1 0", "010 1 0 1 1 0 1",
                         "011 0 0 0 1 0 0", "100 1 1 1 1 2 1", "101 1 1 0 0 1 0",
                         "110 1 0 1 1 2 1", "111 0 0 0 0 0 0"};
  const char* names[] = {"NoRecentDocsMenu", "NoSMMyDocs", "NoRecentDocsHistory"};
  for (const char* c : cases) {
    for (int platform : {2, 1, 3}) {
      SCOPED_TRACE(std::string(c) + " on " + std::to_string(platform));
      Program p;
      // A value other than 1 is the number 0 for the middle one, and missing for the others.
      for (int i = 0; i < 3; ++i)
        if (c[i] == '1' || i == 1)
          Store(p.registry, kCurrentUser, kExplorer, names[i], Number(c[i] - '0'));
      const Form4& f = p.Load(platform);
      EXPECT_EQ(std::string(c).substr(platform == 2 ? 4 : 10, 5),
                States(f, "ChckDocuments ChckMyDocuments ChckRecentDocuments"));
      EXPECT_EQ(platform == 2 ? 2 : 0, f.ChckHelp.enabled() + f.ChckMyDocuments.enabled());
    }
  }
}

// The defaults (a log-off choice in the wrong case), end states that come only from the order of
// the steps, and the icon size setting the slider; the load writes nothing.
TEST(Load, Consequences) {
  // The key (under HKCU but for the logon key), the names holding the value, controls, states.
  const std::tuple<const char*, const char*, Raw, const char*, const char*> cases[] = {
      {kProgram, "LogOffBox", Text("noPromptNoLogOff"),
       "ChckFavorites ChckHelp ChckSettings ChckHide Txtpix Slider1 TxtName TxtCompany",
       "1 1 1 0 32 32  "},
      {kExplorer, "NoSetFolders NoSetTaskbar NoFolderOptions NoSetActiveDesktop NoWindowsUpdate",
       Number(1), "ChckSettings", "0"},
      {kExplorer, "NoActiveDesktop", Number(1), "ChckActiveDesktop ChckADFeature", "1 1"},
      {kExplorer, "ClearRecentDocsOnExit", Number(1), "ChckRecentDocuments", "1"},
      {kExplorer, "NoFind", Number(257), "ChckFind", "1"},
      {kExplorer, "NoFind", Text("yes"), "ChckFind", "1"},
      {kSystem, "DisableRegistryTools", Text(" 1 "), "ChckDisableRegistry", "1"},
      {kLogon, "MustBeValidated", Number(1), "ChckDisableCancelButton", "0"},
      {kMetrics, "Shell_Icon_Size", Text("101"), "Txtpix Slider1", "101 0"},
      {kMetrics, "Shell_Icon_Size", Text("47.6"), "Txtpix Slider1", "48 48"},
      {kMetrics, "Shell_Icon_Size", Text("2.5"), "Txtpix Slider1", "2 2"},
      {kMetrics, "Shell_Icon_Size", Text("4.5.6"), "Txtpix Slider1", "4.5.6 0"},
  };
  for (const auto& [path, names, value, controls, states] : cases) {
    SCOPED_TRACE(std::string(controls) + " " + states);
    Program p;
    std::istringstream words(names);
    for (std::string name; words >> name;) {
      std::replace(name.begin(), name.end(), '_', ' ');
      Store(p.registry, path == kLogon ? kLocalMachine : kCurrentUser, path, name, value);
    }
    p.Armed([&] { p.Load(); });
    EXPECT_EQ(states, States(*p.tweak, controls));
    EXPECT_TRUE(p.tweak->OptPrompt1.value());
    for (const auto& call : p.registry.calls) EXPECT_TRUE(call.op != 'W' && call.op != 'D');
    // The only message the load may show is the user-profile message, when its box is checked.
    EXPECT_EQ(path == kLogon ? 1 : 0, p.host.Count("MsgBox: At least one user profile must be"));
    EXPECT_EQ(p.host.Count("MsgBox: At least one user profile must be"), p.host.Count("MsgBox"));
  }
}

}  // namespace
}  // namespace quillmar::test
