#include <gtest/gtest.h>

#include "logoff/Form5.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

using Lines = std::vector<std::string>;

enum Agreement { kNotShown, kYes, kNo, kCloseBox };

// Only a missing or empty marker shows the agreement, which marks the first run at once.
TEST(StartUp, FirstTimeAndTheAgreement) {
  const struct {
    Stored stored;
    Agreement answer;
    Stored after;
    bool tweak_open;
  } cases[] = {
      {.stored = kAbsent, .answer = kYes, .after = Sz("First"), .tweak_open = true},
      {.stored = Sz(""), .answer = kNo, .after = Sz(""), .tweak_open = false},
      {.stored = kAbsent, .answer = kCloseBox, .after = Sz("First"), .tweak_open = false},
      {.stored = Dword(1), .answer = kNotShown, .after = Dword(1), .tweak_open = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.stored));
    Program p;
    if (c.stored) p.Store(kProgram, "FirstTime", *c.stored);
    Start(p.forms);
    const bool shown = c.answer != kNotShown;
    const Lines opened =
        shown ? Lines{"Show: Form7", "Beep"} : Lines{"Close: Form7", "Show: Form4"};
    EXPECT_EQ(opened, p.host.events);
    auto* agreement = dynamic_cast<Form7*>(p.forms.Find("Form7"));
    ASSERT_EQ(shown, agreement != nullptr);
    if (c.answer == kYes) agreement->Command1.Click();
    if (c.answer == kNo) agreement->Command2.Click();
    if (c.answer == kCloseBox) p.forms.Close(*agreement);
    p.forms.Collect();
    EXPECT_EQ(c.tweak_open, p.forms.AnyOpen());
    EXPECT_EQ(c.after, p.At(kProgram, "FirstTime"));
  }
}

// Every window is built before anything shows, so a control a table names wrongly stops it.
TEST(StartUp, BuildsEveryWindowFirst) {
  Program p;
  p.forms.Register("Broken", [&p](ui::Forms& forms) -> std::unique_ptr<ui::Window> {
    auto window = std::make_unique<Form7>(forms, p.module, Location{});
    window->Get<ui::CheckBox>("Text1");
    return window;
  });
  EXPECT_THROW(Start(p.forms), std::logic_error);
  EXPECT_EQ(Lines{}, p.host.events);
}

// "Log off now" keeps the prompt's choice and logs off, leaving the window's own choice, so the
// next Apply prompts again: afresh, after its beep, with "Log off now" focused.
TEST(LogOffPrompt, LogOffNowAndTheNextApply) {
  Program p;
  Form4& tweak = p.Load();
  p.host.answer_modal = [](ui::Window& w) {
    auto& prompt = dynamic_cast<Form5&>(w);
    prompt.OptDontPromptAndLogOff.Select();
    prompt.cmdLogoff.Click();
  };
  tweak.BtnApply.Click();
  p.forms.Collect();
  EXPECT_EQ(Sz("NoPromptLogOff"), p.At(kProgram, "LogOffBox"));
  EXPECT_EQ(1, p.host.Count("LogOff"));
  EXPECT_TRUE(tweak.OptPrompt1.value());
  p.host.events.clear();
  p.host.answer_modal = [](ui::Window& w) {
    auto& prompt = dynamic_cast<Form5&>(w);
    EXPECT_TRUE(prompt.OptPrompt.value());
    EXPECT_EQ(&prompt.cmdLogoff, prompt.InitialFocus());
  };
  tweak.BtnApply.Click();
  // Running programs are told before the log-off step.
  EXPECT_EQ((Lines{"SettingsChanged", "Beep", "ShowModal: Form5", "Close: Form5"}), p.host.events);
}

// Cancel keeps the prompt's choice as the window's own, and the next Apply acts on it.
TEST(LogOffPrompt, CancelMakesTheChoiceTheWindows) {
  const struct {
    const char* option;
    Raw stored;
    const char* twin;
    Lines next_apply;
  } cases[] = {
      {.option = "OptDontPromptAndLogOff",
       .stored = Sz("NoPromptLogOff"),
       .twin = "OptDontPromptAndLogOff1",
       .next_apply = {"SettingsChanged", "LogOff"}},
      {.option = "OptDontPromptAndDontLogOff",
       .stored = Sz("NoPromptNoLogOff"),
       .twin = "OptDontPromptAndDontLogOff1",
       .next_apply = {"SettingsChanged"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    Program p;
    Form4& tweak = p.Load();
    p.host.answer_modal = [&](ui::Window& w) {
      auto& prompt = dynamic_cast<Form5&>(w);
      prompt.Get<ui::OptionButton>(c.option).Select();
      prompt.Command1.Click();
    };
    tweak.BtnApply.Click();
    p.forms.Collect();
    EXPECT_EQ(c.stored, p.At(kProgram, "LogOffBox"));
    EXPECT_TRUE(tweak.Get<ui::OptionButton>(c.twin).value());
    p.host.events.clear();
    tweak.BtnApply.Click();
    EXPECT_EQ(c.next_apply, p.host.events);
  }
}

std::string Header(Key key) {
  return "[" + std::string(RootName(key.root)) + "\\" + key.path + "]\n";
}

// The status and the first line, on stderr unless done; nothing written.
TEST(Commands, BadCommandLines) {
  const struct {
    std::vector<std::u16string> args;
    int status;
    const char* first;
  } cases[] = {
      {.args = {u"--help"}, .status = kDone, .first = "Usage: quillmar"},
      {.args = {u"--version"}, .status = kDone, .first = "Quillmar 1.0"},
      {.args = {u"--import", u"--dry-run"}, .status = kBadInput, .first = "Usage: quillmar"},
      {.args = {u"--export", u"f.reg", u"--dry-run"},
       .status = kBadInput,
       .first = "Usage: quillmar"},
      {.args = {u"--import", u"none.reg"},
       .status = kBadInput,
       .first = "none.reg: cannot be opened"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    Platform platform;
    platform.p.registry.armed = true;
    EXPECT_EQ(c.status, platform.Run(c.args));
    const Lines& lines = c.status == kDone ? platform.out : platform.err;
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines[0].starts_with(c.first)) << lines[0];
    EXPECT_EQ(0, platform.p.registry.Writes());
  }
}

// A key or value outside what Apply writes, or of a type its row cannot hold, is refused on one
// line, and nothing is written.
TEST(Commands, FilesTheCatalogueDoesNotHoldAreRefused) {
  const struct {
    std::string body;  // after REGEDIT4
    const char* error;
  } cases[] = {
      {.body = "[HKCU\\Software\\Other]",
       .error = "f.reg:2: [HKEY_CURRENT_USER\\Software\\Other] is not a key Quillmar sets"},
      {.body = Header(kProgram) + "\"FirstTime\"=\"x\"",
       .error = "f.reg:3: \"FirstTime\" is not a value Quillmar sets"},
      {.body = Header(kProgram) + "\"bmp\"=\"PBrush\"",
       .error = "f.reg:3: \"bmp\" is this account's own and never imported"},
      {.body = Header(kUrls) + "\"url01\"=\"a\"",
       .error = "f.reg:3: \"url01\" is not a value Quillmar sets"},
      {.body = Header(kExplorer) + "\"NoFind\"=\"1\"",
       .error = "f.reg:3: \"NoFind\" must be a number (dword:)"},
      {.body = Header(kMetrics) + "\"Shell Icon Size\"=dword:20",
       .error = "f.reg:3: \"Shell Icon Size\" must be a text in quotes"},
      {.body = Header(kExplorer) + "\"NoFind\"=-\n[hkey_current_user\\" + kExplorer.path +
               "]\n\"nofind\"=dword:1\n\"NoRun\"=\"1\"",
       .error = "f.reg:5: \"nofind\" is already given on line 3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    Platform platform;
    platform.files[u"f.reg"] = "REGEDIT4\n" + c.body + "\n";
    platform.p.registry.armed = true;
    EXPECT_EQ(kBadInput, platform.Run({u"--import", u"f.reg"}));
    EXPECT_EQ(Lines{c.error}, platform.err);
    EXPECT_EQ(Lines{}, platform.out);
    EXPECT_EQ(0, platform.p.registry.Writes());
  }
}

// XML 1.0 cannot hold most control characters: a text with one stops the export.
TEST(Commands, PreferenceItemsRefuseATextXmlCannotHold) {
  Platform platform;
  platform.p.Store(kUserInfo, "DefName", Sz("Ann\x01"));
  EXPECT_EQ(kBadInput, platform.Run({u"--export", u"f.xml"}));
  EXPECT_EQ(Lines{"f.xml: a value that XML cannot hold or that is not text in the ANSI code page"},
            platform.err);
  EXPECT_EQ(0u, platform.files.count(u"f.xml"));
}

// Only an import that changed something tells running programs, of the metrics too when it
// changed the icon size; a dry run and a check tell none.
TEST(Commands, AnImportThatChangedSomethingTellsRunningPrograms) {
  Platform platform;
  platform.files[u"f.reg"] = "REGEDIT4\n" + Header(kExplorer) + "\"NoFind\"=dword:1\n";
  platform.Run({u"--import", u"f.reg", u"--dry-run"});
  platform.Run({u"--import", u"f.reg"});  // every value, the icon size among them
  platform.p.Store(kExplorer, "NoFind", Dword(0));
  platform.Run({u"--check", u"f.reg"});
  platform.Run({u"--import", u"f.reg"});
  platform.Run({u"--import", u"f.reg"});
  EXPECT_EQ((std::vector<bool>{true, false}), platform.told);
}

// The file stands in for the stored values at the load and Apply's rules decide what is written:
// the Documents group as on this platform, the kept bitmap type restored, typed URLs as texts.
TEST(Commands, ImportIsTheWindowsApply) {
  struct Value {
    Key key;
    const char* name;
    Stored stored;
  };
  const struct {
    const char* label;
    std::string file;  // after REGEDIT4
    std::vector<Value> before = {};
    std::vector<Value> after;
  } cases[] = {
      {.label = "the Documents group follows its children",
       .file = Header(kExplorer) + "\"NoRecentDocsMenu\"=dword:1\n\"NoSMMyDocs\"=dword:0\n"
                                   "\"NoRecentDocsHistory\"=dword:1",
       .after = {{kExplorer, "NoRecentDocsMenu", Dword(0)}}},
      {.label = "thumbnails off restore the kept type",
       .file = Header(kBitmapType) + "@=\"Other\"",
       .before = {{kBitmapType, "", Sz("Paint.Picture")},
                  {kBitmapIcon, "", Sz("%1")},
                  {kProgram, "bmp", Sz("PBrush")}},
       .after = {{kBitmapType, "", Sz("PBrush")}, {kProgram, "bmp", Sz("PBrush")}}},
      {.label = "typed URLs, digits as text and names in any case",
       .file = Header(kUrls) + "\"url1\"=\"123\"\n\"URL2\"=\"b\"",
       .before = {{kUrls, "url1", Sz("a")}, {kUrls, "url3", Sz("c")}},
       .after = {{kUrls, "url1", Sz("123")}, {kUrls, "url2", Sz("b")}, {kUrls, "url3", Sz("c")}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Platform platform;
    for (const Value& v : c.before) platform.p.Store(v.key, v.name, *v.stored);
    platform.files[u"f.reg"] = "REGEDIT4\n" + c.file + "\n";
    EXPECT_EQ(kDone, platform.Run({u"--import", u"f.reg"}));
    for (const Value& v : c.after) EXPECT_EQ(v.stored, platform.p.At(v.key, v.name)) << v.name;
  }
}

// A standard user: the machine-wide rows are listed as refused, everything else is written.
TEST(Commands, RefusedWritesAreListed) {
  Platform platform;
  platform.p.registry.refused_root = kLocalMachine;
  platform.p.registry.code = kAccessDenied;
  platform.files[u"f.reg"] = "REGEDIT4\n" + Header(kUserInfo) + "\"DefName\"=\"Ann\"\n";
  EXPECT_EQ(kSomeRefused, platform.Run({u"--import", u"f.reg"}));
  EXPECT_EQ((Lines{"HKEY_LOCAL_MACHINE\\Network\\Logon\\MustBeValidated: not written (error 5)",
                   std::string("HKEY_LOCAL_MACHINE\\") + kVersion.path +
                       "\\RegisteredOwner: not written (error 5)"}),
            platform.err);
  EXPECT_EQ(kAbsent, platform.p.At(kVersion, "RegisteredOwner"));
  EXPECT_EQ(Sz("Ann"), platform.p.At(kUserInfo, "DefName"));
  EXPECT_EQ("Most settings take effect at the next logon.", platform.out.back());
}

const Key kMachineExplorer{kLocalMachine,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"};
const std::string kMachineNoRun =
    std::string("HKEY_LOCAL_MACHINE\\") + kMachineExplorer.path + "\\NoRun";

// The user's NoRun and its machine-wide twin, which Windows reads first.
const struct {
  const char* label;
  Stored twin;
  Raw user;
  int file;  // NoRun as the checked file gives it
  std::string tip;
  std::string status;
  int check;
  Lines check_out;
} kTwins[] = {
    {.label = "a machine-wide 0 over the user's 1",
     .twin = Dword(0),
     .user = Dword(1),
     .file = 1,
     .tip = "In force for every user of this computer: 0, so \"Run...\" is shown.",
     .status = "Run...: stored 1; machine-wide 0; in force: shown",
     .check = kDiffers,
     .check_out = {kMachineNoRun + ": 0, machine-wide, stays in force over 1"}},
    {.label = "a machine-wide text \"1\" over the user's 1",
     .twin = Sz("1"),
     .user = Dword(1),
     .file = 1,
     .tip = "In force for every user of this computer: \"1\", so \"Run...\" is hidden.",
     .status = "Run...: stored 1; machine-wide \"1\"; in force: hidden",
     .check = kDone,
     .check_out = {"Nothing would change."}},
    {.label = "a machine-wide value of another type reads as none",
     .twin = Raw{kRegBinary, std::string("\1\0\0\0", 4)},
     .user = Dword(0),
     .file = 0,
     .tip = std::string("HKEY_CURRENT_USER\\") + kExplorer.path,
     .status = "Run...: stored 0; in force: shown",
     .check = kDone,
     .check_out = {"Nothing would change."}},
    {.label = "no machine-wide value, the user's a text",
     .twin = kAbsent,
     .user = Sz("1"),
     .file = 1,
     .tip = std::string("HKEY_CURRENT_USER\\") + kExplorer.path,
     .status = "Run...: stored \"1\"; in force: hidden; Apply would change this",
     .check = kDiffers,
     .check_out = {std::string("HKEY_CURRENT_USER\\") + kExplorer.path + "\\NoRun: \"1\" -> 1"}},
};

void StoreNoRun(Program& p, const Stored& twin, const Raw& user) {
  if (twin) p.Store(kMachineExplorer, "NoRun", *twin);
  p.Store(kExplorer, "NoRun", user);
}

TEST(MachineWide, TheTipSaysWhatIsInForceFirst) {
  for (const auto& c : kTwins) {
    SCOPED_TRACE(c.label);
    Program p;
    StoreNoRun(p, c.twin, c.user);
    const Form4& f = p.Load();
    const std::string tip = f.ToolTip(f.ChckRun);
    EXPECT_EQ(c.tip, tip.substr(0, tip.find('\n')));
  }
}

TEST(MachineWide, StatusShowsWhatIsInForce) {
  for (const auto& c : kTwins) {
    SCOPED_TRACE(c.label);
    Platform platform;
    StoreNoRun(platform.p, c.twin, c.user);
    platform.p.registry.armed = true;
    EXPECT_EQ(kDone, platform.Run({u"--status"}));
    EXPECT_EQ(0, platform.p.registry.Writes());
    const auto run =
        std::find_if(platform.out.begin(), platform.out.end(),
                     [](const std::string& line) { return line.starts_with("Run..."); });
    ASSERT_NE(run, platform.out.end());
    EXPECT_EQ(c.status, *run);
  }
}

// Only a file everything else in it already agrees with: what --check sees is NoRun alone.
TEST(MachineWide, CheckTellsAFileFromWhatIsInForce) {
  for (const auto& c : kTwins) {
    SCOPED_TRACE(c.label);
    Platform platform;
    platform.files[u"f.reg"] =
        "REGEDIT4\n" + Header(kExplorer) + "\"NoRun\"=dword:" + std::to_string(c.file) + "\n";
    platform.Run({u"--import", u"f.reg"});
    StoreNoRun(platform.p, c.twin, c.user);
    platform.p.registry.armed = true;
    EXPECT_EQ(c.check, platform.Run({u"--check", u"f.reg"}));
    EXPECT_EQ(c.check_out, platform.out);
    EXPECT_EQ(0, platform.p.registry.Writes());
  }
}

// Whatever a text holds, the document is JSON of nothing but ASCII.
TEST(MachineWide, StatusAsJsonEscapesEveryText) {
  Platform platform;
  platform.p.Store(kUserInfo, "DefName", Sz("a\"b\\c\x01\xe9"));
  EXPECT_EQ(kDone, platform.Run({u"--status", u"--json"}));
  const auto name = std::find_if(platform.out.begin(), platform.out.end(), [](const auto& line) {
    return line.find("\"Default name:\"") != std::string::npos;
  });
  ASSERT_NE(name, platform.out.end());
  EXPECT_EQ(
      "  {\"caption\": \"Default name:\", \"stored\": \"a\\u0022b\\u005cc\\u0001\\u00e9\", "
      "\"machine_wide\": null, \"in_force\": \"a\\u0022b\\u005cc\\u0001\\u00e9\", "
      "\"apply_would_change\": true},",
      *name);
}

}  // namespace
}  // namespace quillmar::test
