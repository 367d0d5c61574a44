#include "regfile/PreferenceItems.h"

#include <cstdint>
#include <cstdio>

namespace quillmar {
namespace {

// The classes by which the Group Policy editor knows a registry collection and its items.
constexpr std::string_view kCollectionClass = "{A3CCFC41-DFDB-43a5-8D26-0FE8B954DA51}";
constexpr std::string_view kItemClass = "{9CD4B2F4-923D-47f5-A062-E897DD1DAD50}";

class XmlWriter {
 public:
  explicit XmlWriter(TextCodec& codec) : codec_(codec) {}

  void Ascii(std::string_view text) { out_ += text; }
  void Attribute(std::string_view name, std::string_view ascii) {
    Name(name);
    out_ += ascii;
    out_ += '"';
  }
  // ANSI text as UTF-8, escaped; false when the code page or XML cannot hold it.
  bool TextAttribute(std::string_view name, std::string_view ansi) {
    Name(name);
    std::u16string text;
    if (!codec_.FromAnsi(ansi, text)) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
      char32_t c = text[i];
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
          text[i + 1] < 0xE000)
        c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
      if (!Character(c)) return false;
    }
    out_ += '"';
    return true;
  }
  std::string& bytes() { return out_; }

 private:
  void Name(std::string_view name) {
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
  }
  // The reference a character takes inside an attribute; empty for one written as itself.
  static std::string_view Reference(char32_t c) {
    switch (c) {
      case '&':
        return "&amp;";
      case '<':
        return "&lt;";
      case '>':
        return "&gt;";
      case '"':
        return "&quot;";
      // As references, since a parser reads these as spaces inside an attribute.
      case '\t':
        return "&#9;";
      case '\n':
        return "&#10;";
      case '\r':
        return "&#13;";
      default:
        return {};
    }
  }
  bool Character(char32_t c) {
    if (const std::string_view reference = Reference(c); !reference.empty()) {
      out_ += reference;
      return true;
    }
    // XML 1.0 has no other control character, no lone surrogate, no U+FFFE or U+FFFF.
    if (c < 0x20 || (c >= 0xD800 && c < 0xE000) || c == 0xFFFE || c == 0xFFFF) return false;
    const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    out_ += static_cast<char>(kLead[tail] | c >> (6 * tail));
    for (int i = tail - 1; i >= 0; --i) out_ += static_cast<char>(0x80 | (c >> (6 * i) & 0x3F));
    return true;
  }

  TextCodec& codec_;
  std::string out_;
};

// "YYYY-MM-DD hh:mm:ss" in UTC, as the editor stamps an item it changes.
std::string Stamp(std::chrono::system_clock::time_point t) {
  using namespace std::chrono;
  const auto day = floor<days>(t);
  const year_month_day date{day};
  const hh_mm_ss time{floor<seconds>(t - day)};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return text;
}

// A GUID of the location's bytes: two FNV-1a hashes from different offsets, marked as a UUID of
// its maker's own kind (version 8).
std::string Uid(const RegSection& section, const RegEntry& entry) {
  std::uint64_t high = 0xCBF29CE484222325u, low = 0x84222325CBF29CE4u;
  const auto hash = [&](std::string_view text) {
    for (unsigned char c : text) {
      high = (high ^ c) * 0x100000001B3u;
      low = (low ^ c) * 0x100000001B3u;
    }
  };
  hash(RootName(section.root));
  hash("\\" + section.path + "\\" + entry.name);
  high = (high & ~std::uint64_t{0xF000}) | 0x8000;
  low = (low & ~(std::uint64_t{3} << 62)) | (std::uint64_t{2} << 62);
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}",
                static_cast<unsigned>(high >> 32), static_cast<unsigned>(high >> 16 & 0xFFFF),
                static_cast<unsigned>(high & 0xFFFF), static_cast<unsigned>(low >> 48),
                static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFu));
  return text;
}

bool WriteItem(XmlWriter& w, const RegSection& section, const RegEntry& entry,
               const std::string& changed) {
  const auto* number = entry.value ? std::get_if<std::int32_t>(&*entry.value) : nullptr;
  // The unnamed value as a registry editor lists it.
  const std::string_view label = entry.name.empty() ? "(Default)" : std::string_view(entry.name);
  w.Ascii("  <Registry");
  w.Attribute("clsid", kItemClass);
  if (!w.TextAttribute("name", label) || !w.TextAttribute("status", label)) return false;
  // The editor's pictures: a text value's are 5 to 8, a number's 10 to 13, in the order create,
  // replace, update, delete.
  w.Attribute("image", std::to_string((number ? 10 : 5) + (entry.value ? 2 : 3)));
  w.Attribute("changed", changed);
  w.Attribute("uid", Uid(section, entry));
  w.Ascii("><Properties");
  w.Attribute("action", entry.value ? "U" : "D");
  w.Attribute("default", entry.name.empty() ? "1" : "0");
  w.Attribute("hive", RootName(section.root));
  if (!w.TextAttribute("key", section.path) || !w.TextAttribute("name", entry.name)) return false;
  w.Attribute("type", number ? "REG_DWORD" : "REG_SZ");
  if (number) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<std::uint32_t>(*number));
    w.Attribute("value", hex);
  } else if (!w.TextAttribute("value", entry.value ? std::get<std::string>(*entry.value) : "")) {
    return false;
  }
  w.Ascii("/></Registry>\r\n");
  return true;
}

}  // namespace

std::optional<std::string> WritePreferenceItems(const RegFile& file, TextCodec& codec,
                                                std::chrono::system_clock::time_point changed) {
  XmlWriter w(codec);
  const std::string stamp = Stamp(changed);
  w.Ascii("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<RegistrySettings");
  w.Attribute("clsid", kCollectionClass);
  w.Ascii(">\r\n");
  for (const RegEntry& entry : file.entries)
    if (!WriteItem(w, file.sections[entry.section], entry, stamp)) return std::nullopt;
  w.Ascii("</RegistrySettings>\r\n");
  return std::move(w.bytes());
}

}  // namespace quillmar
