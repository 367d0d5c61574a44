#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Host.h"
#include "ui/Window.h"

namespace quillmar::ui {

// The program's windows by name: loading one creates it and runs its Form_Load, closing one
// discards it. The program ends when no window is open.
class Forms {
 public:
  using Factory = std::function<std::unique_ptr<Window>(Forms&)>;

  explicit Forms(Host& host) : host_(host) {}

  void Register(std::string name, Factory factory);
  // Builds each registered window once and discards it unloaded, so that a control its tables
  // name wrongly stops the program before anything shows.
  void BuildEach();
  // The open window of that name, loaded first when it is not open; nullptr for a name that
  // was never registered.
  Window* Load(std::string_view name);
  void Show(Window& window, bool modal);
  // A window may close itself from its own handler: it is discarded only by Collect().
  void Close(Window& window);
  void Collect() { closed_.clear(); }
  // nullptr when no window of that name is open.
  Window* Find(std::string_view name) const;
  bool AnyOpen() const { return !open_.empty(); }

  Host& host() { return host_; }

 private:
  Host& host_;
  std::map<std::string, Factory, std::less<>> factories_;
  std::vector<std::unique_ptr<Window>> open_;
  std::vector<std::unique_ptr<Window>> closed_;
};

}  // namespace quillmar::ui
