#pragma once

#include <string>

#include "app/key_codes.h"
#include "app/screen.h"
#include "platform/messages.h"

namespace cv {

// The application object is a chain of classes, each level adding to the one
// before; exactly one instance exists while the program runs.
class AppCore {
public:
    AppCore();
    virtual ~AppCore();
    AppCore(const AppCore&) = delete;
    AppCore& operator=(const AppCore&) = delete;

    // Runs the current screen's Update while active.
    virtual void Idle();
    virtual void Quit();
    virtual void Minimize() {}
    virtual bool OnKey(int key, bool pressed);
    virtual bool OnChar(char16_t ch);

    // Deactivates the old screen, then activates the new one.
    void SetScreen(Screen* screen);
    Screen* screen() const { return screen_; }
    bool active() const { return active_; }
    PressOnlyKeys& pressOnlyKeys() { return pressOnlyKeys_; }

protected:
    bool active_ = true;
    Screen* screen_ = nullptr;

private:
    PressOnlyKeys pressOnlyKeys_;
};

// The level that owns the window.
class AppWindow : public AppCore {
public:
    AppWindow();
    ~AppWindow() override;

    void Quit() override;
    void Minimize() override;
    virtual void SetActive(bool active) { active_ = active; }
    virtual bool HandleMessage(const platform::Message& message);

private:
    void RoutePointer(const platform::Message& message);
    void RouteWheel(const platform::Message& message);
};

// The program-independent shell: window creation, message loop, exit.
class Application : public AppWindow {
public:
    void SetActive(bool active) override;
    bool HandleMessage(const platform::Message& message) override;
    virtual bool Init();
    virtual void Exit();
    virtual void Run();
    virtual std::u16string Title() const = 0;
    virtual std::u16string ClassName() const = 0;
};

AppCore* TheAppCore();
AppWindow* TheAppWindow();

}  // namespace cv
