#include "app/Commands.h"

#include <set>

#include "app/FileCheck.h"
#include "app/Headless.h"
#include "app/Overrides.h"
#include "app/Status.h"
#include "regfile/PreferenceItems.h"
#include "regfile/RegFile.h"
#include "tweak/Setting.h"
#include "ui/Host.h"

namespace quillmar {
namespace {

constexpr const char* kUsage[] = {
    "Usage: quillmar [--export FILE | --import FILE [--dry-run] | --check FILE | --status [--json]",
    "                 | --help | --version]",
    "  (none)                    open the settings window",
    "  --export FILE             write what Apply would write now to FILE, a .reg file",
    "                            (named *.xml: Group Policy registry preference items)",
    "  --import FILE             check FILE against Quillmar's settings, then apply it",
    "  --import FILE --dry-run   check FILE and list what would change, writing nothing",
    "  --check FILE              exit 3 if importing FILE would change something or be overridden",
    "  --status [--json]         list each setting: stored, machine-wide, in force",
    "Exit status: 0 done, 1 some values could not be written, 2 bad command line or file,",
    "3 --check found a difference.",
};

std::u16string Wide(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

// A file named *.xml, in any case, takes preference items; any other a registry editor file.
bool NamesXml(std::u16string_view file) {
  constexpr std::u16string_view kXml = u".xml";
  return file.size() >= kXml.size() &&
         std::equal(kXml.begin(), kXml.end(), file.end() - kXml.size(), [](char16_t x, char16_t c) {
           return x == (c >= u'A' && c <= u'Z' ? c + 32 : c);
         });
}

class Command {
 public:
  Command(CommandPlatform& platform, const std::u16string& file) : p_(platform), file_(file) {}

  int Export() {
    OverlayRegistry overlay(p_.registry(), OverlayRegistry::Writes::kKept);
    RegFile out;
    for (const Change& change : ApplyWithoutView(overlay, p_.PlatformId())) {
      const KeyPath& key = KeyOf(change.spot.row->key);
      if (out.sections.empty() || out.sections.back().root != key.root ||
          out.sections.back().path != key.path)
        out.sections.push_back({0, key.root, std::string(key.path)});
      out.entries.push_back(
          {0, out.sections.size() - 1, change.written->name, Decoded(change.written->after)});
    }
    const bool xml = NamesXml(file_);
    const auto bytes =
        xml ? WritePreferenceItems(out, p_.codec(), p_.Now()) : WriteRegFile(out, p_.codec());
    std::string why = xml ? "a value that XML cannot hold or that is not text in the ANSI code page"
                          : "a value that is not text in the ANSI code page";
    if (!bytes || !p_.ReplaceFile(file_, *bytes, why)) return Fail(why);
    p_.Out(u"Exported " + Wide(std::to_string(out.entries.size())) + u" values to " + file_ + u".");
    return kDone;
  }

  enum class Mode { kImport, kDryRun, kCheck };

  // The window's own load, with the file's values in place of the stored ones, and its own
  // Apply: the same writes in the same order under the same guards. A dry run and a check keep
  // them; a check tells by its status whether the file is what is in force.
  int Import(Mode mode) {
    std::string bytes, why;
    if (!p_.ReadFile(file_, bytes, why)) return Fail(why);
    const auto parsed = ParseRegFile(bytes, p_.codec());
    if (const auto* error = std::get_if<RegFileError>(&parsed)) return Fail(*error);
    const auto checked = CheckFile(std::get<RegFile>(parsed));
    if (const auto* error = std::get_if<RegFileError>(&checked)) return Fail(*error);

    OverlayRegistry overlay(p_.registry(), mode == Mode::kImport ? OverlayRegistry::Writes::kCarried
                                                                 : OverlayRegistry::Writes::kKept);
    // The file's locations that have a machine-wide twin.
    std::set<std::pair<const Row*, std::int32_t>> given;
    for (const FileValue& v : std::get<std::vector<FileValue>>(checked)) {
      const KeyPath& key = KeyOf(v.spot.row->key);
      const std::optional<RegValue>& value = v.entry->value;
      overlay.PutInFront(key.root, key.path, ValueName(*v.spot.row, v.spot.number),
                         value ? std::optional(Encode(*value)) : std::nullopt);
      if (TwinOf(*v.spot.row)) given.insert({v.spot.row, v.spot.number});
    }
    if (mode == Mode::kDryRun) p_.Out(u"Dry run: nothing is written.");
    Module1 machine{p_.registry()};
    int status = kDone;
    int changed = 0;
    bool overridden = false;
    bool icon_size = false;
    // One buffer for every line of the list (--import within its goal in `make bench`).
    std::string line;
    for (const Change& change : ApplyWithoutView(overlay, p_.PlatformId())) {
      const OverlayRegistry::Written& w = *change.written;
      if (w.after != w.before) {
        line.clear();
        line.append(LocationName(change.spot)).append(": ");
        AppendShown(line, w.before);
        line.append(" -> ");
        AppendShown(line, w.after);
        p_.Out(Text(line));
        ++changed;
        icon_size |= change.spot.row->kind == Kind::kIconSize;
      }
      // Only what the file sets is the file's to be overridden.
      const auto twin = given.contains({change.spot.row, change.spot.number})
                            ? Overriding(machine, change)
                            : std::nullopt;
      if (twin) {
        p_.Out(OverridingLine(p_.codec(), change, *twin));
        overridden = true;
      }
      // A refused write of what the location already holds loses nothing.
      if (w.result != kSuccess && w.wanted() != w.after) {
        p_.Err(Text(LocationName(change.spot) + ": not written (error " + std::to_string(w.result) +
                    ")"));
        status = kSomeRefused;
      }
    }
    if (mode == Mode::kCheck && (changed > 0 || overridden)) return kDiffers;
    if (changed == 0)
      p_.Out(mode == Mode::kImport ? u"Nothing changed." : u"Nothing would change.");
    if (changed > 0 && mode == Mode::kImport) {
      p_.Out(u"Most settings take effect at the next logon.");
      p_.SettingsChanged(icon_size);
    }
    return status;
  }

 private:
  int Fail(const std::string& why) {
    p_.Err(file_ + u": " + Wide(why));
    return kBadInput;
  }
  int Fail(const RegFileError& error) {
    p_.Err(file_ + u":" + Wide(std::to_string(error.line)) + u": " + Text(error.what));
    return kBadInput;
  }
  std::u16string Text(std::string_view ansi) { return ConsoleText(p_.codec(), ansi); }
  // The content as the list of changes shows it, added to the end of `line`.
  static void AppendShown(std::string& line, const Content& content) {
    if (content.state == Content::kNone)
      line.append("(none)");
    else if (const std::optional<RegValue> value = Decoded(content))
      quillmar::AppendShown(line, value);
    else
      line.append("(unreadable)");
  }

  CommandPlatform& p_;
  const std::u16string& file_;
};

int Usage(CommandPlatform& platform) {
  for (const char* line : kUsage) platform.Err(Wide(line));
  return kBadInput;
}

}  // namespace

std::u16string ConsoleText(TextCodec& codec, std::string_view ansi) {
  std::u16string text;
  if (codec.FromAnsi(ansi, text)) return text;
  text.clear();
  for (unsigned char c : ansi) text.push_back(c < 0x80 ? c : u'?');
  return text;
}

int RunCommand(const std::vector<std::u16string>& args, CommandPlatform& platform) {
  const auto is = [&](std::size_t i, std::u16string_view option) {
    return i < args.size() && args[i] == option;
  };
  const auto file = [&](std::size_t i) { return i < args.size() && !args[i].starts_with(u"--"); };
  if (args.size() == 1 && is(0, u"--help")) {
    for (const char* line : kUsage) platform.Out(Wide(line));
    return kDone;
  }
  if (args.size() == 1 && is(0, u"--version")) {
    platform.Out(Wide(ui::kAppTitle));
    return kDone;
  }
  if (args.size() == 2 && is(0, u"--export") && file(1)) return Command(platform, args[1]).Export();
  using Mode = Command::Mode;
  if (args.size() == 2 && is(0, u"--import") && file(1))
    return Command(platform, args[1]).Import(Mode::kImport);
  if (args.size() == 3 && is(0, u"--import") && file(1) && is(2, u"--dry-run"))
    return Command(platform, args[1]).Import(Mode::kDryRun);
  if (args.size() == 3 && is(0, u"--dry-run") && is(1, u"--import") && file(2))
    return Command(platform, args[2]).Import(Mode::kDryRun);
  if (args.size() == 2 && is(0, u"--check") && file(1))
    return Command(platform, args[1]).Import(Mode::kCheck);
  if (args.size() == 1 && is(0, u"--status")) return RunStatus(platform, false);
  if (args.size() == 2 && is(0, u"--status") && is(1, u"--json")) return RunStatus(platform, true);
  return Usage(platform);
}

}  // namespace quillmar
