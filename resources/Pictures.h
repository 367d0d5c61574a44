#pragma once

#include <array>
#include <string_view>

namespace quillmar {

// A picture that a layout names in `.picture`: its file under resources/ and its size in pixels.
// The build turns each file into `name`.bmp, which quillmar.rc embeds as RCDATA named after
// `name` in upper case.
struct PictureFile {
  std::string_view name;
  std::string_view file;
  int width;
  int height;
};

inline constexpr std::array<PictureFile, 20> kPictures = {{
    {"programs", "pictures/programs.jpg", 28, 27},
    {"favorites", "pictures/favorites.jpg", 28, 24},
    {"documents", "pictures/documents.jpg", 26, 24},
    {"settings", "pictures/settings.jpg", 27, 27},
    {"find", "pictures/find.jpg", 27, 27},
    {"help", "pictures/help.jpg", 25, 24},
    {"run", "pictures/run.jpg", 27, 26},
    {"logoff", "pictures/logoff.jpg", 25, 26},
    {"shutdown", "pictures/shutdown.jpg", 26, 26},
    {"mydocuments", "pictures/mydocuments.jpg", 19, 17},
    {"controlpanel", "pictures/controlpanel.jpg", 18, 15},
    {"printers", "pictures/printers.jpg", 18, 16},
    {"taskbar", "pictures/taskbar.jpg", 18, 18},
    {"folderoptions", "pictures/folderoptions.jpg", 16, 16},
    {"activedesktop", "pictures/activedesktop.jpg", 18, 17},
    {"windowsupdate", "pictures/windowsupdate.jpg", 17, 15},
    {"arrow", "pictures/arrow.jpg", 7, 10},
    {"separator_small", "pictures/separator_small.jpg", 180, 3},
    {"separator_wide", "pictures/separator_wide.jpg", 229, 5},
    {"logo", "pictures/logo.gif", 172, 44},
}};

// nullptr for a name that is not in the table; names match exactly, case included.
constexpr const PictureFile* FindPicture(std::string_view name) {
  for (const PictureFile& picture : kPictures) {
    if (picture.name == name) return &picture;
  }
  return nullptr;
}

}  // namespace quillmar
