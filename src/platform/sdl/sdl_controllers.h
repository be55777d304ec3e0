#pragma once

#include <SDL2/SDL.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/controller_keys.h"

namespace cv::platform {

// Game controllers, plugged in and out at any time, acting as keys: every
// button and stick change comes out as a key stroke of the virtual key that
// VirtualKeyOfPadButton names, so the game, the recorder and the replay see
// nothing but keys.
class SdlControllers {
public:
    // `strike` posts a key-down (true) or key-up (false) of a virtual key.
    using Strike = std::function<void(int virtualKey, bool down)>;

    explicit SdlControllers(Strike strike);
    ~SdlControllers();
    SdlControllers(const SdlControllers&) = delete;
    SdlControllers& operator=(const SdlControllers&) = delete;

    // True when the event was a controller's (and was handled).
    bool Translate(const SDL_Event& event);
    // Strikes the held direction key again when its repeat is due.
    void RepeatDue();
    // How long the event wait may last before a repeat is due, at most `longest`.
    int WaitMs(int longest) const;
    int OpenCount() const { return static_cast<int>(pads_.size()); }

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        StickKeys stick;
        std::vector<int> held;  // keys down, to let go when the pad goes
    };

    void Open(int deviceIndex);
    void Close(SDL_JoystickID id);
    void Key(Pad& pad, int virtualKey, bool down);

    Strike strike_;
    bool ready_ = false;
    std::map<SDL_JoystickID, Pad> pads_;
    PadRepeat repeat_;
};

}  // namespace cv::platform
