#include <gtest/gtest.h>

#include <cstdio>

#include "logoff/Form5.h"
#include "tests/support/HeadlessHost.h"

namespace quillmar::test {
namespace {

// Values that one handler reads or writes together fail together.
std::string GroupOf(const std::string& name) {
  static const std::string groups =
      "|NoRecentDocsMenu|NoSMMyDocs|NoRecentDocsHistory|ClearRecentDocsOnExit|;|NoSetActiveDesktop"
      "|NoActiveDesktop|;|MustBeValidated|UserProfiles|;||bmp|;|DefName|RegisteredOwner|;"
      "|DefCompany|RegisteredOrganization|";
  const auto at = groups.find("|" + name + "|");
  if (name.rfind("url", 0) == 0) return "url";
  return at == std::string::npos ? name : std::to_string(groups.rfind(';', at));
}

// The addresses as the next load reads them, up to the first gap.
std::string History(Program& s) {
  const std::string all =
      " " + s.Values(kCurrentUser, kUrls, {"url1", "url2", "url3", "url4", "url5", "url6"});
  return all.substr(0, (all + " .").find(" ."));
}

struct Flow {
  const char *label, *first_time, *log_off, *type, *saved;  // the bitmap type in force and in bmp
  std::function<void(Program&)> run;  // arms the registry around the steps under test
  char deleted = 0;                   // the address the user deletes
  bool tidied = false;                // the next Apply puts the history right after a refusal
};

const Flow kFlows[] = {
    {"first start, Yes, a deletion, then Apply", "", "NoPromptNoLogOff", "PBrush", "",
     [](Program& s) {
       s.Armed([&] { s.Open(); });
       s.tweak->List1.SetListIndex(1), s.tweak->Command2.Click(), s.tweak->BtnApply.Click();
     },
     'b'},
    {"a stale saved type, Apply", "First", "NoPromptNoLogOff", "Other.Image", "PBrush",
     [](Program& s) { s.Open(), s.Armed([&] { s.tweak->BtnApply.Click(); }); }},
    {"Apply with changes, its prompt answered Log off now", "First", "Prompt", "PBrush", "",
     [](Program& s) {
       s.Open();
       s.tweak->List1.SetListIndex(1), s.tweak->Command2.Click();
       s.tweak->ChckThumbnails.SetValue(1), s.tweak->ChckFind.Click();
       s.tweak->ChckADFeature.SetValue(1), s.tweak->TxtName.SetText("Bob");
       s.host.answer_modal = [](ui::Window& w) {
         dynamic_cast<Form5&>(w).OptDontPromptAndLogOff.Select();
         dynamic_cast<Form5&>(w).cmdLogoff.Click();
       };
       s.Armed([&] { s.tweak->BtnApply.Click(); });
     },
     'b', true},
};

TEST(FaultSweep, NothingLostUnderAnyRefusal) {
  int runs = 0, crashes = 0, rows = 0, addresses = 0, types = 0, read_as_missing = 0;
  // A loss, unless a read refused with "not found" took the value for a missing one.
  const auto lost = [&](bool gone, bool read_as_none, int& count, const std::string& what) {
    if (gone) ++(read_as_none ? read_as_missing : count);
    if (gone && !read_as_none) ADD_FAILURE() << what << " lost";
  };
  for (const Flow& flow : kFlows) {
    Program clean(flow.first_time, flow.log_off, flow.type, flow.saved);
    flow.run(clean);
    const auto want = clean.Snapshot();
    // The call each call serves: itself, or for an open or a close the next one that names a value.
    auto served = clean.registry.calls;
    for (std::size_t i = served.size() - 1; i-- > 0;)
      if (served[i].op == 'O' || served[i].op == 'C') served[i] = served[i + 1];
    for (std::int32_t code : {kFileNotFound, kAccessDenied, kInvalidHandle})
      for (bool from_on : {false, true})
        for (std::size_t n = 1; n <= served.size(); ++n) {
          SCOPED_TRACE(std::string(flow.label) + ": call " + std::to_string(n) + " (" +
                       served[n - 1].name + ") refused with " + std::to_string(code) +
                       (from_on ? " and on" : ""));
          ++runs;
          Program s(flow.first_time, flow.log_off, flow.type, flow.saved);
          s.registry.refuse_at = n, s.registry.from_on = from_on, s.registry.code = code;
          try {
            flow.run(s);
          } catch (...) {
            lost(true, false, crashes, "an exception; everything");
            continue;
          }
          EXPECT_EQ(0u, s.memory.OpenHandles()) << "handle left open";
          std::set<std::string> exempt;
          bool url_read = false;  // refused with "not found", a read cannot tell a value from none
          for (std::size_t i = n - 1; i < (from_on ? served.size() : n); ++i) {
            exempt.insert(GroupOf(served[i].name));
            url_read |=
                code == kFileNotFound && served[i].op == 'R' && GroupOf(served[i].name) == "url";
          }
          for (const auto& [where, value] : s.Snapshot())
            lost(exempt.count(GroupOf(where.substr(where.rfind('\\') + 1))) == 0 &&
                     want.at(where) != value,
                 false, rows, where + " = " + want.at(where));
          const std::string history = History(s);
          lost(std::string("abcdef").find_first_not_of(history + flow.deleted) != std::string::npos,
               url_read, addresses, "addresses after" + history);
          lost(s.Values(kClassesRoot, ".bmp", {""}) != flow.type &&
                   s.Values(kCurrentUser, kProgram, {"bmp"}) != flow.type,
               code == kFileNotFound && !from_on && served[n - 1].name.empty(), types,
               "the bitmap type");
          // The next Apply tidies up after a refused typed-URL call; a delete "not found" is done.
          if (flow.tidied && code != kFileNotFound) {
            s.tweak->BtnApply.Click();
            EXPECT_EQ(History(clean), History(s)) << "after the next Apply";
          }
        }
  }
  std::printf(
      "fault sweep: %d runs, %d crashes, %d rows lost, %d runs losing addresses, %d types lost, %d "
      "reads refused with code 2 taken for a missing type or the end of the history\n",
      runs, crashes, rows, addresses, types, read_as_missing);
}

// Bad stored forms with the text each reads as (the registry suite and the fuzz seeds hold more).
const std::pair<Raw, std::string> kBad[] = {
    {{kRegSz, ""}, ""},
    {{kRegSz, "abc"}, "abc"},
    {{kRegSz, std::string(1 << 20, 'x')}, std::string(1 << 20, 'x')},
    {{kRegDword, std::string("\1\0", 2)}, ""},
    {{kRegMultiSz, std::string("1\0b\0\0", 5)}, ""},
    {{kRegExpandSz, std::string("PBrush\0", 7)}, ""},
};

// Each value read (url2 for the URLs) in each bad form, load, untouched Apply (thumbnails on too
// for the type): the rest ends as with what it reads as; an unreadable type is left alone.
TEST(BadData, BehavesAsWhatItReadsAs) {
  std::set<std::string> done;
  Program::ForEachLocation([&](const Row& row, const std::string& name) {
    const std::string where = std::string(KeyOf(row.key).path) + "\\" + name;
    if ((row.value == "url" && name != "url2") || name == "ClearRecentDocsOnExit" ||
        name.rfind("Registered", 0) == 0 || !done.insert(where).second)
      return;
    const auto load_and_apply = [&](const Raw& value, bool thumbnails) {
      Program p("First", "NoPromptNoLogOff", "PBrush", "");
      Store(p.memory, KeyOf(row.key).root, std::string(KeyOf(row.key).path), name, value);
      p.Open();
      if (thumbnails) p.tweak->ChckThumbnails.SetValue(1);
      p.tweak->BtnApply.Click();
      auto out = p.Snapshot();
      out.erase(where);
      return out;
    };
    for (int thumbnails = 0; thumbnails <= (where == ".bmp\\"); ++thumbnails)
      for (const auto& [raw, reads_as] : kBad) {
        SCOPED_TRACE(where + ": type " + std::to_string(raw.type) + ", bytes " +
                     std::to_string(raw.bytes.size()) + (thumbnails ? ", thumbnails" : ""));
        EXPECT_EQ(load_and_apply(Text(reads_as), thumbnails && raw.type == kRegSz),
                  load_and_apply(raw, thumbnails));
      }
  });
}

}  // namespace
}  // namespace quillmar::test
