#include "app/Start.h"

#include "app/Form7.h"
#include "logoff/Form5.h"
#include "tweak/Catalogue.h"
#include "tweak/Form4.h"

namespace quillmar {

void RegisterWindows(ui::Forms& forms, Module1& module) {
  forms.Register("Form7", [&module](ui::Forms& f) {
    return std::make_unique<Form7>(f, module, LocationOf(RowOf(KeyLabel::kProgram, "FirstTime")));
  });
  forms.Register("Form4", [&module](ui::Forms& f) { return std::make_unique<Form4>(f, module); });
  forms.Register("Form5", [&module](ui::Forms& f) {
    return std::make_unique<Form5>(f, module, LocationOf(RowOf(KeyLabel::kProgram, "LogOffBox")));
  });
}

void Start(ui::Forms& forms) {
  forms.BuildEach();
  forms.Load("Form7");
}

}  // namespace quillmar
