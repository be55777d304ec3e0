// The button state machine under stylus, keys and timer ticks.
#include "app/app_globals.h"
#include "core/settings.h"
#include "gui/text_button.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

using Lines = std::vector<std::string>;

class Buttons : public GuiTest {
protected:
    // A form "Keys" holding the button "Go" at (100, 100, 80, 24) over a probe
    // that hears whatever the button leaves.
    Ref<TextButton> Place(bool enabled = true) {
        form = Show();
        form->setName("Keys");
        Ref<TextButton> button = MakeRef<TextButton>();
        form->addChild(button);
        button->setName("Go");
        button->setBounds({100, 100, 80, 24});
        button->setEnabled(enabled);
        below = MakeRef<Probe>();
        form->addChild(below);
        below->setBounds({0, 0, 640, 480});
        return button;
    }
    Lines Heard() const {
        Lines pointer;
        for (const auto& entry : below->log) {
            if (entry.rfind("pointer", 0) == 0) pointer.push_back(entry);
        }
        return pointer;
    }
    Ref<RecordingForm> form;
    Ref<Probe> below;
};

TEST_F(Buttons, StylusDrivesTheStatesAndClicksOnReleaseInside) {
    struct Case {
        Lines input;
        bool hover, enabled;
        int state;
        Lines sent, heard;  // messages to the form; pointer events left to the probe
    };
    const Lines click = {"Button Go 0 Go"};
    const std::vector<Case> cases = {
        {{"press 110 110"}, false, true, Button::kPressed, {}, {}},
        {{"tap 110 110"}, false, true, Button::kNormal, click, {}},
        {{"tap 110 110"}, true, true, Button::kSelected, click, {}},
        {{"press 110 110", "release 300 300"}, false, true, Button::kNormal, {}, {"pointer 1"}},
        {{"press 110 110", "move 300 300"}, false, true, Button::kNormal, {}, {"pointer 0"}},
        {{"press 300 300"}, false, true, Button::kNormal, {}, {"pointer 2"}},
        {{"move 110 110"}, false, true, Button::kNormal, {}, {"pointer 0"}},
        {{"move 110 110"}, true, true, Button::kSelected, {}, {"pointer 0"}},
        {{"move 110 110", "move 300 300"},
         true,
         true,
         Button::kNormal,
         {},
         {"pointer 0", "pointer 0"}},
        {{"tap 110 110"}, false, false, Button::kGrey, {}, {}},
        {{"move 110 110"}, true, false, Button::kGrey, {}, {"pointer 0"}}};
    for (const Case& c : cases) {
        GuiFlags() = c.hover ? 0u : uint32_t{kGuiNoHover};
        Ref<TextButton> button = Place(c.enabled);
        Input(c.input);
        const std::string label = c.input.back() + (c.hover ? " hover" : "");
        EXPECT_EQ(button->state(), c.state) << label;
        EXPECT_EQ(form->log, c.sent) << label;
        EXPECT_EQ(Heard(), c.heard) << label;
    }
}

TEST_F(Buttons, KeysPressForOneTickThenClick) {
    struct Case {
        std::string setting, key;
        bool focused, enabled, pressed;
    };
    const std::vector<Case> cases = {
        {"", "Space", true, true, true},   {"", "Enter", true, true, true},
        {"", "Space", false, true, false}, {"G", "G", false, true, true},
        {"g", "G", false, true, true},     {"Nope", "G", false, true, false},
        {"G", "G", false, false, false},   {"", "Space", true, false, false}};
    for (const Case& c : cases) {
        Settings().clear();
        if (!c.setting.empty()) CfgSet("ButtonKey.Keys.Go", c.setting);
        Ref<TextButton> button = Place(c.enabled);
        button->setTabStop(true);
        if (c.focused) form->setFocusTo(button.get());
        Input({"key " + c.key});
        const std::string label = c.setting + " " + c.key;
        EXPECT_EQ(button->state() == Button::kPressed, c.pressed) << label;
        EXPECT_EQ(form->log, Lines{}) << label;
        Input({"tick 1"});
        EXPECT_EQ(form->log, c.pressed ? Lines{"Button Go 0 Go"} : Lines{}) << label;
        EXPECT_NE(button->state(), Button::kPressed) << label;
    }
}

}  // namespace
}  // namespace cv::test
