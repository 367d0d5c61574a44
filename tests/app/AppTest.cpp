#include <gtest/gtest.h>

#include <optional>

#include "app/Commands.h"
#include "logoff/Form5.h"
#include "registry/OverlayRegistry.h"
#include "tests/support/HeadlessHost.h"
#include "tests/support/Latin1Codec.h"

namespace quillmar::test {
namespace {

using Lines = std::vector<std::string>;
using Answer = void (*)(Program&, Form7&);
const Answer kYes = [](Program&, Form7& f) { f.Command1.Click(); };
const Answer kNo = [](Program&, Form7& f) { f.Command2.Click(); };
const Answer kCloseBox = [](Program& p, Form7& f) { p.forms.Close(f); };

// FirstTime as stored and the agreement's answer when it shows (only an empty or missing value
// shows it); then FirstTime, whether the tweak window is open, and the next start.
TEST(StartUp, FirstTimeAndTheAgreement) {
  const struct {
    std::optional<Raw> stored;
    Answer answer;
    const char* after;
  } cases[] = {{std::nullopt, kYes, "First"},      {Text(""), kNo, "."},
               {std::nullopt, kCloseBox, "First"}, {Text("First"), nullptr, "First"},
               {Text("yes"), nullptr, "yes"},      {Number(1), nullptr, "#1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.after);
    Program p;
    if (c.stored) Store(p.registry, kCurrentUser, kProgram, "FirstTime", *c.stored);
    Start(p.forms);
    EXPECT_EQ((c.answer ? Lines{"Show: Form7", "Beep"} : Lines{"Close: Form7", "Show: Form4"}),
              p.host.events);
    if (c.answer) c.answer(p, *dynamic_cast<Form7*>(p.forms.Find("Form7")));
    p.forms.Collect();
    EXPECT_EQ(c.answer == nullptr || c.answer == kYes, p.forms.AnyOpen());
    EXPECT_EQ(c.after, p.Values(kCurrentUser, kProgram, {"FirstTime"}));
    Start(p.forms);
    EXPECT_EQ(c.answer == kNo, p.forms.Find("Form7") != nullptr);
  }
}

const std::string kOptions[] = {"OptPrompt", "OptDontPromptAndLogOff",
                                "OptDontPromptAndDontLogOff"};

ui::OptionButton& Option(ui::Window& w, const std::string& name) {
  return dynamic_cast<ui::OptionButton&>(*w.Find(name));
}

// Every answer, and the next Apply: a choice acts from then on; each prompt starts afresh.
TEST(LogOffPrompt, EveryAnswerAndTheNextApply) {
  const struct {
    char answer;  // 'L' Log off now, 'C' Cancel, 'X' the close box
    int choice;   // in kOptions
    const char* stored;
    int tweak_option;  // the tweak window's twin of kOptions selected afterwards
    char next;         // the next Apply: 'P' prompts, 'L' logs off at once, '-' does neither
  } cases[] = {
      {'L', 1, "NoPromptLogOff", 0, 'P'}, {'L', 2, "NoPromptNoLogOff", 0, 'P'},
      {'C', 1, "NoPromptLogOff", 1, 'L'}, {'C', 2, "NoPromptNoLogOff", 2, '-'},
      {'X', 2, "Prompt", 0, 'P'},
  };
  const std::map<char, Lines> next = {
      {'P', {"Beep", "ShowModal: Form5", "Close: Form5"}}, {'L', {"LogOff"}}, {'-', {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    Program p;
    Form4& tweak = p.Load();
    p.host.answer_modal = [&](ui::Window& w) {
      auto& prompt = dynamic_cast<Form5&>(w);
      EXPECT_EQ(&prompt.cmdLogoff, prompt.InitialFocus());
      Option(prompt, kOptions[c.choice]).Select();
      if (c.answer == 'L') prompt.cmdLogoff.Click();
      if (c.answer == 'C') prompt.Command1.Click();
      if (c.answer == 'X') p.forms.Close(prompt);
    };
    tweak.BtnApply.Click();
    p.forms.Collect();
    EXPECT_EQ(c.stored, p.Values(kCurrentUser, kProgram, {"LogOffBox"}));
    EXPECT_EQ(c.answer == 'L' ? 1 : 0, p.host.Count("LogOff"));
    EXPECT_TRUE(Option(tweak, kOptions[c.tweak_option] + "1").value());
    EXPECT_EQ("ShowModal: Form5", p.host.events.at(1)) << "after the beep";
    p.host.events.clear();
    p.host.answer_modal = [](ui::Window& w) { EXPECT_TRUE(Option(w, kOptions[0]).value()); };
    tweak.BtnApply.Click();
    EXPECT_EQ(next.at(c.next), p.host.events);
  }
}

// One program's command line: files in memory, output lines as Latin-1.
struct Platform final : CommandPlatform {
  template <class... Args>
  explicit Platform(Args... args) : p(args...) {}
  bool ReadFile(const std::u16string& name, std::string& bytes, std::string& why) override {
    return files.count(name) ? (bytes = files[name], true) : (why = "cannot be opened", false);
  }
  bool ReplaceFile(const std::u16string& name, const std::string& bytes, std::string&) override {
    return (files[name] = bytes, true);
  }
  void Out(const std::u16string& line) override { out.emplace_back(line.begin(), line.end()); }
  void Err(const std::u16string& line) override { err.emplace_back(line.begin(), line.end()); }
  TextCodec& codec() override { return latin1; }
  RegistryBackend& registry() override { return p.registry; }
  int PlatformId() override { return 2; }
  int Run(const std::vector<std::u16string>& args) {
    return out.clear(), err.clear(), RunCommand(args, *this);
  }
  Program p;
  Latin1Codec latin1;
  std::map<std::u16string, std::string> files;
  Lines out, err;
};

int Writes(const FaultyRegistry& r) {
  return static_cast<int>(std::count_if(r.calls.begin(), r.calls.end(),
                                        [](const auto& c) { return c.op == 'W' || c.op == 'D'; }));
}

// The status and the first line, on err unless done; nothing written. A file with a key or value
// outside what Apply writes, or of a type its row cannot hold, is refused on one line.
TEST(Commands, OptionsAndFilesTheCatalogueDoesNotHold) {
  const struct {
    const char *body, *first;  // f.reg's lines after its header
    std::vector<std::u16string> args = {u"--import", u"f.reg"};
    int status = kBadInput;
  } cases[] = {
      {"", "Usage: quillmar", {u"--help"}, kDone},
      {"", "Quillmar 1.0", {u"--version"}, kDone},
      {"", "Usage: quillmar", {u"--bogus"}},
      {"", "Usage: quillmar", {u"--export"}},
      {"", "Usage: quillmar", {u"--import", u"--dry-run"}},
      {"", "Usage: quillmar", {u"--export", u"f.reg", u"--dry-run"}},
      {"", "none.reg: cannot be opened", {u"--import", u"none.reg"}},
      {"[HKCU\\Software\\Other]", "f.reg:2: [HKEY_CURRENT_USER\\Software\\Other] is not a key"},
      {"[HKCU\\Software\\Quillmar]\n\"FirstTime\"=\"x\"", "f.reg:3: \"FirstTime\" is not a value"},
      {"[HKCU\\Software\\Quillmar]\n\"bmp\"=\"PBrush\"", "f.reg:3: \"bmp\" is this account's own"},
      {"[HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs]\n\"url01\"=\"a\"",
       "f.reg:3: \"url01\" is not"},
      {"[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]\n\"No\\\"Find\"=-",
       "f.reg:3: \"No\"Find\" is not"},
      {"[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]\n\"NoFind\"=\"1\"",
       "f.reg:3: \"NoFind\" must be a number"},
      {"[HKCU\\Control Panel\\Desktop\\WindowMetrics]\n\"Shell Icon Size\"=dword:20",
       "f.reg:3: \"Shell Icon Size\" must be a text"},
      {"[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]\n\"NoFind\"=-\n"
       "[hkey_current_user\\software\\microsoft\\windows\\currentversion\\policies\\EXPLORER]\n"
       "\"nofind\"=dword:1",
       "f.reg:5: \"nofind\" is already given on line 3"},
      {"[HKCU\\Software\\Quillmar]\n\"LogOffBox\"=hex:01", "f.reg:3: a hex: value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    Platform p("1", "Prompt");
    p.files[u"f.reg"] = std::string("REGEDIT4\n") + c.body + "\n";
    p.p.registry.armed = true;
    EXPECT_EQ(c.status, p.Run(c.args));
    EXPECT_EQ(0, Writes(p.p.registry));
    const Lines& lines = c.status == kDone ? p.out : p.err;
    ASSERT_TRUE(*c.body ? lines.size() == 1 : !lines.empty()) << lines.size() << " lines";
    EXPECT_EQ(0u, lines[0].rfind(c.first, 0)) << lines[0];
  }
}

// Export, import on a clean account, export again: the same bytes; importing again changes nothing.
TEST(Commands, RoundTripAndDryRun) {
  Platform from("1", "NoPromptNoLogOff"), to;
  ASSERT_EQ(kDone, from.Run({u"--export", u"a.reg"}));
  // On the same machine: the user-profile guard lets MustBeValidated through.
  Store(to.p.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
  to.files = from.files;
  EXPECT_EQ(kDone, to.Run({u"--import", u"a.reg"}));
  EXPECT_EQ("Most settings take effect at the next logon.", to.out.back());
  ASSERT_EQ(kDone, to.Run({u"--export", u"b.reg"}));
  EXPECT_EQ(to.files[u"a.reg"], to.files[u"b.reg"]);
  EXPECT_EQ(".", to.p.Values(kCurrentUser, kProgram, {"FirstTime"}));

  EXPECT_EQ(kDone, to.Run({u"--import", u"a.reg"}));
  EXPECT_EQ(Lines{"Nothing changed."}, to.out);
  to.p.registry.armed = true;
  to.files[u"c.reg"] =
      std::string("REGEDIT4\r\n[HKCU\\") + kExplorer + "]\r\n\"NoFind\"=dword:1\r\n";
  const std::string change = std::string("HKEY_CURRENT_USER\\") + kExplorer + "\\NoFind: 0 -> 1";
  EXPECT_EQ(kDone, to.Run({u"--dry-run", u"--import", u"c.reg"}));
  EXPECT_EQ((Lines{"Dry run: nothing is written.", change}), to.out);
  EXPECT_EQ(0, Writes(to.p.registry));
  EXPECT_EQ(kDone, to.Run({u"--import", u"c.reg"}));
  EXPECT_EQ((Lines{change, "Most settings take effect at the next logon."}), to.out);
}

// The file stands in for the stored values at the load and Apply's rules decide what is written:
// the Active Desktop override, the Documents group, the kept bitmap type, typed URLs as texts.
TEST(Commands, ImportIsTheWindowsApply) {
  using Stored = std::vector<std::tuple<RegHandle, const char*, const char*, const char*>>;
  const std::string explorer = std::string("[HKCU\\") + kExplorer + "]\n";
  const Stored thumbnails = {{kClassesRoot, ".bmp", "", "Paint.Picture"},
                             {kClassesRoot, "Paint.Picture\\DefaultIcon", "", "%1"},
                             {kCurrentUser, kProgram, "bmp", "PBrush"}};
  const std::tuple<std::string, Stored, const char*> cases[] = {
      {explorer + "\"NoActiveDesktop\"=dword:1\n\"NoSetActiveDesktop\"=dword:0",
       {},
       "#1 #0 . . . . ."},
      {explorer +
           "\"NoRecentDocsMenu\"=dword:1\n\"NoSMMyDocs\"=dword:0\n\"NoRecentDocsHistory\"=dword:1",
       {},
       "#0 #0 . . . . ."},
      {"[HKCR\\.bmp]\n@=\"Paint.Picture\"\n[HKCR\\Paint.Picture\\DefaultIcon]\n@=\"%1\"",
       {{kClassesRoot, ".bmp", "", "PBrush"}},
       "#0 #0 Paint.Picture PBrush . . ."},
      {"[HKCR\\.bmp]\n@=\"Other\"", thumbnails, "#0 #0 PBrush PBrush . . ."},
      {std::string("[HKCU\\") + kUrls + "]\n\"url1\"=\"123\"\n\"URL2\"=\"b\"",
       {{kCurrentUser, kUrls, "url1", "a"}, {kCurrentUser, kUrls, "url3", "c"}},
       "#0 #0 . . 123 b c"},
  };
  for (const auto& [file, stored, after] : cases) {
    SCOPED_TRACE(after);
    Platform platform;
    Program& p = platform.p;
    for (const auto& [root, path, name, text] : stored)
      Store(p.registry, root, path, name, Text(text));
    platform.files[u"f.reg"] = "REGEDIT4\n" + file + "\n";
    EXPECT_EQ(kDone, platform.Run({u"--import", u"f.reg"}));
    EXPECT_EQ(after, p.Values(kCurrentUser, kExplorer, {"NoSetActiveDesktop", "NoRecentDocsMenu"}) +
                         " " + p.Values(kClassesRoot, ".bmp", {""}) + " " +
                         p.Values(kCurrentUser, kProgram, {"bmp"}) + " " +
                         p.Values(kCurrentUser, kUrls, {"url1", "url2", "url3"}));
  }
}

// Reads see the overlay's own records first, then the values in front, then the registry behind.
TEST(Overlay, ReadsSeeRecordsThenFrontThenBehind) {
  MemoryRegistry memory;
  for (const char* name : {"a", "b", "c"}) Store(memory, kCurrentUser, "K", name, Text("behind"));
  OverlayRegistry overlay(memory, OverlayRegistry::Writes::kKept);
  overlay.PutInFront(kCurrentUser, "k", "A", StoredValue{kRegSz, std::string("front\0", 6)});
  overlay.PutInFront(kCurrentUser, "k", "B", StoredValue{kRegSz, std::string("front\0", 6)});
  Module1 m(overlay);
  m.SaveValue(kCurrentUser, "K", "b", std::string("mine"));
  m.DeleteValue(kCurrentUser, "K", "c");
  EXPECT_EQ("front mine", AsText(m.QueryValue(kCurrentUser, "K", "a")) + " " +
                              AsText(m.QueryValue(kCurrentUser, "K", "b")) +
                              AsText(m.QueryValue(kCurrentUser, "K", "c")));
}

// A standard user: the machine-wide rows are listed as refused, everything else is written.
TEST(Commands, RefusedWritesAreListed) {
  Platform platform;
  Program& p = platform.p;
  p.registry.refused_root = kLocalMachine, p.registry.code = kAccessDenied;
  platform.files[u"f.reg"] =
      std::string("REGEDIT4\n[HKCU\\") + kUserInfo + "]\n\"DefName\"=\"Ann\"\n";
  EXPECT_EQ(kSomeRefused, platform.Run({u"--import", u"f.reg"}));
  EXPECT_EQ((Lines{"HKEY_LOCAL_MACHINE\\Network\\Logon\\MustBeValidated: not written (error 5)",
                   std::string("HKEY_LOCAL_MACHINE\\") + kVersion +
                       "\\RegisteredOwner: not written (error 5)"}),
            platform.err);
  EXPECT_EQ(". Ann", p.Values(kLocalMachine, kVersion, {"RegisteredOwner"}) + " " +
                         p.Values(kCurrentUser, kUserInfo, {"DefName"}));
  EXPECT_EQ("Most settings take effect at the next logon.", platform.out.back());
}

}  // namespace
}  // namespace quillmar::test
