#include "app/FileCheck.h"

#include <map>
#include <utility>

namespace quillmar {
namespace {

std::string Quoted(const std::string& name) {
  return name.empty() ? "@" : std::string(1, '"').append(name).append(1, '"');
}

// What is wrong with the type of the value, or nothing.
std::optional<std::string> TypeFault(const Row& row, const RegValue& value) {
  const bool number = std::holds_alternative<std::int32_t>(value);
  if (row.storage == Storage::kNumber && !number) return "must be a number (dword:)";
  if (row.storage == Storage::kForcedText && number) return "must be a text in quotes";
  return std::nullopt;
}

// What is wrong with the entry, or nothing.
std::optional<std::string> Fault(const std::optional<Spot>& spot, const RegEntry& entry) {
  if (!spot) return Quoted(entry.name) + " is not a value Quillmar sets";
  if (!spot->row->from_file)
    return Quoted(entry.name) + " is this account's own and never imported";
  if (!entry.value) return std::nullopt;
  if (const auto wrong = TypeFault(*spot->row, *entry.value))
    return Quoted(entry.name) + " " + *wrong;
  return std::nullopt;
}

}  // namespace

std::variant<std::vector<FileValue>, RegFileError> CheckFile(const RegFile& file) {
  std::vector<KeyLabel> keys;
  for (const RegSection& section : file.sections) {
    const auto key = LocateKey(section.root, section.path);
    if (!key)
      return RegFileError{section.line, std::string(1, '[')
                                            .append(RootName(section.root))
                                            .append("\\" + section.path)
                                            .append("] is not a key Quillmar sets")};
    keys.push_back(*key);
  }
  std::vector<FileValue> values;
  // The line each location was first given on, by its row and number.
  std::map<std::pair<const Row*, std::int32_t>, int> given;
  for (const RegEntry& entry : file.entries) {
    const auto spot = Locate(keys[entry.section], entry.name);
    if (const auto fault = Fault(spot, entry)) return RegFileError{entry.line, *fault};
    const auto [first, added] = given.try_emplace({spot->row, spot->number}, entry.line);
    if (!added)
      return RegFileError{entry.line, Quoted(entry.name) + " is already given on line " +
                                          std::to_string(first->second)};
    values.push_back({*spot, &entry});
  }
  return values;
}

}  // namespace quillmar
