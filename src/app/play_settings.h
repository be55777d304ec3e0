#pragma once

#include "platform/input_recorder.h"

namespace cv {

// The CFG values that change how a game plays and looks (screen size, flip,
// animation, language), as a recording's header keeps them.

// Puts the replayed recording's values over those of the CFG just read, so a
// replay plays as the recorded game did whatever the local CFG says.
void ApplyReplayedSettings(const platform::RecordingHeader& header);

// Writes the values in effect into the recording's header and starts its body.
// Call once the CFG is read and the screen is sized.
void RecordPlaySettings(platform::InputRecorder& recorder);

}  // namespace cv
