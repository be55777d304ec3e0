#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_core.h"
#include "app/app_globals.h"
#include "app/key_codes.h"
#include "app/pointer_target.h"
#include "platform/headless/headless_platform.h"

namespace cv {
namespace {

using platform::ScriptReader;

class RecordingScreen : public Screen {
public:
    void Update() override { ++updates; }
    void Tick() override { ++ticks; }
    void Activate(bool on) override { activations += on ? '+' : '-'; }
    bool OnKey(int key, bool pressed) override {
        return Record("key " + std::to_string(key) + (pressed ? " down" : " up"));
    }
    bool OnChar(char16_t ch) override { return Record("char " + std::to_string(ch)); }
    bool Record(const std::string& entry) {
        input.push_back(entry);
        return true;
    }
    int updates = 0, ticks = 0;
    std::string activations;
    std::vector<std::string> input;
};

// Records each event as "kind x,y button modifiers".
class RecordingTarget : public PointerTarget {
public:
    void OnPointerEvent(const PointerEvent& e) override {
        events.push_back(std::to_string(e.kind) + " " + std::to_string(e.x) + "," +
                         std::to_string(e.y) + " " + std::to_string(e.button) + " " +
                         std::to_string(e.modifiers));
    }
    bool StylusInUse() const override { return true; }
    std::vector<std::string> events;
};

class TestApp : public Application {
public:
    std::u16string Title() const override { return u"Test"; }
    std::u16string ClassName() const override { return u"TestClass"; }
};

// Without a script the platform requests the close once the posted messages
// are used up, so every Run below ends on its own.
class MessageRouting : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetCurrent(&host);
        SetPointerTarget(&target);
        ASSERT_TRUE(app.Init());
        app.SetScreen(&screen);
    }
    void TearDown() override {
        SetPointerTarget(nullptr);
        platform::SetCurrent(nullptr);
    }
    void Run(const std::vector<std::string>& script) {
        for (const std::string& line : script) host.Execute(ScriptReader::ParseLine(line));
        app.Run();
    }

    platform::HeadlessPlatform host{"", VirtualKeyOfKeyName};
    TestApp app;
    RecordingScreen screen;
    RecordingTarget target;
};

TEST_F(MessageRouting, TicksAndUpdatesReachTheScreenOnlyWhileActive) {
    Run({"tick 2", "activate off", "tick 3", "key Enter", "activate on", "tick 1"});
    EXPECT_EQ(screen.ticks, 3);
    // Updates follow every message while active: 2 ticks, the activation, 1 tick,
    // and the close request; none while inactive.
    EXPECT_EQ(screen.updates, 5);
    // Keys are not held back by activation.
    EXPECT_EQ(screen.input, (std::vector<std::string>{"key 2 down", "char 13", "key 2 up"}));
}

TEST_F(MessageRouting, PointerMessagesBecomeEventsInLogicalCoordinates) {
    Run({"press 10 20", "move -30 700", "release 639 479", "tap 1 2"});
    // Press 2, move 0, release 1; the left button is modifier 1.
    EXPECT_EQ(target.events, (std::vector<std::string>{"2 10,20 1 1", "0 -30,700 0 1",
                                                       "1 639,479 1 0", "2 1,2 1 1", "1 1,2 1 0"}));
}

TEST_F(MessageRouting, KeysAndCharactersReachTheScreen) {
    Run({"key BS", "keydown Esc", "keyup Esc", "text hé"});
    EXPECT_EQ(screen.input,
              (std::vector<std::string>{"key 4 down", "char 8", "key 4 up", "key 1 down", "char 27",
                                        "key 1 down", "char 104", "char 233"}));
}

TEST_F(MessageRouting, ScreenSwapsDeactivateTheOldScreen) {
    RecordingScreen second;
    app.SetScreen(&second);
    app.SetScreen(nullptr);
    EXPECT_EQ(screen.activations, "+-");
    EXPECT_EQ(second.activations, "+-");
    app.Run();  // no screen: the loop still ends on the close request
}

}  // namespace
}  // namespace cv
