#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "registry/RegValue.h"
#include "registry/RegistryBackend.h"
#include "registry/StoredValue.h"

namespace quillmar {

// What a location holds as far as a back end tells: a value, nothing, or unknown (a refused read).
struct Content {
  enum State { kValue, kNone, kUnknown } state = kNone;
  StoredValue value;  // for kValue
  bool operator==(const Content&) const = default;
};

// What the content reads as; nothing for none, or for what cannot be read.
inline std::optional<RegValue> Decoded(const Content& content) {
  if (content.state != Content::kValue) return std::nullopt;
  return Decode(content.value.type, content.value.bytes);
}

// Stands in front of another back end for the command line. Values put in front answer reads
// as if they were stored, until ClearFront. Writes and deletions are either kept here, where
// later reads see them first and nothing reaches the other back end (a dry run, an export), or
// carried through at once (an import). Either way each location written is noted once, in the
// order of its first write, with what it held before and what it holds after. A key the other
// back end opens stays open as long as the overlay, so that thousands of typed URLs in one key
// cost one open rather than one each (--export and --import half as long in `make bench`).
class OverlayRegistry final : public RegistryBackend {
 public:
  enum class Writes { kKept, kCarried };

  struct Written {
    RegHandle root;
    std::string_view path;  // the overlay's own spelling, valid as long as it is
    std::string name;
    Content before;                  // as the other back end held it before the first write
    Content after{};                 // as the latest write that took effect left it
    std::int32_t result = kSuccess;  // the latest write's answer
    bool took = true;                // whether the latest write took effect
    Content refused{};               // what the latest write asked for, where it did not

    // What the latest write asked for: most writes take effect, and are not kept twice.
    const Content& wanted() const { return took ? after : refused; }
  };

  OverlayRegistry(RegistryBackend& inner, Writes writes) : inner_(inner), writes_(writes) {}
  ~OverlayRegistry() override;

  // Reads of the location answer with this value (nothing: a value that is not there).
  void PutInFront(RegHandle root, std::string_view path, std::string_view name,
                  std::optional<StoredValue> value);
  void ClearFront();
  const std::deque<Written>& written() const { return written_; }

  std::int32_t OpenKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t CreateKey(RegHandle root, const std::string& path, RegHandle& key) override;
  std::int32_t QueryValue(RegHandle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t SetValue(RegHandle key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t DeleteValue(RegHandle key, const std::string& name) override;
  std::int32_t CloseKey(RegHandle key) override;

 private:
  struct Key {
    RegHandle root;
    std::string path;
    bool here = false;    // created here by a kept write, or holding values put in front
    RegHandle inner = 0;  // the other back end's, once it opened the key
    std::unordered_map<std::string, Content, NameHash, NameEqual> front;
    std::unordered_map<std::string, std::size_t, NameHash, NameEqual> noted;  // into written_
  };
  // An open handle: its key, and the other back end's handle of it with the answer it gave.
  struct Open {
    Key* key = nullptr;   // none for a slot free again
    RegHandle inner = 0;  // 0 when the other back end did not open it
    std::int32_t opened = kSuccess;
  };

  Key& KeyOf(RegHandle root, std::string_view path);
  RegHandle Hand(Key& key, RegHandle inner, std::int32_t opened);
  // The other back end's key, opened (or created) unless it is already: its answer.
  std::int32_t Behind(Key& key, bool create);
  Open* Find(RegHandle handle);
  Content ReadBehind(const Open& at, const std::string& name);
  std::int32_t Write(Open& at, const std::string& name, Content wanted);

  RegistryBackend& inner_;
  Writes writes_;
  std::map<std::string, Key> keys_;  // by root and folded path
  Key* last_ = nullptr;              // the key asked for last
  std::vector<Open> open_;
  // Thousands of typed URLs' notes never move as more are added (--import within its goal in
  // `make bench`), and a note's address holds as long as the overlay.
  std::deque<Written> written_;
};

}  // namespace quillmar
