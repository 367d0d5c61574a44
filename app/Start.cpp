#include "app/Start.h"

#include "app/Form7.h"
#include "logoff/Form5.h"
#include "tweak/Form4.h"

namespace quillmar {

void RegisterWindows(ui::Forms& forms) {
  forms.Register("Form7", [](ui::Forms& f) { return std::make_unique<Form7>(f); });
  forms.Register("Form4", [](ui::Forms& f) { return std::make_unique<Form4>(f); });
  forms.Register("Form5", [](ui::Forms& f) { return std::make_unique<Form5>(f); });
}

void Start(ui::Forms& forms) {
  forms.Load("Form7");
}

}  // namespace quillmar
