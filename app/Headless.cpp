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
  auto* form = dynamic_cast<Form4*>(forms.Load("Form4"));
  overlay.ClearFront();
  if (form != nullptr) form->ApplySettings();

  std::vector<Change> changes;
  for (const OverlayRegistry::Record& record : overlay.records())
    if (const auto spot = Locate(record.root, record.path, record.name))
      changes.push_back({*spot, &record});
  std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
    return OrderOf(a.spot) < OrderOf(b.spot);
  });
  return changes;
}

}  // namespace quillmar
