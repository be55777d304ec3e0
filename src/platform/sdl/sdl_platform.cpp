#include "platform/sdl/sdl_platform.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "platform/frame_turn.h"
#include "platform/png_file.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/utf.h"

namespace cv::platform {
namespace {

// Largest whole factor at which a w x h picture fits into the area (at least 1).
int WholeScale(int areaW, int areaH, int w, int h) {
    int scale = std::min(areaW / w, areaH / h);
    return scale < 1 ? 1 : scale;
}

// Without a display SDL falls back to drivers that draw into memory; a game window
// nobody can see must not keep running, unless such a driver was asked for by name.
bool VideoReachesAScreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return false;
    const std::string name = driver;
    if (name != "offscreen" && name != "dummy") return true;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return asked && name == asked;
}

}  // namespace

SdlPlatform::SdlPlatform(const std::string& gameFolder, DisplayOptions display)
    : instance_(gameFolder), display_(display) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::cerr << "SDL: " << SDL_GetError() << std::endl;
    }
    timerEvent_ = SDL_RegisterEvents(1);
    controllers_ = std::make_unique<SdlControllers>(
        [this](int virtualKey, bool down) { PostKey(virtualKey, down, false); });
}

SdlPlatform::~SdlPlatform() {
    CloseWindowResources();
    controllers_.reset();
    SDL_Quit();
}

bool SdlPlatform::ActivateRunningInstance(const std::string& className) {
    return instance_.SignalRunning(className);
}

bool SdlPlatform::CreateMainWindow(const std::u16string& title, int deviceWidth, int deviceHeight,
                                   WindowProc proc) {
    if (!VideoReachesAScreen()) {
        std::cerr << "SDL: no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?)"
                  << std::endl;
        return false;
    }
    logicalWidth_ = deviceHeight;
    logicalHeight_ = deviceWidth;
    SDL_Rect usable{0, 0, logicalWidth_, logicalHeight_};
    SDL_GetDisplayUsableBounds(0, &usable);
    // Leave room for a title bar and panels.
    const int scale = display_.scale > 0
                          ? display_.scale
                          : WholeScale(usable.w, usable.h - 64, logicalWidth_, logicalHeight_);
    const Uint32 flags = SDL_WINDOW_RESIZABLE |
                         (display_.fullScreen ? Uint32{SDL_WINDOW_FULLSCREEN_DESKTOP} : Uint32{0});
    window_ =
        SDL_CreateWindow(Utf16ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         logicalWidth_ * scale, logicalHeight_ * scale, flags);
    if (!window_) {
        std::cerr << "SDL: " << SDL_GetError() << std::endl;
        return false;
    }
    SDL_SetWindowMinimumSize(window_, logicalWidth_ / 2, logicalHeight_ / 2);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_ || !EnsureTexture(logicalWidth_, logicalHeight_)) {
        std::cerr << "SDL: " << SDL_GetError() << std::endl;
        CloseWindowResources();
        return false;
    }
    SDL_StartTextInput();
    SetWindowProc(std::move(proc));
    return true;
}

bool SdlPlatform::EnsureTexture(int width, int height) {
    if (texture_) return true;
    // Match the window's own format so the turn is the only pass over the frame.
    Uint32 native = SDL_GetWindowPixelFormat(window_);
    textureFormat_ = native == SDL_PIXELFORMAT_RGB565 || native == SDL_PIXELFORMAT_RGB888
                         ? native
                         : Uint32{SDL_PIXELFORMAT_ARGB8888};
    texture_ =
        SDL_CreateTexture(renderer_, textureFormat_, SDL_TEXTUREACCESS_STREAMING, width, height);
    return texture_ != nullptr;
}

void SdlPlatform::CloseWindowResources() {
    KillTimer(kTimerId);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlPlatform::ShowMainWindow() {
    if (!window_) return;
    SDL_ShowWindow(window_);
    SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
}

void SdlPlatform::MinimizeMainWindow() {
    if (window_) SDL_MinimizeWindow(window_);
}

void SdlPlatform::ToggleFullScreen() {
    bool full = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool SdlPlatform::GetMessage(Message& out) {
    while (true) {
        if (TakePosted(out)) {
            if (out.message == WM_TIMER) timerPending_ = false;
            if (out.message == WM_PAINT) paintPending_ = false;
            return out.message != WM_QUIT;
        }
        if (instance_.TakeRaiseRequest()) ShowMainWindow();
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, controllers_->WaitMs(250))) Translate(event);
        controllers_->RepeatDue();
    }
}

void SdlPlatform::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            PostMessage({WM_CLOSE, 0, 0});
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            TranslateKey(event.key);
            break;
        case SDL_MOUSEWHEEL:
            TranslateWheel(event.wheel);
            break;
        case SDL_TEXTINPUT:
            for (char16_t ch : Utf8ToUtf16(event.text.text)) PostMessage({WM_CHAR, ch, 0});
            break;
        case SDL_MOUSEMOTION:
            TranslateMouse(WM_MOUSEMOVE, event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            bool down = event.type == SDL_MOUSEBUTTONDOWN;
            if (event.button.button == SDL_BUTTON_LEFT) {
                TranslateMouse(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, event.button.x,
                               event.button.y);
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                TranslateMouse(down ? WM_RBUTTONDOWN : WM_RBUTTONUP, event.button.x,
                               event.button.y);
            }
            break;
        }
        default:
            if (event.type == timerEvent_) PostMessage({WM_TIMER, kTimerId, 0});
            controllers_->Translate(event);
            break;
    }
}

void SdlPlatform::TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            PostMessage({WM_CLOSE, 0, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            PostMessage({WM_ACTIVATE, 1, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            PostMessage({WM_ACTIVATE, 0, 0});
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
            if (!paintPending_) PostMessage({WM_PAINT, 0, 0});
            paintPending_ = true;
            break;
        default:
            break;
    }
}

void SdlPlatform::TranslateKey(const SDL_KeyboardEvent& event) {
    const bool down = event.type == SDL_KEYDOWN;
    const bool alt = event.keysym.mod & KMOD_ALT;
    const bool enter = event.keysym.sym == SDLK_RETURN || event.keysym.sym == SDLK_KP_ENTER;
    if (event.keysym.sym == SDLK_F11 || (alt && enter)) {
        if (down && !event.repeat) ToggleFullScreen();
        return;
    }
    int vk = VirtualKeyOf(event.keysym);
    if (vk < 0) return;
    PostKey(vk, down, alt);
}

void SdlPlatform::PostKey(int virtualKey, bool down, bool alt) {
    const bool sys = alt || virtualKey == kVkMenu;
    uint32_t message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    PostMessage({message, static_cast<uint64_t>(virtualKey), 0});
    if (down && !sys) {
        if (int ch = ControlCharOfKey(virtualKey)) {
            PostMessage({WM_CHAR, static_cast<uint64_t>(ch), 0});
        }
    }
}

// Whole notches only, so a recording replays the same turns.
void SdlPlatform::TranslateWheel(const SDL_MouseWheelEvent& event) {
    int notches = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.y : event.y;
    notches = std::clamp(notches, -kMaxWheelNotches, kMaxWheelNotches);
    if (notches != 0) PostWheel(notches);
}

SDL_Rect SdlPlatform::FrameRect() const {
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    int scale = WholeScale(outW, outH, logicalWidth_, logicalHeight_);
    SDL_Rect rect{0, 0, logicalWidth_ * scale, logicalHeight_ * scale};
    if (rect.w > outW || rect.h > outH) {
        // Smaller than one whole frame: shrink, keeping the aspect.
        double fit = std::min(double(outW) / logicalWidth_, double(outH) / logicalHeight_);
        rect.w = static_cast<int>(logicalWidth_ * fit);
        rect.h = static_cast<int>(logicalHeight_ * fit);
    }
    rect.x = (outW - rect.w) / 2;
    rect.y = (outH - rect.h) / 2;
    return rect;
}

void SdlPlatform::TranslateMouse(uint32_t message, int windowX, int windowY) {
    if (!renderer_) return;
    int winW = 1, winH = 1, outW = 1, outH = 1;
    SDL_GetWindowSize(window_, &winW, &winH);
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    SDL_Rect rect = FrameRect();
    // Window points to renderer pixels (they differ on high-density screens),
    // then to logical frame points.
    double px = double(windowX) * outW / winW, py = double(windowY) * outH / winH;
    int x = static_cast<int>(std::floor((px - rect.x) * logicalWidth_ / rect.w));
    int y = static_cast<int>(std::floor((py - rect.y) * logicalHeight_ / rect.h));
    PostMessage({message, MouseModifiers(), MakePointParam(x, y)});
}

uint64_t SdlPlatform::MouseModifiers() const {
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    SDL_Keymod mod = SDL_GetModState();
    uint64_t bits = 0;
    if (buttons & SDL_BUTTON_LMASK) bits |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK) bits |= MK_RBUTTON;
    if (buttons & SDL_BUTTON_MMASK) bits |= MK_MBUTTON;
    if (mod & KMOD_CTRL) bits |= MK_CONTROL;
    if (mod & KMOD_SHIFT) bits |= MK_SHIFT;
    return bits;
}

Uint32 SdlPlatform::OnTimer(Uint32 interval, void* self) {
    auto* platform = static_cast<SdlPlatform*>(self);
    // Like the system's timer, at most one tick waits in the queue.
    if (!platform->timerPending_.exchange(true)) {
        SDL_Event event{};
        event.type = platform->timerEvent_;
        SDL_PushEvent(&event);
    }
    return interval;
}

void SdlPlatform::SetTimer(int id, int periodMs) {
    if (id != kTimerId || timer_) return;
    timer_ = SDL_AddTimer(static_cast<Uint32>(periodMs), OnTimer, this);
}

void SdlPlatform::KillTimer(int id) {
    if (id != kTimerId || !timer_) return;
    SDL_RemoveTimer(timer_);
    timer_ = 0;
}

void SdlPlatform::Present(const FrameView& frame) {
    lastFrame_ = frame;
    if (!renderer_ || !EnsureTexture(UprightWidth(frame), UprightHeight(frame))) return;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;
    if (textureFormat_ == SDL_PIXELFORMAT_RGB565) {
        TurnUpright(frame, static_cast<uint16_t*>(pixels), pitch / 2, [](uint16_t p) { return p; });
    } else {
        TurnUpright(frame, static_cast<uint32_t*>(pixels), pitch / 4,
                    [](uint16_t p) { return 0xFF000000u | Rgb565ToRgb888(p); });
    }
    SDL_UnlockTexture(texture_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_Rect rect = FrameRect();
    SDL_RenderCopy(renderer_, texture_, nullptr, &rect);
    SDL_RenderPresent(renderer_);
}

bool SdlPlatform::SaveScreenshot(const std::string& path, bool windowScale,
                                 std::string& error) const {
    if (!lastFrame_.row0) {
        error = "no frame";
        return false;
    }
    const int width = UprightWidth(lastFrame_), height = UprightHeight(lastFrame_);
    // A window smaller than one whole frame still gives the game's own size.
    const int scale = windowScale && renderer_ ? std::max(1, FrameRect().w / width) : 1;
    return WritePng(path, width * scale, height * scale, false,
                    ScaledRgb(UprightRgb(lastFrame_), width, height, scale), error);
}

int SdlPlatform::AskMessageBox(const std::u16string& text, const std::u16string& caption,
                               uint32_t flags) {
    std::vector<SDL_MessageBoxButtonData> buttons;
    switch (flags & 0x0F) {
        case MB_OKCANCEL:
            buttons = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDOK, "OK"},
                       {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDCANCEL, "Cancel"}};
            break;
        case MB_YESNO:
            buttons = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
                       {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"}};
            break;
        case MB_RETRYCANCEL:
            buttons = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDRETRY, "Retry"},
                       {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDCANCEL, "Cancel"}};
            break;
        default:
            buttons = {
                {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
                 IDOK, "OK"}};
            break;
    }
    Uint32 icon = SDL_MESSAGEBOX_INFORMATION;
    if ((flags & 0xF0) == MB_ICONHAND) icon = SDL_MESSAGEBOX_ERROR;
    if ((flags & 0xF0) == MB_ICONEXCLAMATION) icon = SDL_MESSAGEBOX_WARNING;
    std::string title = Utf16ToUtf8(caption), message = Utf16ToUtf8(text);
    SDL_MessageBoxData data{
        icon,           window_, title.c_str(), message.c_str(), static_cast<int>(buttons.size()),
        buttons.data(), nullptr};
    int chosen = -1;
    if (SDL_ShowMessageBox(&data, &chosen) != 0 || chosen < 0) {
        // No display to ask on: report and take the safe answer.
        std::cerr << title << ": " << message << std::endl;
        return (flags & 0x0F) == MB_RETRYCANCEL ? IDCANCEL : buttons.back().buttonid;
    }
    return chosen;
}

}  // namespace cv::platform
