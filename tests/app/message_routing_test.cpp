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

using platform::ScriptCommand;
using platform::ScriptReader;

class RecordingScreen : public Screen {
public:
    void Update() override { log.push_back("update"); }
    void Tick() override { log.push_back("tick"); }
    void Activate(bool on) override { log.push_back(on ? "activate" : "deactivate"); }
    bool OnKey(int key, bool pressed) override {
        log.push_back("key " + std::to_string(key) + (pressed ? " down" : " up"));
        return true;
    }
    bool OnChar(char16_t ch) override {
        log.push_back("char " + std::to_string(ch));
        return true;
    }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(log.begin(), log.end(), entry));
    }
    std::vector<std::string> log;
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

class MessageRouting : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetCurrent(&host);
        SetPointerTarget(&target);
        DisplayFlags() = 0;
        ASSERT_TRUE(app.Init());
        app.SetScreen(&screen);
    }
    void TearDown() override {
        SetPointerTarget(nullptr);
        DisplayFlags() = 0;
        platform::SetCurrent(nullptr);
    }
    void Do(const std::string& line) { host.Execute(ScriptReader::ParseLine(line)); }

    platform::HeadlessPlatform host{"", VirtualKeyOfKeyName};
    TestApp app;
    RecordingScreen screen;
    RecordingTarget target;
};

TEST_F(MessageRouting, TicksAndUpdatesReachTheScreenOnlyWhileActive) {
    Do("tick 2");
    Do("activate off");
    Do("tick 3");
    Do("key Enter");
    Do("activate on");
    Do("tick 1");
    app.Run();
    EXPECT_EQ(screen.Count("tick"), 3);
    // Updates follow every message while active: 2 ticks, the activation, 1 tick,
    // and the close request; none while inactive.
    EXPECT_EQ(screen.Count("update"), 5);
    // Keys are not held back by activation.
    EXPECT_EQ(screen.Count("key 2 down"), 1);
    EXPECT_EQ(screen.log.front(), "activate");
}

TEST_F(MessageRouting, PointerMessagesBecomeEventsInLogicalCoordinates) {
    Do("press 10 20");
    Do("move 30 -5");
    Do("release 639 479");
    app.Run();
    // Press 2, move 0, release 1; the left button is modifier 1.
    EXPECT_EQ(target.events,
              (std::vector<std::string>{"2 10,20 1 1", "0 30,-5 0 1", "1 639,479 1 0"}));
}

TEST_F(MessageRouting, FlippedScreenTurnsPointsAround) {
    DisplayFlags() = kFlipScreen;
    Do("tap 0 0");
    app.Run();
    ASSERT_EQ(target.events.size(), 2u);
    EXPECT_EQ(target.events[0], "2 639,479 1 1");
}

TEST_F(MessageRouting, KeysAndCharactersReachTheScreen) {
    Do("key BS");
    Do("keydown Esc");
    Do("keyup Esc");
    Do("text hé");
    app.Run();
    std::vector<std::string> input;
    for (const auto& entry : screen.log) {
        if (entry.rfind("key", 0) == 0 || entry.rfind("char", 0) == 0) input.push_back(entry);
    }
    EXPECT_EQ(input, (std::vector<std::string>{"key 4 down", "char 8", "key 4 up", "key 1 down",
                                               "char 27", "key 1 down", "char 104", "char 233"}));
}

TEST_F(MessageRouting, ScreenSwapsDeactivateTheOldScreen) {
    RecordingScreen second;
    app.SetScreen(&second);
    app.SetScreen(nullptr);
    EXPECT_EQ(screen.log.back(), "deactivate");
    EXPECT_EQ(second.log, (std::vector<std::string>{"activate", "deactivate"}));
    app.Run();  // no screen: the loop still ends on the close request
}

}  // namespace
}  // namespace cv
