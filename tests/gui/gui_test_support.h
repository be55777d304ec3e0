#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_core.h"
#include "gfx/gdi_device.h"
#include "gui/form.h"
#include "gui/pointer_routing.h"
#include "platform/headless/headless_platform.h"

namespace cv::test {

using Lines = std::vector<std::string>;

// The headless platform with the message loop's inner step exposed, so a
// test can dispatch what its input posted and look before the window closes.
class TestHost : public platform::HeadlessPlatform {
public:
    explicit TestHost(const std::string& script);
    // Dispatches every posted message, each followed by the application's Idle.
    void Pump(AppCore& app);
};

class GuiApp : public Application {
public:
    bool Init() override;
    std::u16string Title() const override { return u"GUI test"; }
    std::u16string ClassName() const override { return u"GuiTest"; }

private:
    Ref<GdiDevice> device_;
};

// A form that writes down every message it is sent: "name text number sender".
class RecordingForm : public Form {
public:
    bool onMessage(const Message& message) override;
    Lines log;
};

// An element that writes down every call it gets: "paint", "pointer <kind>",
// "key <code>", "char <code>", "timer", "start <x>", "move <x>", "end <x>".
class Probe : public GuiElement {
public:
    void paint() override { log.push_back("paint"); }
    bool onPointer(const PointerEvent& e) override { return Note("pointer", e.kind); }
    bool onKey(int key, bool) override { return Note("key", key); }
    bool onChar(char16_t ch) override { return Note("char", ch); }
    void onTimer() override { log.push_back("timer"); }
    bool startDrag(DragRecord& d) override { return Note("start", d.point.x, takesDrag); }
    bool dragMove(DragRecord& d) override { return Note("move", d.point.x, keepsDragging); }
    void endDrag(DragRecord& d) override { Note("end", d.point.x); }
    // The log without the paints.
    Lines Calls() const;

    Lines log;
    bool handles = false;  // the answer to pointer, key and character input
    bool takesDrag = true;
    bool keepsDragging = true;

private:
    bool Note(const std::string& what, int value) { return Note(what, value, handles); }
    bool Note(const std::string& what, int value, bool answer);
};

// The fixture folder (forms, keyboard), the built font and the pictures,
// registered as the resources; every GUI global back at its start value.
class GuiResources {
public:
    GuiResources();
    ~GuiResources();
};

// A platform and an application with its window; `script` empty: input
// only through Input.
class GuiSession {
public:
    explicit GuiSession(const std::string& script = "");
    ~GuiSession();
    TestHost host;
    GuiApp app;
};

class GuiTest : public ::testing::Test {
protected:
    // Each line a headless script command ("tap 10 20", "key Enter", "text ab",
    // "tick 1"), dispatched by the loop before the next.
    void Input(const Lines& lines);
    // The loop's idle step: repaints when a redraw was requested.
    void Redraw() { session.app.Idle(); }
    // A recording form read from the fixtures (none: empty), made the screen.
    Ref<RecordingForm> Show(const std::string& formName = "");
    void Show(const Ref<Form>& form);
    // A probe over the rectangle, added to the form.
    static Ref<Probe> AddProbe(Form& form, const Rect& bounds);
    // The last presented frame's pixel as 0xRRGGBB.
    uint32_t Pixel(int x, int y) const;
    // Writes the last frame to the shots folder of the build.
    void SaveShot(const std::string& name);

    GuiResources resources;
    GuiSession session;
};

// A script line aimed at the middle of the element's top edge, 3 pixels in.
std::string Touch(const std::string& verb, const GuiElement& element);

// Writes a solid picture "name.s16" (name with "\\" between folders) under `dir`.
void WriteTestPicture(const std::filesystem::path& dir, const std::string& name, Size size,
                      uint32_t rgb);

// Where a shot of that name goes: a PNG in the build's shots folder.
std::string ShotPath(const std::string& name);

// An engine colour as the 5-6-5 frame shows it, 0xRRGGBB.
uint32_t Shown(uint32_t colour);

// The solid colour of a fixture picture (as drawn), by resource name.
uint32_t PictureColour(const std::string& name);

}  // namespace cv::test
