#include "app/Form7.h"

#include "resources/AgreementText.h"

namespace quillmar {
namespace {

using ui::Kind;

const ui::WindowSpec kForm7{
    .name = "Form7",
    .caption = "Quillmar",
    .client_width = 6480,
    .client_height = 5115,
    .controls = {
        {.name = "Label1",
         .kind = Kind::kLabel,
         .caption = "License Agreement",
         .rect = {293, 120, 2055, 255},
         .tab_index = 3,
         .bold = true},
        {.name = "Label2",
         .kind = Kind::kLabel,
         .caption = "Please read the following important information before continuing.",
         .rect = {293, 480, 4815, 255},
         .tab_index = 2},
        {.name = "Text1",
         .kind = Kind::kTextBox,
         .caption = kAgreementText,
         .rect = {293, 960, 5895, 2535},
         .tab_index = 0,
         .wrap = true},
        {.name = "Label3",
         .kind = Kind::kLabel,
         .caption = "Do you accept all the terms of the preceding License Agreement? If you "
                    "choose No, application will close. To star using Quillmar 1.0 you must "
                    "accept this agreement.",
         .rect = {233, 3720, 6015, 450},
         .tab_index = 1,
         .wrap = true},
        {.name = "Image28",
         .kind = Kind::kImage,
         .rect = {220, 4320, 6045, 75},
         .picture = "separator_wide",
         .stretch = true},
        {.name = "Command1",
         .kind = Kind::kButton,
         .caption = "Yes",
         .rect = {3480, 4560, 1335, 375},
         .tab_index = 4},
        {.name = "Command2",
         .kind = Kind::kButton,
         .caption = "No",
         .rect = {4920, 4560, 1335, 375},
         .tab_index = 5},
    }};

}  // namespace

Form7::Form7(ui::Forms& forms, Module1& module, Location first_time)
    : Window(kForm7, forms),
      Text1(Get<ui::TextBox>("Text1")),
      Command1(Get<ui::Button>("Command1")),
      Command2(Get<ui::Button>("Command2")),
      module_(module),
      first_time_(first_time) {
  Command1.OnClick = [this] { Command1_Click(); };
  Command2.OnClick = [this] { Command2_Click(); };
}

void Form7::Form_Load() {
  if (IsEmptyText(QueryValue(module_, first_time_))) {
    forms().Show(*this, false);
    SaveValue(module_, first_time_, std::string("First"));
    forms().host().Beep();
    return;
  }
  forms().Close(*this);
  OpenTweakWindow();
}

void Form7::Command1_Click() {
  forms().Close(*this);
  OpenTweakWindow();
}

void Form7::Command2_Click() {
  SaveValue(module_, first_time_, std::string());
  forms().Close(*this);
}

void Form7::OpenTweakWindow() {
  if (ui::Window* tweak = forms().Load("Form4")) forms().Show(*tweak, false);
}

}  // namespace quillmar
