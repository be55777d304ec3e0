#pragma once

#define SDL_MAIN_HANDLED
#include <SDL2/SDL.h>

#include <atomic>
#include <memory>

#include "platform/display_options.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_controllers.h"
#include "platform/single_instance.h"

namespace cv::platform {

// The desktop backend: one resizable SDL window showing the landscape frame
// upright, scaled by the largest whole factor that fits, centred. Game
// controllers act as keys.
class SdlPlatform : public Platform {
public:
    // `gameFolder` scopes the one-running-copy rule; `display` says how the
    // window starts (full screen, its scale).
    explicit SdlPlatform(const std::string& gameFolder, DisplayOptions display = {});
    ~SdlPlatform() override;

    bool ActivateRunningInstance(const std::string& className) override;
    int ScreenWidth() const override { return 480; }
    int ScreenHeight() const override { return 640; }
    bool CreateMainWindow(const std::u16string& title, int deviceWidth, int deviceHeight,
                          WindowProc proc) override;
    void ShowMainWindow() override;
    void MinimizeMainWindow() override;
    bool GetMessage(Message& out) override;
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void Present(const FrameView& frame) override;
    bool SaveScreenshot(const std::string& path, bool windowScale,
                        std::string& error) const override;
    // The window, once made (null before and after).
    SDL_Window* window() const { return window_; }

protected:
    int AskMessageBox(const std::u16string& text, const std::u16string& caption,
                      uint32_t flags) override;
    uint32_t ReadTickCount() const override { return SDL_GetTicks(); }
    LocalTime ReadLocalTime() const override { return SystemLocalTime(); }
    void CloseWindowResources() override;

private:
    static Uint32 OnTimer(Uint32 interval, void* self);
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event);
    void TranslateKey(const SDL_KeyboardEvent& event);
    void TranslateWheel(const SDL_MouseWheelEvent& event);
    // A key stroke as the keyboard sends it: the key message (a system key's
    // with Alt held), then on a key-down the control character the key types.
    void PostKey(int virtualKey, bool down, bool alt);
    void TranslateMouse(uint32_t message, int windowX, int windowY);
    uint64_t MouseModifiers() const;
    SDL_Rect FrameRect() const;
    bool EnsureTexture(int width, int height);
    void ToggleFullScreen();

    SingleInstance instance_;
    DisplayOptions display_;
    std::unique_ptr<SdlControllers> controllers_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    Uint32 textureFormat_ = SDL_PIXELFORMAT_ARGB8888;
    int logicalWidth_ = 0, logicalHeight_ = 0;
    SDL_TimerID timer_ = 0;
    Uint32 timerEvent_ = 0;
    std::atomic<bool> timerPending_{false};
    bool paintPending_ = false;
    // The device surface last shown; it lives as long as the device.
    FrameView lastFrame_;
};

}  // namespace cv::platform
