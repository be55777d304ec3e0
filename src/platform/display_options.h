#pragma once

#include <string>

namespace cv::platform {

constexpr int kMaxWindowScale = 8;

// How the window shows the game, from the command line.
struct DisplayOptions {
    bool fullScreen = false;
    // The window's whole scale, 1..kMaxWindowScale; 0: the largest that fits
    // the desktop.
    int scale = 0;
};

// Reads a display option at args[0] ("--fullscreen", "--window", "--scale N"),
// the later of "--fullscreen" and "--window" winning. Gives how many
// arguments it used: 0 when args[0] is no display option, -1 with `error` set
// when its value is missing or bad.
int ReadDisplayOption(const char* const* args, int count, DisplayOptions& options,
                      std::string& error);

}  // namespace cv::platform
