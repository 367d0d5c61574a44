#include <gtest/gtest.h>

#include "app/Commands.h"
#include "tests/support/HeadlessHost.h"
#include "tests/support/Latin1Codec.h"

namespace quillmar::test {
namespace {

// Files in memory; output lines as Latin-1.
struct Platform final : CommandPlatform {
  explicit Platform(RegistryBackend& r) : backend(r) {}
  bool ReadFile(const std::u16string& name, std::string& bytes, std::string& why) override {
    const auto it = files.find(name);
    if (it == files.end()) return (why = "cannot be opened", false);
    return (bytes = it->second, true);
  }
  bool ReplaceFile(const std::u16string& name, const std::string& bytes, std::string&) override {
    return (files[name] = bytes, true);
  }
  void Out(const std::u16string& line) override { out.push_back(Narrow(line)); }
  void Err(const std::u16string& line) override { err.push_back(Narrow(line)); }
  TextCodec& codec() override { return latin1; }
  RegistryBackend& registry() override { return backend; }
  int PlatformId() override { return 2; }
  std::string Narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

  int Run(std::vector<std::string> args) {
    out.clear(), err.clear();
    std::vector<std::u16string> wide;
    for (const std::string& a : args) wide.emplace_back(a.begin(), a.end());
    return RunCommand(wide, *this);
  }
  RegistryBackend& backend;
  Latin1Codec latin1;
  std::map<std::u16string, std::string> files;
  std::vector<std::string> out, err;
};

int Writes(const FaultyRegistry& r) {
  return static_cast<int>(std::count_if(r.calls.begin(), r.calls.end(),
                                        [](const auto& c) { return c.op == 'W' || c.op == 'D'; }));
}

TEST(Commands, OptionsAndExitStatus) {
  const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
      {{"--help"}, kDone, "Usage: quillmar"},
      {{"--version"}, kDone, "Quillmar 1.0"},
      {{"--bogus"}, kBadInput, "!Usage: quillmar"},
      {{"--export"}, kBadInput, "!Usage: quillmar"},
      {{"--import", "--dry-run"}, kBadInput, "!Usage: quillmar"},
      {{"--export", "f.reg", "--dry-run"}, kBadInput, "!Usage: quillmar"},
      {{"--import", "none.reg"}, kBadInput, "!none.reg: cannot be opened"},
  };
  for (const auto& [args, status, first] : cases) {
    SCOPED_TRACE(first);
    MemoryRegistry memory;
    Platform p(memory);
    EXPECT_EQ(status, p.Run(args));
    const auto& lines = first[0] == '!' ? p.err : p.out;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(0u, lines[0].rfind(first + (first[0] == '!'), 0)) << lines[0];
  }
}

// A key or value outside what Apply writes, or of a type its row cannot hold: nothing written.
TEST(Commands, ImportRefusesWhatTheCatalogueDoesNotHold) {
  const std::pair<const char*, const char*> cases[] = {
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
  for (const auto& [body, message] : cases) {
    SCOPED_TRACE(body);
    Program seeded("1", "Prompt");
    Platform p(seeded.registry);
    p.files[u"f.reg"] = std::string("REGEDIT4\n") + body + "\n";
    seeded.registry.armed = true;
    EXPECT_EQ(kBadInput, p.Run({"--import", "f.reg"}));
    EXPECT_EQ(0, Writes(seeded.registry));
    ASSERT_EQ(1u, p.err.size());
    EXPECT_EQ(0u, p.err[0].rfind(message, 0)) << p.err[0];
  }
}

// Export, import on a clean account, export again: the same bytes; importing again changes nothing.
TEST(Commands, RoundTripAndDryRun) {
  Program source("1", "NoPromptNoLogOff");
  Platform from(source.registry);
  ASSERT_EQ(kDone, from.Run({"--export", "a.reg"}));
  Program clean;  // on the same machine: the user-profile guard lets MustBeValidated through
  Store(clean.registry, kLocalMachine, kLogon, "UserProfiles", Number(1));
  Platform to(clean.registry);
  to.files = from.files;
  EXPECT_EQ(kDone, to.Run({"--import", "a.reg"}));
  EXPECT_EQ("Most settings take effect at the next logon.", to.out.back());
  ASSERT_EQ(kDone, to.Run({"--export", "b.reg"}));
  EXPECT_EQ(to.files[u"a.reg"], to.files[u"b.reg"]);
  EXPECT_EQ(".", clean.Values(kCurrentUser, kProgram, {"FirstTime"}));

  clean.registry.armed = true;
  EXPECT_EQ(kDone, to.Run({"--import", "a.reg"}));
  EXPECT_EQ(std::vector<std::string>{"Nothing changed."}, to.out);
  to.files[u"c.reg"] =
      "REGEDIT4\r\n[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]\r\n"
      "\"NoFind\"=dword:1\r\n";
  const std::string change = std::string("HKEY_CURRENT_USER\\") + kExplorer + "\\NoFind: 0 -> 1";
  EXPECT_EQ(kDone, to.Run({"--dry-run", "--import", "c.reg"}));
  EXPECT_EQ((std::vector<std::string>{"Dry run: nothing is written.", change}), to.out);
  EXPECT_EQ(0, Writes(clean.registry));
  EXPECT_EQ(kDone, to.Run({"--import", "c.reg"}));
  EXPECT_EQ((std::vector<std::string>{change, "Most settings take effect at the next logon."}),
            to.out);
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
    Program p;
    for (const auto& [root, path, name, text] : stored)
      Store(p.registry, root, path, name, Text(text));
    Platform platform(p.registry);
    platform.files[u"f.reg"] = "REGEDIT4\n" + file + "\n";
    EXPECT_EQ(kDone, platform.Run({"--import", "f.reg"}));
    EXPECT_EQ(after, p.Values(kCurrentUser, kExplorer, {"NoSetActiveDesktop", "NoRecentDocsMenu"}) +
                         " " + p.Values(kClassesRoot, ".bmp", {""}) + " " +
                         p.Values(kCurrentUser, kProgram, {"bmp"}) + " " +
                         p.Values(kCurrentUser, kUrls, {"url1", "url2", "url3"}));
  }
}

// A standard user: the machine-wide rows are listed as refused, everything else is written.
TEST(Commands, RefusedWritesAreListed) {
  Program p;
  p.registry.refused_root = kLocalMachine;
  p.registry.code = kAccessDenied;
  Platform platform(p.registry);
  platform.files[u"f.reg"] =
      std::string("REGEDIT4\n[HKCU\\") + kUserInfo + "]\n\"DefName\"=\"Ann\"\n";
  EXPECT_EQ(kSomeRefused, platform.Run({"--import", "f.reg"}));
  EXPECT_EQ((std::vector<std::string>{
                "HKEY_LOCAL_MACHINE\\Network\\Logon\\MustBeValidated: not written (error 5)",
                std::string("HKEY_LOCAL_MACHINE\\") + kVersion +
                    "\\RegisteredOwner: not written (error 5)"}),
            platform.err);
  EXPECT_EQ(". Ann", p.Values(kLocalMachine, kVersion, {"RegisteredOwner"}) + " " +
                         p.Values(kCurrentUser, kUserInfo, {"DefName"}));
  EXPECT_EQ("Most settings take effect at the next logon.", platform.out.back());
}

}  // namespace
}  // namespace quillmar::test
