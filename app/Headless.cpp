#include "app/Headless.h"

#include <algorithm>

#include "app/Start.h"

namespace quillmar {
namespace {

Form4& Loaded(ui::Forms& forms, Module1& module) {
  RegisterWindows(forms, module);
  return dynamic_cast<Form4&>(*forms.Load("Form4"));
}

}  // namespace

TweakWithoutView::TweakWithoutView(OverlayRegistry& overlay, int platform_id)
    : overlay_(overlay),
      module_(overlay),
      host_(platform_id),
      forms_(host_),
      form_(Loaded(forms_, module_)) {
  overlay_.ClearFront();
}

std::vector<Change> TweakWithoutView::Apply() {
  form_.ApplySettings();
  std::vector<Change> changes;
  const OverlayRegistry::Written* previous = nullptr;
  std::optional<KeyLabel> key;
  for (const OverlayRegistry::Written& written : overlay_.written()) {
    // Thousands of typed URLs share one key, looked up once for them all (--import within its
    // goal in `make bench`).
    if (previous == nullptr || previous->root != written.root || previous->path != written.path)
      key = LocateKey(written.root, written.path);
    previous = &written;
    if (const auto spot = key ? Locate(*key, written.name) : std::nullopt)
      changes.push_back({*spot, &written});
  }
  std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
    return OrderOf(a.spot) < OrderOf(b.spot);
  });
  return changes;
}

}  // namespace quillmar
