#include <algorithm>
#include <array>
#include <cstdint>

#include "regfile/Lines.h"
#include "regfile/RegFile.h"

namespace quillmar {
namespace {

char16_t Folded(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Without regard to case; `ascii` is plain ASCII.
bool Same(std::u16string_view text, std::string_view ascii) {
  if (text.size() != ascii.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (Folded(text[i]) != Folded(static_cast<char16_t>(ascii[i]))) return false;
  return true;
}

std::u16string_view Trimmed(std::u16string_view s) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(TextCodec& codec) : codec_(codec) {}

  // False with error() set at the first fault.
  bool Line(int number, std::u16string_view text) {
    line_ = number;
    text = Trimmed(text);
    if (text.empty() || text.front() == u';') return true;
    if (text.front() == u'[') return Section(text);
    if (text.front() == u'@' || text.front() == u'"') return Value(text);
    return Fail("not a section, a value, a comment or a blank line");
  }
  RegFile& file() { return file_; }
  const RegFileError& error() const { return error_; }

 private:
  bool Fail(std::string what) {
    error_ = {line_, std::move(what)};
    return false;
  }
  bool Ansi(std::u16string_view text, std::string& out) {
    return codec_.ToAnsi(text, out) || Fail("text that the ANSI code page cannot hold");
  }

  bool Section(std::u16string_view text) {
    if (text.back() != u']') return Fail("a section without its closing ]");
    text = text.substr(1, text.size() - 2);
    if (text.starts_with(u'-')) return Fail("a key deletion: Quillmar never deletes a key");
    const std::u16string_view root = text.substr(0, text.find(u'\\'));
    RegSection section{line_, 0, {}};
    for (const NamedRoot& r : kNamedRoots)
      if (Same(root, r.name) || Same(root, r.short_name)) section.root = r.handle;
    if (section.root == 0) return Fail("a key under an unknown root");
    if (!Ansi(text.substr(std::min(text.size(), root.size() + 1)), section.path)) return false;
    file_.sections.push_back(std::move(section));
    return true;
  }

  // A quoted text with \\ and \" escaped, starting at text[0]; `text` is left after its end.
  bool Quoted(std::u16string_view& text, std::string& out) {
    // A text that escapes nothing goes to the code page as it stands, without a copy of its own
    // (--import within its goal in `make bench`).
    if (const std::size_t end = text.find_first_of(u"\\\"", 1);
        end != std::u16string_view::npos && text[end] == u'"') {
      const std::u16string_view plain = text.substr(1, end - 1);
      text.remove_prefix(end + 1);
      return Ansi(plain, out);
    }
    std::u16string plain;
    std::size_t i = 1;
    for (; i < text.size() && text[i] != u'"'; ++i) {
      if (text[i] == u'\\') {
        if (++i == text.size() || (text[i] != u'\\' && text[i] != u'"'))
          return Fail("a backslash that escapes neither \\ nor \"");
      }
      plain.push_back(text[i]);
    }
    if (i == text.size()) return Fail("a text without its closing quote");
    text.remove_prefix(i + 1);
    return Ansi(plain, out);
  }

  bool Value(std::u16string_view text) {
    if (file_.sections.empty()) return Fail("a value before the first section");
    RegEntry entry{line_, file_.sections.size() - 1, {}, {}};
    if (text.front() == u'@') {
      text.remove_prefix(1);
    } else if (!Quoted(text, entry.name)) {
      return false;
    }
    text = Trimmed(text);
    if (!text.starts_with(u'=')) return Fail("a value name without = after it");
    text = Trimmed(text.substr(1));
    if (text == u"-") {
      file_.entries.push_back(std::move(entry));
      return true;
    }
    if (text.starts_with(u'"')) {
      std::string data;
      if (!Quoted(text, data)) return false;
      if (!Trimmed(text).empty()) return Fail("something after the closing quote");
      entry.value = std::move(data);
    } else if (Same(text.substr(0, 6), "dword:")) {
      const std::u16string_view digits = text.substr(6);
      const bool hex =
          !digits.empty() && digits.size() <= 8 &&
          std::all_of(digits.begin(), digits.end(), [](char16_t c) { return HexDigit(c) >= 0; });
      if (!hex) return Fail("a dword: that is not 1 to 8 hexadecimal digits");
      std::uint32_t n = 0;
      for (char16_t c : digits) n = n << 4 | static_cast<std::uint32_t>(HexDigit(c));
      entry.value = static_cast<std::int32_t>(n);
    } else if (Same(text.substr(0, 3), "hex")) {
      return Fail("a hex: value: every Quillmar value is a number (dword:) or a text");
    } else {
      return Fail("a value that is none of \"text\", dword: or -");
    }
    file_.entries.push_back(std::move(entry));
    return true;
  }

  TextCodec& codec_;
  RegFile file_;
  RegFileError error_;
  int line_ = 0;
};

}  // namespace

std::variant<RegFile, RegFileError> ParseRegFile(std::string_view bytes, TextCodec& codec) {
  auto split = SplitLines(bytes, codec);
  if (auto* error = std::get_if<RegFileError>(&split)) return *error;
  const Lines& lines = std::get<Lines>(split);
  const std::u16string_view header =
      lines.utf16 ? u"Windows Registry Editor Version 5.00" : u"REGEDIT4";
  if (Trimmed(lines[0]) != header)
    return RegFileError{1, lines.utf16 ? "a UTF-16 file that does not start with \"Windows "
                                         "Registry Editor Version 5.00\""
                                       : "an ANSI file that does not start with \"REGEDIT4\""};
  Parser parser(codec);
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (!parser.Line(static_cast<int>(i + 1), lines[i])) return parser.error();
  return std::move(parser.file());
}

}  // namespace quillmar
