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

// Refuses every key under HKEY_LOCAL_MACHINE as a standard user's registry does.
struct StandardUser final : RegistryBackend {
  explicit StandardUser(RegistryBackend& r) : inner(r) {}
  std::int32_t OpenKey(RegHandle root, const std::string& p, RegHandle& key) override {
    return inner.OpenKey(root, p, key);
  }
  std::int32_t CreateKey(RegHandle root, const std::string& p, RegHandle& key) override {
    return root == kLocalMachine ? kAccessDenied : inner.CreateKey(root, p, key);
  }
  std::int32_t QueryValue(RegHandle k, const std::string& n, std::uint32_t* t, std::uint8_t* d,
                          std::uint32_t* s) override {
    return inner.QueryValue(k, n, t, d, s);
  }
  std::int32_t SetValue(RegHandle k, const std::string& n, std::uint32_t t, const std::uint8_t* d,
                        std::uint32_t s) override {
    return inner.SetValue(k, n, t, d, s);
  }
  std::int32_t DeleteValue(RegHandle k, const std::string& n) override {
    return inner.DeleteValue(k, n);
  }
  std::int32_t CloseKey(RegHandle k) override { return inner.CloseKey(k); }
  RegistryBackend& inner;
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

// The file stands in for the stored values at the load; Apply's rules decide what is written.
TEST(Commands, ImportIsTheWindowsApply) {
  const char* kBmp =
      "[HKCR\\.bmp]\n@=\"Paint.Picture\"\n[HKCR\\Paint.Picture\\DefaultIcon]\n@=\"%1\"\n";
  struct Case {
    std::string file;
    std::function<void(Program&)> stored;
    std::function<std::string(Program&)> after;
    const char* expected;
  };
  const Case cases[] = {
      // Without the Active Desktop feature its menu item goes too.
      {std::string("[HKCU\\") + kExplorer +
           "]\n\"NoActiveDesktop\"=dword:1\n\"NoSetActiveDesktop\"=dword:0\n",
       [](Program&) {},
       [](Program& p) { return p.Values(kCurrentUser, kExplorer, {"NoSetActiveDesktop"}); }, "#1"},
      // Shown My Documents keeps the Documents item shown.
      {std::string("[HKCU\\") + kExplorer +
           "]\n\"NoRecentDocsMenu\"=dword:1\n\"NoSMMyDocs\"=dword:0\n\"NoRecentDocsHistory\"=dword:"
           "1\n",
       [](Program&) {},
       [](Program& p) { return p.Values(kCurrentUser, kExplorer, {"NoRecentDocsMenu"}); }, "#0"},
      // Thumbnails on: the account's own type is the one kept in bmp.
      {kBmp, [](Program& p) { Store(p.registry, kClassesRoot, ".bmp", "", Text("PBrush")); },
       [](Program& p) {
         return p.Values(kClassesRoot, ".bmp", {""}) + " " +
                p.Values(kCurrentUser, kProgram, {"bmp"});
       },
       "Paint.Picture PBrush"},
      // Thumbnails off: the account's kept type comes back, not the file's.
      {"[HKCR\\.bmp]\n@=\"Other\"\n",
       [](Program& p) {
         Store(p.registry, kClassesRoot, ".bmp", "", Text("Paint.Picture"));
         Store(p.registry, kClassesRoot, "Paint.Picture\\DefaultIcon", "", Text("%1"));
         Store(p.registry, kCurrentUser, kProgram, "bmp", Text("PBrush"));
       },
       [](Program& p) { return p.Values(kClassesRoot, ".bmp", {""}); }, "PBrush"},
      // The history is rewritten from url1 as texts; what the file does not name stays.
      {std::string("[HKCU\\") + kUrls + "]\n\"url1\"=\"123\"\n\"URL2\"=\"b\"\n",
       [](Program& p) {
         for (const char* n : {"url1", "url2", "url3"})
           Store(p.registry, kCurrentUser, kUrls, n, Text(n));
       },
       [](Program& p) {
         return p.Values(kCurrentUser, kUrls, {"url1", "url2", "url3", "url4"});
       },
       "123 b url3 ."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    Program p;
    c.stored(p);
    Platform platform(p.registry);
    platform.files[u"f.reg"] = "REGEDIT4\n" + c.file;
    EXPECT_EQ(kDone, platform.Run({"--import", "f.reg"}));
    EXPECT_EQ(c.expected, c.after(p));
  }
}

// A standard user: the machine-wide rows are listed as refused, everything else is written.
TEST(Commands, RefusedWritesAreListed) {
  MemoryRegistry memory;
  StandardUser user(memory);
  Platform p(user);
  p.files[u"f.reg"] = std::string("REGEDIT4\n[HKCU\\") + kUserInfo + "]\n\"DefName\"=\"Ann\"\n";
  EXPECT_EQ(kSomeRefused, p.Run({"--import", "f.reg"}));
  EXPECT_EQ((std::vector<std::string>{
                "HKEY_LOCAL_MACHINE\\Network\\Logon\\MustBeValidated: not written (error 5)",
                std::string("HKEY_LOCAL_MACHINE\\") + kVersion +
                    "\\RegisteredOwner: not written (error 5)"}),
            p.err);
  EXPECT_EQ(std::string("HKEY_CURRENT_USER\\") + kUserInfo + "\\DefName: (none) -> \"Ann\"",
            p.out[p.out.size() - 4]);
  EXPECT_EQ("Most settings take effect at the next logon.", p.out.back());
}

}  // namespace
}  // namespace quillmar::test
