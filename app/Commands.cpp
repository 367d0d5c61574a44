#include "app/Commands.h"

#include <cstring>

#include "app/FileCheck.h"
#include "app/Headless.h"
#include "regfile/RegFile.h"
#include "ui/Host.h"

namespace quillmar {
namespace {

constexpr const char* kUsage[] = {
    "Usage: quillmar [--export FILE | --import FILE [--dry-run] | --help | --version]",
    "  (none)                    open the settings window",
    "  --export FILE             write what Apply would write now to FILE, a .reg file",
    "  --import FILE             check FILE against Quillmar's settings, then apply it",
    "  --import FILE --dry-run   check FILE and list what would change, writing nothing",
    "Exit status: 0 done, 1 some values could not be written, 2 bad command line or file.",
};

std::u16string Wide(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

StoredValue Stored(const std::optional<RegValue>& value) {
  if (!value) return {};
  if (const auto* n = std::get_if<std::int32_t>(&*value)) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), n, 4);
    return {true, kRegDword, bytes};
  }
  return {true, kRegSz, std::get<std::string>(*value) + '\0'};
}

// As Module1 reads it back: a number, a text up to its first NUL, or none; what it cannot read,
// another type among it, is unreadable. A text is a view of the stored bytes.
struct Seen {
  enum Kind { kNone, kNumber, kText, kUnreadable } kind = kNone;
  std::int32_t number = 0;
  std::string_view text;
  bool operator==(const Seen&) const = default;

  std::optional<RegValue> value() const {
    if (kind == kNumber) return number;
    if (kind == kText) return std::string(text);
    return std::nullopt;
  }
};

Seen Read(const StoredValue& stored) {
  if (!stored.present) return {};
  if (stored.type == kRegDword && stored.bytes.size() == 4) {
    std::int32_t n = 0;
    std::memcpy(&n, stored.bytes.data(), 4);
    return {Seen::kNumber, n, {}};
  }
  const std::string_view bytes = stored.bytes;
  if (stored.type == kRegSz) return {Seen::kText, 0, bytes.substr(0, bytes.find('\0'))};
  return {Seen::kUnreadable, 0, {}};
}

class Command {
 public:
  Command(CommandPlatform& platform, const std::u16string& file) : p_(platform), file_(file) {}

  int Export() {
    OverlayRegistry overlay(p_.registry());
    RegFile out;
    for (const Change& change : ApplyWithoutView(overlay, p_.PlatformId())) {
      const KeyPath& key = KeyOf(change.spot.row->key);
      if (out.sections.empty() || out.sections.back().root != key.root ||
          out.sections.back().path != key.path)
        out.sections.push_back({0, key.root, std::string(key.path)});
      out.entries.push_back(
          {0, out.sections.size() - 1, change.record->name, Read(change.record->value).value()});
    }
    const auto bytes = WriteRegFile(out, p_.codec());
    std::string why = "a value that is not text in the ANSI code page";
    if (!bytes || !p_.ReplaceFile(file_, *bytes, why)) return Fail(why);
    p_.Out(u"Exported " + Wide(std::to_string(out.entries.size())) + u" values to " + file_ + u".");
    return kDone;
  }

  int Import(bool dry_run) {
    std::string bytes, why;
    if (!p_.ReadFile(file_, bytes, why)) return Fail(why);
    const auto parsed = ParseRegFile(bytes, p_.codec());
    if (const auto* error = std::get_if<RegFileError>(&parsed)) return Fail(*error);
    const auto checked = CheckFile(std::get<RegFile>(parsed));
    if (const auto* error = std::get_if<RegFileError>(&checked)) return Fail(*error);

    OverlayRegistry overlay(p_.registry());
    for (const FileValue& v : std::get<std::vector<FileValue>>(checked)) {
      const KeyPath& key = KeyOf(v.spot.row->key);
      overlay.PutInFront(key.root, key.path, ValueName(*v.spot.row, v.spot.number),
                         Stored(v.entry->value));
    }
    if (dry_run) p_.Out(u"Dry run: nothing is written.");
    int status = kDone, changed = 0;
    StoredValue stored;  // one buffer for every read
    for (const Change& change : ApplyWithoutView(overlay, p_.PlatformId())) {
      const OverlayRegistry::Record& r = *change.record;
      const std::int32_t read = overlay.ReadBehind(r, stored);
      const Seen old =
          read == kSuccess || read == kFileNotFound ? Read(stored) : Seen{Seen::kUnreadable, 0, {}};
      const Seen now = Read(r.value);
      if (old == now) continue;
      std::u16string line;
      // Room for the location's usual length, both values and what stands between them.
      line.reserve(old.text.size() + now.text.size() + 128);
      AppendLocationText(change.spot, line);
      if (!dry_run) {
        if (const std::int32_t code = overlay.Carry(r); code != kSuccess) {
          p_.Err(line.append(u": not written (error ")
                     .append(Wide(std::to_string(code)))
                     .append(u")"));
          status = kSomeRefused;
          continue;
        }
      }
      Show(old, line.append(u": "));
      Show(now, line.append(u" -> "));
      p_.Out(line);
      ++changed;
    }
    if (changed == 0) p_.Out(dry_run ? u"Nothing would change." : u"Nothing changed.");
    if (changed > 0 && !dry_run) p_.Out(u"Most settings take effect at the next logon.");
    return status;
  }

 private:
  int Fail(const std::string& why) {
    p_.Err(file_ + u": " + Wide(why));
    return kBadInput;
  }
  int Fail(const RegFileError& error) {
    std::u16string line = file_ + u":" + Wide(std::to_string(error.line)) + u": ";
    AppendText(error.what, line);
    p_.Err(line);
    return kBadInput;
  }
  // ANSI bytes for the console; a byte the code page cannot show becomes '?'.
  void AppendText(std::string_view ansi, std::u16string& line) {
    if (p_.codec().FromAnsi(ansi, text_)) {
      line.append(text_);
      return;
    }
    for (unsigned char c : ansi) line.push_back(c < 0x80 ? c : u'?');
  }
  // Appends the value as the list of changes shows it.
  void Show(const Seen& seen, std::u16string& line) {
    if (seen.kind == Seen::kUnreadable) {
      line.append(u"(unreadable)");
    } else if (seen.kind == Seen::kNone) {
      line.append(u"(none)");
    } else if (seen.kind == Seen::kNumber) {
      line.append(Wide(std::to_string(seen.number)));
    } else {
      AppendText(seen.text, line.append(1, u'"'));
      line.append(1, u'"');
    }
  }

  CommandPlatform& p_;
  const std::u16string& file_;
  std::u16string text_;  // the latest text converted, kept so that its room serves the next
};

int Usage(CommandPlatform& platform) {
  for (const char* line : kUsage) platform.Err(Wide(line));
  return kBadInput;
}

}  // namespace

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
  if (args.size() == 2 && is(0, u"--import") && file(1))
    return Command(platform, args[1]).Import(false);
  if (args.size() == 3 && is(0, u"--import") && file(1) && is(2, u"--dry-run"))
    return Command(platform, args[1]).Import(true);
  if (args.size() == 3 && is(0, u"--dry-run") && is(1, u"--import") && file(2))
    return Command(platform, args[2]).Import(true);
  return Usage(platform);
}

}  // namespace quillmar
