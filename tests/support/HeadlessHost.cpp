#include "tests/support/HeadlessHost.h"

#include "app/Start.h"

namespace quillmar::test {

void HeadlessHost::Show(ui::Window& window, bool modal) {
  events.push_back(std::string(modal ? "ShowModal: " : "Show: ") + std::string(window.name()));
  if (!modal) return;
  if (answer_modal) answer_modal(window);
  if (forms != nullptr && forms->Find(window.name()) == &window) forms->Close(window);
}

int HeadlessHost::Count(const std::string& prefix) const {
  int n = 0;
  for (const auto& e : events) n += e.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

Program::Program() {
  host.forms = &forms;
  RegisterWindows(forms, module);
}

}  // namespace quillmar::test
