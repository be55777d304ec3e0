#include "platform/sdl/sdl_controllers.h"

#include <algorithm>
#include <iostream>

namespace cv::platform {

static_assert(kPadA == int{SDL_CONTROLLER_BUTTON_A} && kPadB == int{SDL_CONTROLLER_BUTTON_B} &&
              kPadBack == int{SDL_CONTROLLER_BUTTON_BACK} &&
              kPadStart == int{SDL_CONTROLLER_BUTTON_START} &&
              kPadLeftShoulder == int{SDL_CONTROLLER_BUTTON_LEFTSHOULDER} &&
              kPadRightShoulder == int{SDL_CONTROLLER_BUTTON_RIGHTSHOULDER} &&
              kPadUp == int{SDL_CONTROLLER_BUTTON_DPAD_UP} &&
              kPadDown == int{SDL_CONTROLLER_BUTTON_DPAD_DOWN} &&
              kPadLeft == int{SDL_CONTROLLER_BUTTON_DPAD_LEFT} &&
              kPadRight == int{SDL_CONTROLLER_BUTTON_DPAD_RIGHT});
static_assert(kStickX == int{SDL_CONTROLLER_AXIS_LEFTX} &&
              kStickY == int{SDL_CONTROLLER_AXIS_LEFTY});

SdlControllers::SdlControllers(Strike strike) : strike_(std::move(strike)) {
    // Without controller support the keyboard and mouse still do everything.
    ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!ready_) std::cerr << "SDL: no game controllers: " << SDL_GetError() << std::endl;
}

SdlControllers::~SdlControllers() {
    for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.controller);
    pads_.clear();
    if (ready_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// SDL announces the controllers present at start-up as added, too.
bool SdlControllers::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Open(event.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            Close(event.cdevice.which);
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            auto pad = pads_.find(event.cbutton.which);
            const int key = VirtualKeyOfPadButton(event.cbutton.button);
            if (pad != pads_.end() && key >= 0) {
                Key(pad->second, key, event.type == SDL_CONTROLLERBUTTONDOWN);
            }
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            auto pad = pads_.find(event.caxis.which);
            if (pad == pads_.end()) return true;
            const auto [released, pressed] =
                pad->second.stick.Move(event.caxis.axis, event.caxis.value);
            if (released >= 0) Key(pad->second, released, false);
            if (pressed >= 0) Key(pad->second, pressed, true);
            return true;
        }
        default:
            return false;
    }
}

void SdlControllers::Open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (pads_.count(id) != 0) {
        SDL_GameControllerClose(controller);  // announced twice: keep the first
        return;
    }
    pads_[id].controller = controller;
}

// A controller pulled out with keys down lets them go.
void SdlControllers::Close(SDL_JoystickID id) {
    auto pad = pads_.find(id);
    if (pad == pads_.end()) return;
    const std::vector<int> held = pad->second.held;
    for (int key : held) Key(pad->second, key, false);
    SDL_GameControllerClose(pad->second.controller);
    pads_.erase(pad);
}

void SdlControllers::Key(Pad& pad, int virtualKey, bool down) {
    auto at = std::find(pad.held.begin(), pad.held.end(), virtualKey);
    if (down) {
        pad.held.push_back(virtualKey);
        repeat_.Press(virtualKey, SDL_GetTicks());
    } else {
        if (at == pad.held.end()) return;  // never went down here
        pad.held.erase(at);
        repeat_.Release(virtualKey);
    }
    strike_(virtualKey, down);
}

void SdlControllers::RepeatDue() {
    const int key = repeat_.Due(SDL_GetTicks());
    if (key >= 0) strike_(key, true);
}

int SdlControllers::WaitMs(int longest) const {
    return static_cast<int>(repeat_.WaitMs(SDL_GetTicks(), static_cast<uint32_t>(longest)));
}

}  // namespace cv::platform
