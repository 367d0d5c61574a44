#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmar::ui {

enum class Kind {
  kLabel,
  kButton,
  kCheckBox,
  kOptionButton,
  kTextBox,
  kListBox,
  kSlider,
  kTabStrip,
  kFrame,  // a page frame without caption
  kPanel,  // a picture box holding other controls
  kImage,
};

// A colour as red, green, blue; kNoColour keeps the system colour of the control's kind.
using Colour = std::int32_t;
inline constexpr Colour kNoColour = -1;
constexpr Colour Rgb(int r, int g, int b) {
  return r << 16 | g << 8 | b;
}

enum class Align { kLeft, kCentre };

// Places and sizes in twips, relative to the client area of the parent.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// One row of a window's layout table.
struct ControlSpec {
  std::string_view name;
  Kind kind;
  std::string_view parent = {};  // empty: the window itself
  std::string_view caption = {};
  Rect rect = {};
  int tab_index = -1;  // -1: takes no focus
  int value = 0;       // check box state, selected option, slider position
  bool enabled = true;
  bool bold = false;
  Colour fore = kNoColour;
  Colour back = kNoColour;
  Align align = Align::kLeft;
  bool wrap = false;       // labels: word wrap; text boxes: several lines with a scroll bar
  bool autosize = false;   // labels sized to their text
  bool clickable = false;  // labels drawn as links that react to a click
  int max_length = 0;      // text boxes: 0 is no limit
  int min = 0;             // slider range
  int max = 0;
  std::string_view picture = {};  // images: the resource name of the picture
  bool stretch = false;           // images: stretched to the control instead of natural size
  std::vector<std::string_view> items = {};  // tab captions
};

// A window's layout table: the window itself and its controls, parents before children, in
// stacking order from top to bottom.
struct WindowSpec {
  std::string_view name;
  std::string_view caption;
  int client_width;  // twips
  int client_height;
  std::vector<ControlSpec> controls;
};

}  // namespace quillmar::ui
