#include "ui/Forms.h"

#include <algorithm>

namespace quillmar::ui {

void Forms::Register(std::string name, Factory factory) {
  factories_[std::move(name)] = std::move(factory);
}

void Forms::BuildEach() {
  for (const auto& [name, factory] : factories_) factory(*this);
}

Window* Forms::Load(std::string_view name) {
  if (Window* open = Find(name)) return open;
  auto factory = factories_.find(name);
  if (factory == factories_.end()) return nullptr;
  open_.push_back(factory->second(*this));
  Window* window = open_.back().get();
  window->Form_Load();
  return window;
}

void Forms::Show(Window& window, bool modal) {
  host_.Show(window, modal);
}

void Forms::Close(Window& window) {
  auto it =
      std::find_if(open_.begin(), open_.end(), [&](const auto& w) { return w.get() == &window; });
  if (it == open_.end()) return;
  closed_.push_back(std::move(*it));
  open_.erase(it);
  host_.Close(window);
}

Window* Forms::Find(std::string_view name) const {
  for (const auto& w : open_)
    if (w->name() == name) return w.get();
  return nullptr;
}

}  // namespace quillmar::ui
