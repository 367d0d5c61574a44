#include "tweak/Form4Layout.h"

namespace quillmar {

using ui::Align;
using ui::ControlSpec;
using ui::Kind;
using ui::Rgb;

namespace {

constexpr ui::Colour kBlack = Rgb(0, 0, 0);
constexpr ui::Colour kWhite = Rgb(255, 255, 255);
constexpr ui::Colour kLink = Rgb(0, 0, 192);
constexpr ui::Colour kLightGrey = Rgb(192, 192, 192);

ControlSpec Frame(std::string_view name) {
  return {.name = name, .kind = Kind::kFrame, .rect = {240, 480, 5055, 5415}, .bold = true};
}

ControlSpec Check(std::string_view name, std::string_view parent, std::string_view caption,
                  ui::Rect rect) {
  return {
      .name = name, .kind = Kind::kCheckBox, .parent = parent, .caption = caption, .rect = rect};
}

ControlSpec Picture(std::string_view name, std::string_view parent, std::string_view picture,
                    ui::Rect rect, bool stretch = false) {
  return {.name = name,
          .kind = Kind::kImage,
          .parent = parent,
          .rect = rect,
          .picture = picture,
          .stretch = stretch};
}

ControlSpec Text(std::string_view name, std::string_view parent, std::string_view caption,
                 ui::Rect rect) {
  return {.name = name, .kind = Kind::kLabel, .parent = parent, .caption = caption, .rect = rect};
}

ControlSpec OnBlack(ControlSpec spec) {
  spec.fore = kWhite;
  spec.back = kBlack;
  return spec;
}

ControlSpec Option(std::string_view name, std::string_view caption, ui::Rect rect, int value) {
  return {.name = name,
          .kind = Kind::kOptionButton,
          .parent = "Frame4",
          .caption = caption,
          .rect = rect,
          .value = value};
}

ControlSpec Link(std::string_view name, std::string_view caption, ui::Rect rect) {
  return {.name = name,
          .kind = Kind::kLabel,
          .parent = "Frame1",
          .caption = caption,
          .rect = rect,
          .bold = true,
          .fore = kLink,
          .align = Align::kCentre,
          .clickable = true};
}

ControlSpec Box(ControlSpec spec, int max_length) {
  spec.kind = Kind::kTextBox;
  spec.max_length = max_length;
  return spec;
}

const ui::WindowSpec kForm4{
    .name = "Form4",
    .caption = "Quillmar",
    .client_width = 5535,
    .client_height = 6555,
    .controls = {
        Frame("Frame1"),
        Frame("Frame4"),
        Frame("Frame2"),
        Frame("Frame3"),
        {.name = "BtnApply",
         .kind = Kind::kButton,
         .caption = "Apply",
         .rect = {4080, 6000, 1215, 375}},
        {.name = "Command1",
         .kind = Kind::kButton,
         .caption = "Close",
         .rect = {2760, 6000, 1215, 375}},
        {.name = "TabStrip1",
         .kind = Kind::kTabStrip,
         .rect = {240, 165, 5055, 5655},
         .bold = true,
         .items = {"Start Menu", "Desktop + Special", "Other", "Help"}},

        // The Start Menu page: a picture of the Start menu whose removable items are boxes.
        {.name = "Check1",
         .kind = Kind::kCheckBox,
         .parent = "Frame1",
         .caption = " Programs",
         .rect = {900, 435, 1335, 255},
         .value = 2,
         .enabled = false},
        Picture("Image3", "Frame1", "programs", {300, 360, 420, 405}),
        Check("ChckFavorites", "Frame1", " Favorites", {900, 900, 1215, 255}),
        Picture("Image1", "Frame1", "favorites", {300, 840, 420, 360}),
        Check("ChckDocuments", "Frame1", " Documents", {900, 1350, 1215, 255}),
        Picture("Image12", "Frame1", "documents", {315, 1275, 390, 360}),
        Check("ChckSettings", "Frame1", " Settings", {900, 1815, 1215, 255}),
        Picture("Image4", "Frame1", "settings", {300, 1740, 405, 405}),
        Check("ChckFind", "Frame1", " Find", {900, 2295, 1215, 255}),
        Picture("Image5", "Frame1", "find", {300, 2235, 405, 405}),
        Check("ChckHelp", "Frame1", " Help", {900, 2790, 1215, 255}),
        Picture("Image6", "Frame1", "help", {315, 2745, 375, 360}),
        Check("ChckRun", "Frame1", " Run...", {900, 3270, 1215, 255}),
        Picture("Image7", "Frame1", "run", {300, 3225, 405, 390}),
        Check("ChckLogoff", "Frame1", " Log off...", {900, 3975, 1455, 255}),
        Picture("Image8", "Frame1", "logoff", {315, 3885, 375, 390}),
        Check("ChckClose", "Frame1", " Shut down...", {900, 4440, 1335, 255}),
        Picture("Image9", "Frame1", "shutdown", {315, 4380, 390, 390}),
        Picture("Image10", "Frame1", "separator_small", {240, 3720, 1860, 45}, true),
        Picture("Image2", "Frame1", "arrow", {2340, 1395, 105, 150}),
        Picture("Image11", "Frame1", "arrow", {2340, 1860, 105, 150}),
        Check("ChckMyDocuments", "Frame1", "My documents", {3060, 900, 1575, 255}),
        Picture("Image14", "Frame1", "mydocuments", {2730, 885, 285, 255}),
        Check("ChckRecentDocuments", "Frame1", "Recent documens", {3060, 1350, 1695, 255}),
        Text("Label2", "Frame1", "...", {2790, 1320, 135, 255}),
        Check("ChckControlPanel", "Frame1", "Control panel + Printers", {3060, 1800, 1575, 495}),
        Picture("Image15", "Frame1", "controlpanel", {2730, 1815, 270, 225}),
        Picture("Image17", "Frame1", "printers", {2730, 2025, 270, 240}),
        Check("ChckTaskbar", "Frame1", "Taskbar", {3060, 2400, 1815, 255}),
        Picture("Image18", "Frame1", "taskbar", {2730, 2385, 270, 270}),
        Check("ChckFolderOptions", "Frame1", "Folder options...", {3060, 2760, 1815, 255}),
        Picture("Image19", "Frame1", "folderoptions", {2745, 2760, 240, 240}),
        Check("ChckActiveDesktop", "Frame1", "Active Desktop", {3060, 3120, 1455, 255}),
        Picture("Image20", "Frame1", "activedesktop", {2730, 3105, 270, 255}),
        Check("ChckWindowsUpdate", "Frame1", "Windows Update...", {3060, 3600, 1815, 255}),
        Picture("Image21", "Frame1", "windowsupdate", {2745, 3615, 255, 225}),
        Picture("Image13", "Frame1", "separator_small", {2700, 1230, 2010, 45}, true),
        Picture("Image16", "Frame1", "separator_small", {2700, 3450, 2010, 45}, true),
        Link("Label9", "Select all", {3240, 4320, 1095, 255}),
        Link("Label10", "Deselect all", {3240, 4680, 1095, 255}),

        // The Desktop + Special page.
        Check("ChckHide", "Frame2", "Hide all items on the desktop.", {360, 360, 3735, 255}),
        Check("ChckRightClick", "Frame2", "Disable the ability to right click on the desktop.",
              {360, 720, 3615, 255}),
        Check("ChckADFeature", "Frame2", "Disable the Active Desktop feature.",
              {360, 1080, 3615, 255}),
        Check("ChckDontSave", "Frame2", "Don't save the desktop konfiguration at exit.",
              {360, 1440, 3615, 255}),
        Picture("Image22", "Frame2", "separator_wide", {240, 1920, 4515, 75}, true),
        Text("Label5", "Frame2", "Size of desktop icons (default = 32 pixels).",
             {360, 2160, 3975, 255}),
        Box(Text("Txtpix", "Frame2", "32", {360, 2520, 375, 285}), 3),
        Text("Label1", "Frame2", "pixels", {840, 2580, 495, 255}),
        {.name = "Slider1",
         .kind = Kind::kSlider,
         .parent = "Frame2",
         .rect = {1440, 2520, 1215, 255},
         .min = 0,
         .max = 100},
        Picture("Image23", "Frame2", "separator_wide", {240, 3000, 4515, 75}, true),
        {.name = "Label11",
         .kind = Kind::kLabel,
         .parent = "Frame2",
         .caption = "Special",
         .rect = {360, 3240, 735, 255},
         .bold = true},
        {.name = "Picture1",
         .kind = Kind::kPanel,
         .parent = "Frame2",
         .rect = {360, 3600, 4335, 1575},
         .back = kBlack},
        OnBlack(Check("ChckDisableRegistry", "Picture1", "Disable registry tools.",
                      {120, 120, 3975, 255})),
        OnBlack(Check("ChckDisableCancelButton", "Picture1",
                      "Disable Cancel button on the Windows 9x login box.", {120, 480, 4095, 255})),
        OnBlack({.name = "Label4",
                 .kind = Kind::kLabel,
                 .parent = "Picture1",
                 .caption = "Warning:",
                 .rect = {120, 960, 780, 195},
                 .bold = true,
                 .autosize = true}),
        OnBlack(Text("Label12", "Picture1", "Be careful of using these settings!",
                     {960, 960, 2895, 255})),

        // The Other page.
        Check("ChckThumbnails", "Frame3", "Automatically view thumbnails of bitmap files (*.bmp).",
              {360, 360, 4215, 255}),
        Check("ChckDisplayChanges", "Frame3", "Restrict changes to any display settings.",
              {360, 720, 3975, 255}),
        Check("ChckDenyPasswords", "Frame3",
              "Deny access to the Passwords page (in control panel).", {360, 1080, 4215, 255}),
        Check("ChckDenyUserProfiles", "Frame3",
              "Deny access to the User profiles page (in control panel).", {360, 1440, 4455, 255}),
        Picture("Image25", "Frame3", "separator_wide", {240, 1920, 4515, 75}, true),
        Text("Label8", "Frame3", "Default name:", {360, 2235, 1335, 255}),
        Box({.name = "TxtName",
             .kind = Kind::kTextBox,
             .parent = "Frame3",
             .rect = {1800, 2190, 2895, 285},
             .fore = kBlack,
             .back = kWhite},
            50),
        Text("Label7", "Frame3", "Default company:", {360, 2640, 1335, 255}),
        Box({.name = "TxtCompany",
             .kind = Kind::kTextBox,
             .parent = "Frame3",
             .rect = {1800, 2595, 2895, 285},
             .fore = kBlack,
             .back = kWhite},
            50),
        Picture("Image24", "Frame3", "separator_wide", {240, 3075, 4515, 75}, true),
        Text("Label6", "Frame3", "Internet Explorer typed URL history:", {360, 3360, 3735, 255}),
        {.name = "List1",
         .kind = Kind::kListBox,
         .parent = "Frame3",
         .rect = {360, 3720, 4335, 1035},
         .fore = kBlack,
         .back = kWhite},
        Text("Label3", "Frame3", "Select an item and press delete...", {360, 4920, 2655, 255}),
        {.name = "Command2",
         .kind = Kind::kButton,
         .parent = "Frame3",
         .caption = "Delete",
         .rect = {3360, 4860, 1335, 375}},

        // The Help page.
        {.name = "Picture2",
         .kind = Kind::kPanel,
         .parent = "Frame4",
         .rect = {290, 360, 4455, 1335},
         .back = kBlack},
        Picture("Image26", "Picture2", "logo", {880, 240, 2580, 660}),
        {.name = "Label16",
         .kind = Kind::kLabel,
         .parent = "Frame4",
         .caption =
             "Quillmar is a freeware utility. It uses Windows Registry to tweak Windows. You can "
             "remove or add Start menu folders and commands, configure your desktop settings, "
             "disable registry tools or Cancel button on Windows 9x login box, disable some "
             "Control panel pages and provide other useful restrictions. You can also delete "
             "Internet Explorer typed URL history items, what is goog when you don't want to see "
             "your visited web pages by other people...",
         .rect = {390, 1800, 4215, 1575},
         .back = kLightGrey,
         .align = Align::kCentre,
         .wrap = true},
        Picture("Image28", "Frame4", "separator_wide", {270, 3960, 4515, 75}, true),
        Option("OptPrompt1", "Prompt me next time whether Log off or not on Apply.",
               {340, 4200, 4215, 255}, 1),
        Option("OptDontPromptAndLogOff1", "Don' t prompt me next time and Log off automatically.",
               {340, 4560, 4215, 255}, 0),
        Option("OptDontPromptAndDontLogOff1", "Don' t prompt me next time and don' t Log off.",
               {340, 4920, 3615, 255}, 0),
    }};

}  // namespace

const ui::WindowSpec& Form4Layout() {
  return kForm4;
}

}  // namespace quillmar
