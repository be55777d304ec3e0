#pragma once

#include <string>

namespace cv {

// The pictures folder named by the desktop's user-dirs.dirs text (lines such
// as XDG_PICTURES_DIR="$HOME/Pictures"), with $HOME expanded; empty when the
// text names none or names a relative folder.
std::string PicturesFolderFromUserDirs(const std::string& text, const std::string& home);

// $XDG_PICTURES_DIR when set, else the entry of <configHome>/user-dirs.dirs.
std::string ProcessPicturesFolder(const std::string& configHome, const std::string& home);

}  // namespace cv
