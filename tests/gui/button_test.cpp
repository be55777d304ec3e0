// The button state machine under stylus, keys and timer ticks.
#include <tuple>

#include "app/app_globals.h"
#include "core/settings.h"
#include "gui/text_button.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

class Buttons : public GuiTest {
protected:
    // A form "Keys" holding the button "Go" at (100, 100, 80, 24) over a probe
    // that hears whatever the button leaves.
    Ref<TextButton> Place(bool enabled) {
        form = Show();
        form->setName("Keys");
        Ref<TextButton> button = MakeRef<TextButton>();
        form->addChild(button);
        button->setName("Go");
        button->setBounds({100, 100, 80, 24});
        button->setEnabled(enabled);
        below = AddProbe(*form, {0, 0, 640, 480});
        return button;
    }
    Ref<RecordingForm> form;
    Ref<Probe> below;
};

TEST_F(Buttons, StylusDrivesTheStatesAndClicksOnReleaseInside) {
    // Hover shown, enabled, the input, the state after it, the messages to the
    // form and the pointer events left to the probe.
    const Lines click = {"Button Go 0 Go"};
    const std::tuple<bool, bool, Lines, int, Lines, Lines> cases[] = {
        {false, true, {"press 110 110"}, Button::kPressed, {}, {}},
        {false, true, {"tap 110 110"}, Button::kNormal, click, {}},
        {true, true, {"tap 110 110"}, Button::kSelected, click, {}},
        {false, true, {"press 110 110", "release 9 9"}, Button::kNormal, {}, {"pointer 1"}},
        {false, true, {"press 110 110", "move 9 9"}, Button::kNormal, {}, {"pointer 0"}},
        {false, true, {"press 9 9"}, Button::kNormal, {}, {"pointer 2"}},
        {false, true, {"move 110 110"}, Button::kNormal, {}, {"pointer 0"}},
        {true, true, {"move 110 110"}, Button::kSelected, {}, {"pointer 0"}},
        {true, true, {"move 110 110", "move 9 9"}, Button::kNormal, {}, {"pointer 0", "pointer 0"}},
        {false, false, {"tap 110 110"}, Button::kGrey, {}, {}},
        {true, false, {"move 110 110"}, Button::kGrey, {}, {"pointer 0"}}};
    for (const auto& [hover, enabled, input, state, sent, heard] : cases) {
        SCOPED_TRACE(input.back() + (hover ? " hover" : "") + (enabled ? "" : " disabled"));
        GuiFlags() = hover ? 0u : uint32_t{kGuiNoHover};
        Ref<TextButton> button = Place(enabled);
        Input(input);
        EXPECT_EQ(button->state(), state);
        EXPECT_EQ(form->log, sent);
        EXPECT_EQ(below->Calls(), heard);
    }
}

TEST_F(Buttons, KeysPressForOneTickThenClick) {
    // The hot key setting, the key, focused, enabled, pressed by the key.
    const std::tuple<std::string, std::string, bool, bool, bool> cases[] = {
        {"", "Space", true, true, true},   {"", "Enter", true, true, true},
        {"", "Space", false, true, false}, {"G", "G", false, true, true},
        {"g", "G", false, true, true},     {"Nope", "G", false, true, false},
        {"G", "G", false, false, false},   {"", "Space", true, false, false}};
    for (const auto& [setting, key, focused, enabled, pressed] : cases) {
        SCOPED_TRACE(setting + " " + key);
        Settings().clear();
        if (!setting.empty()) CfgSet("ButtonKey.Keys.Go", setting);
        Ref<TextButton> button = Place(enabled);
        button->setTabStop(true);
        if (focused) form->setFocusTo(button.get());
        Input({"key " + key});
        EXPECT_EQ(button->state() == Button::kPressed, pressed);
        EXPECT_EQ(form->log, Lines{});
        Input({"tick 1"});
        EXPECT_EQ(form->log, pressed ? Lines{"Button Go 0 Go"} : Lines{});
        EXPECT_NE(button->state(), Button::kPressed);
    }
}

}  // namespace
}  // namespace cv::test
