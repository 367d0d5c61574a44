#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "registry/RegistryBackend.h"

namespace quillmar {

// A value as the platform stores it, or its absence.
struct StoredValue {
  bool present = false;
  std::uint32_t type = kRegNone;
  std::string bytes;
};

// Stands in front of another back end: reads of the locations put in front answer with those
// values (an absent one reads as missing), every write and deletion is only recorded, and reads
// see the records first. Nothing reaches the other back end but opens, reads and closes until a
// record is carried out. Each key of the other back end is opened once and stays open as long
// as the overlay, so that thousands of values in one key cost one open.
class OverlayRegistry final : public RegistryBackend {
 public:
  struct Record {
    RegHandle root;
    std::string_view path;  // the overlay's own copy
    std::string name;
    StoredValue value;
  };

  explicit OverlayRegistry(RegistryBackend& inner) : inner_(inner) {}
  ~OverlayRegistry() override;

  void PutInFront(RegHandle root, std::string_view path, const std::string& name,
                  StoredValue value);
  // From here on reads pass the values put in front and go to the records and the other back end.
  void ClearFront();
  // The net result per location, in the order in which each was first written or deleted.
  const std::vector<Record>& records() const { return records_; }
  // Carries one record out on the other back end; a deletion of what is not there succeeds.
  std::int32_t Carry(const Record& record);
  // The record's location as the other back end holds it; the result code of the read.
  std::int32_t ReadBehind(const Record& record, StoredValue& value);

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override;
  std::int32_t CloseKey(RegHandle key) override;

 private:
  // One key as both back ends know it, made once however often it is opened.
  struct Key {
    RegHandle root;
    std::string path;
    RegHandle inner = 0;  // the other back end's, open as long as the overlay; 0 for none
    std::int32_t opened = kFileNotFound;
    bool tried = false;                                  // opened (or tried) on the other back end
    bool here = false;                                   // holds values put in front or recorded
    std::unordered_map<std::string, StoredValue> front;  // by folded name
    std::unordered_map<std::string, std::size_t> recorded;  // folded name to records_
  };
  Key& KeyOf(RegHandle root, std::string_view path);
  // The other back end's key, opened or created on first use; 0 with the result code otherwise.
  RegHandle Behind(Key& key, bool create, std::int32_t& result);
  std::int32_t Opened(Key& key, RegHandle& handle);
  Key* Find(RegHandle handle) const;
  void Keep(Key& at, const std::string& name, StoredValue value);

  RegistryBackend& inner_;
  std::vector<Record> records_;
  std::unordered_map<std::string, std::unique_ptr<Key>> keys_;  // by folded key
  Key* last_ = nullptr;                                         // the key opened last
  std::vector<Key*> open_;                                      // by handle; null when closed
  std::vector<std::size_t> free_;                               // closed handles' slots
};

}  // namespace quillmar
