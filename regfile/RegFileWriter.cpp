#include <cstdint>
#include <cstdio>

#include "regfile/RegFile.h"

namespace quillmar {
namespace {

class Writer {
 public:
  explicit Writer(TextCodec& codec) : codec_(codec), out_("\xFF\xFE") {}

  void Ascii(std::string_view text) {
    for (char c : text) Unit(static_cast<unsigned char>(c));
  }
  // Quoted, a text has \ and " escaped, as the registry editor writes it.
  bool Text(const std::string& ansi, bool quoted) {
    if (!codec_.FromAnsi(ansi, text_)) return false;
    if (quoted) Unit(u'"');
    for (char16_t c : text_) {
      if (quoted && (c == u'\\' || c == u'"')) Unit(u'\\');
      Unit(c);
    }
    if (quoted) Unit(u'"');
    return true;
  }
  std::string& bytes() { return out_; }

 private:
  void Unit(char16_t c) {
    out_.push_back(static_cast<char>(c & 0xFF));
    out_.push_back(static_cast<char>(c >> 8));
  }

  TextCodec& codec_;
  std::string out_;
  std::u16string text_;  // one buffer for every text (--export within its goal in `make bench`)
};

bool WriteValue(Writer& w, const RegEntry& entry) {
  if (entry.name.empty()) {
    w.Ascii("@");
  } else if (!w.Text(entry.name, true)) {
    return false;
  }
  w.Ascii("=");
  if (!entry.value) {
    w.Ascii("-");
  } else if (const auto* number = std::get_if<std::int32_t>(&*entry.value)) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "dword:%08x", static_cast<std::uint32_t>(*number));
    w.Ascii(hex);
  } else if (!w.Text(std::get<std::string>(*entry.value), true)) {
    return false;
  }
  w.Ascii("\r\n");
  return true;
}

}  // namespace

// A section starts wherever the entries move on to another one.
std::optional<std::string> WriteRegFile(const RegFile& file, TextCodec& codec) {
  Writer w(codec);
  w.Ascii("Windows Registry Editor Version 5.00\r\n");
  for (std::size_t i = 0; i < file.entries.size(); ++i) {
    const RegEntry& entry = file.entries[i];
    if (i == 0 || entry.section != file.entries[i - 1].section) {
      const RegSection& section = file.sections[entry.section];
      w.Ascii("\r\n[");
      w.Ascii(RootName(section.root));
      w.Ascii("\\");
      if (!w.Text(section.path, false)) return std::nullopt;
      w.Ascii("]\r\n");
    }
    if (!WriteValue(w, entry)) return std::nullopt;
  }
  return std::move(w.bytes());
}

}  // namespace quillmar
