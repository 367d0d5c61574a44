#include "app/FileCheck.h"

#include <algorithm>

namespace quillmar {
namespace {

std::string Quoted(const std::string& name) {
  return name.empty() ? "@" : std::string(1, '"').append(name).append(1, '"');
}

bool IsCatalogueKey(const RegSection& section) {
  for (const KeyPath& key : kKeys)
    if (key.root == section.root && SameName(key.path, section.path)) return true;
  return false;
}

// What is wrong with the type of the value, or nothing.
std::optional<std::string> TypeFault(const Row& row, const RegValue& value) {
  const bool number = std::holds_alternative<std::int32_t>(value);
  if (row.storage == Storage::kNumber && !number) return "must be a number (dword:)";
  if (row.storage == Storage::kForcedText && number) return "must be a text in quotes";
  return std::nullopt;
}

}  // namespace

std::variant<std::vector<FileValue>, RegFileError> CheckFile(const RegFile& file) {
  for (const RegSection& section : file.sections)
    if (!IsCatalogueKey(section))
      return RegFileError{section.line, std::string(1, '[')
                                            .append(RootName(section.root))
                                            .append("\\" + section.path)
                                            .append("] is not a key Quillmar sets")};
  std::vector<FileValue> values;
  std::optional<RegFileError> fault;
  for (const RegEntry& entry : file.entries) {
    const RegSection& section = file.sections[entry.section];
    const auto spot = Locate(section.root, section.path, entry.name);
    if (!spot) {
      fault = {entry.line, Quoted(entry.name) + " is not a value Quillmar sets"};
    } else if (spot->row->routine == Routine::kSavedBitmapType) {
      fault = {entry.line, Quoted(entry.name) + " is this account's own and never imported"};
    } else if (const auto wrong =
                   entry.value ? TypeFault(*spot->row, *entry.value) : std::nullopt) {
      fault = {entry.line, Quoted(entry.name) + " " + *wrong};
    }
    if (fault) break;
    values.push_back({*spot, &entry});
  }
  // A location given twice before the first other fault is the fault: sorted by location, each
  // value after the first of its location is given again, and the earliest of those is reported.
  std::vector<const FileValue*> order;
  order.reserve(values.size());
  for (const FileValue& v : values) order.push_back(&v);
  std::stable_sort(order.begin(), order.end(), [](const FileValue* a, const FileValue* b) {
    return OrderOf(a->spot) < OrderOf(b->spot);
  });
  // The sort kept the file's order, so the first of each location is where it was given first.
  const RegEntry *again = nullptr, *first = nullptr, *given = nullptr;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i == 0 || OrderOf(order[i]->spot) != OrderOf(order[i - 1]->spot)) {
      given = order[i]->entry;
    } else if (again == nullptr || order[i]->entry->line < again->line) {
      again = order[i]->entry, first = given;
    }
  }
  if (again != nullptr)
    return RegFileError{again->line, Quoted(again->name) + " is already given on line " +
                                         std::to_string(first->line)};
  if (fault) return *fault;
  return values;
}

}  // namespace quillmar
