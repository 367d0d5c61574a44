#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
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
    std::string path;
    std::string name;
    StoredValue value;
  };

  explicit OverlayRegistry(RegistryBackend& inner) : inner_(inner) {}
  ~OverlayRegistry() override;

  void PutInFront(RegHandle root, const std::string& path, const std::string& name,
                  StoredValue value);
  // From here on reads pass the values put in front and go to the records and the other back end.
  void ClearFront() { front_.clear(); }
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
  struct Open {
    RegHandle root;
    std::string path;
    RegHandle inner;  // the other back end's, owned by behind_; 0 when the key exists only here
    std::string id;   // the folded key, made once for all the calls on the handle
  };
  std::int32_t Opened(RegHandle root, const std::string& path, std::string id, RegHandle inner,
                      RegHandle& key);
  // The other back end's key, opened or created on first use; 0 with the result code otherwise.
  RegHandle Behind(const std::string& id, RegHandle root, const std::string& path, bool create,
                   std::int32_t& result);
  void Keep(const Open& at, const std::string& name, StoredValue value);

  RegistryBackend& inner_;
  std::unordered_map<std::string, StoredValue> front_;     // by folded location
  std::unordered_map<std::string, std::size_t> recorded_;  // folded location to records_
  std::unordered_set<std::string> keys_;                   // folded keys that hold values here
  std::vector<Record> records_;
  std::map<RegHandle, Open> open_;
  std::unordered_map<std::string, std::pair<RegHandle, std::int32_t>> behind_;  // by folded key
  RegHandle next_handle_ = 0x1000;
};

}  // namespace quillmar
