#include "app/Headless.h"

#include <algorithm>

#include "app/QuietHost.h"
#include "app/Start.h"
#include "registry/Module1.h"
#include "tweak/Form4.h"
#include "ui/Forms.h"

namespace quillmar {

std::vector<Change> ApplyWithoutView(OverlayRegistry& overlay, int platform_id) {
  Module1 module{overlay};
  QuietHost host{platform_id};
  ui::Forms forms{host};
  RegisterWindows(forms, module);
  auto& form = dynamic_cast<Form4&>(*forms.Load("Form4"));
  overlay.ClearFront();
  form.ApplySettings();

  std::vector<Change> changes;
  for (const OverlayRegistry::Written& written : overlay.written())
    if (const auto spot = Locate(written.root, written.path, written.name))
      changes.push_back({*spot, &written});
  std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
    return OrderOf(a.spot) < OrderOf(b.spot);
  });
  return changes;
}

}  // namespace quillmar
