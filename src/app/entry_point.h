#pragma once

#include "app/app_core.h"

namespace cv {

// Runs the application on the current platform and gives the exit status:
// 0 after a normal end or when another copy was brought to the front, 1 when
// start-up failed or an engine error was reported in the "Error" box.
int RunApplication(Application& app);

}  // namespace cv
