#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "regfile/TextCodec.h"
#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"

namespace quillmar {

// A registry editor file as the program reads and writes it: sections naming keys, each with
// values that are numbers or texts (bytes in the ANSI code page) or deletions.
struct RegSection {
  int line = 0;
  RegHandle root = 0;
  std::string path;
};

struct RegEntry {
  int line = 0;
  std::size_t section = 0;        // index into RegFile::sections
  std::string name;               // the empty name is the key's default value, "@"
  std::optional<RegValue> value;  // none: "name"=-
};

struct RegFile {
  std::vector<RegSection> sections;
  std::vector<RegEntry> entries;
};

// What is wrong with a file, at its line counted from 1.
struct RegFileError {
  int line = 0;
  std::string what;
};

// Longest line read, in UTF-16 code units or ANSI bytes; a longer one is refused.
inline constexpr std::size_t kMaxLineLength = 32767;

// A version-5 file (UTF-16LE with its byte order mark) or a REGEDIT4 file (ANSI). Refuses, with
// the first line at fault: a bad header or encoding, NUL characters, lone surrogates, lines too
// long or malformed, unknown roots, key deletions, binary and other hex values.
std::variant<RegFile, RegFileError> ParseRegFile(std::string_view bytes, TextCodec& codec);

// A version-5 file of the entries in their order: UTF-16LE with its byte order mark, CRLF line
// ends, a blank line before each section. None when a text is not text in the ANSI code page.
std::optional<std::string> WriteRegFile(const RegFile& file, TextCodec& codec);

}  // namespace quillmar
