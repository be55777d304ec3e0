#pragma once

#include <SDL2/SDL_keyboard.h>

namespace cv::platform {

// The handheld virtual key of an SDL key, or -1 for keys the game ignores.
// Keypad digits act as the navigation keys printed on them, with or without
// NumLock (7 Home, 8 Up, 9 PgUp, 4 Left, 5 Space, 6 Right, 1 End, 2 Down, 3 PgDown).
int VirtualKeyOf(const SDL_Keysym& key);

}  // namespace cv::platform
