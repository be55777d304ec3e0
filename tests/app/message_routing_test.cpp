#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app_core.h"
#include "app/app_globals.h"
#include "app/key_codes.h"
#include "app/pointer_target.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_platform.h"

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
    void OnWheel(int x, int y, int notches) override {
        events.push_back("wheel " + std::to_string(x) + "," + std::to_string(y) + " " +
                         std::to_string(notches));
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

// The wheel turns where the pointer last was (off the screen before it
// showed), turned with a turned screen as the pointer's own events are.
TEST_F(MessageRouting, WheelTurnsReachTheTargetWhereThePointerIs) {
    Run({"wheel 1", "tap 10 20", "wheel -2"});
    DisplayFlags() |= kFlipScreen;
    host.Execute(ScriptReader::ParseLine("wheel 3"));
    platform::Message m;
    ASSERT_TRUE(host.GetMessage(m));
    app.HandleMessage(m);
    DisplayFlags() &= ~kFlipScreen;
    EXPECT_EQ(target.events,
              (std::vector<std::string>{"wheel -1,-1 1", "2 10,20 1 1", "1 10,20 1 0",
                                        "wheel 10,20 -2", "wheel 629,459 3"}));
}

TEST_F(MessageRouting, KeysAndCharactersReachTheScreen) {
    Run({"key BS", "text hé"});
    EXPECT_EQ(screen.input, (std::vector<std::string>{"key 4 down", "char 8", "key 4 up",
                                                      "char 104", "char 233"}));
}

TEST_F(MessageRouting, ScreenSwapsDeactivateTheOldScreen) {
    RecordingScreen second;
    app.SetScreen(&second);
    app.SetScreen(nullptr);
    EXPECT_EQ(screen.activations, "+-");
    EXPECT_EQ(second.activations, "+-");
    app.Run();  // no screen: the loop still ends on the close request
}

enum class Backend { kHeadless, kSdl };

// Key strokes given as "keydown"/"keyup" script lines; the SDL backend gets
// them as the events a desktop keyboard sends.
class KeyStrokes : public ::testing::TestWithParam<Backend> {
protected:
    std::vector<std::string> KeysOf(const std::vector<std::string>& script) {
        if (GetParam() == Backend::kHeadless) {
            platform::HeadlessPlatform host("", VirtualKeyOfKeyName);
            return Run(host, [&] {
                for (const std::string& line : script) host.Execute(ScriptReader::ParseLine(line));
            });
        }
        // The memory driver is refused unless asked for by name.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        platform::SdlPlatform host("");
        std::vector<std::string> keys = Run(host, [&] {
            for (const std::string& line : script) PushSdlKey(ScriptReader::ParseLine(line));
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        });
        unsetenv("SDL_VIDEODRIVER");
        return keys;
    }

private:
    // What the screen is told of keys while `feed` queues the input.
    static std::vector<std::string> Run(platform::Platform& host,
                                        const std::function<void()>& feed) {
        platform::SetCurrent(&host);
        RecordingScreen screen;
        TestApp app;
        std::vector<std::string> keys;
        if (app.Init()) {
            app.SetScreen(&screen);
            feed();
            app.Run();
        } else {
            keys.push_back("no window");  // and no loop to wait on
        }
        platform::SetCurrent(nullptr);
        for (const std::string& entry : screen.input) {
            if (entry.rfind("key ", 0) == 0) keys.push_back(entry);
        }
        return keys;
    }
    static void PushSdlKey(const platform::ScriptCommand& command) {
        static const std::map<std::string, SDL_Keycode> kSyms = {{"Esc", SDLK_ESCAPE},
                                                                 {"F1", SDLK_F1},
                                                                 {"F2", SDLK_F2},
                                                                 {"LWin", SDLK_LGUI},
                                                                 {"Enter", SDLK_RETURN}};
        const bool down = command.kind == platform::ScriptCommand::KeyDown;
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = kSyms.at(command.text);
        event.key.keysym.scancode = SDL_GetScancodeFromKey(event.key.keysym.sym);
        SDL_PushEvent(&event);
    }
};

TEST_P(KeyStrokes, OneStrokeOfAPressOnlyKeyActsOnce) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"keydown Esc", "keyup Esc"}, {"key 1 down"}},
        {{"keydown F1", "keyup F1", "keydown F2", "keyup F2", "keydown LWin", "keyup LWin"},
         {"key 18 down", "key 19 down", "key 82 down"}},
        // A button that sends only the release still acts.
        {{"keyup Esc"}, {"key 1 down"}},
        // Held down, each repeat acts; the next stroke acts again.
        {{"keydown Esc", "keydown Esc", "keyup Esc", "keydown Esc", "keyup Esc"},
         {"key 1 down", "key 1 down", "key 1 down"}},
        {{"keydown Enter", "keyup Enter"}, {"key 2 down", "key 2 up"}}};
    for (const auto& [script, keys] : cases) EXPECT_EQ(KeysOf(script), keys) << script.front();
}

INSTANTIATE_TEST_SUITE_P(Backends, KeyStrokes, ::testing::Values(Backend::kHeadless, Backend::kSdl),
                         [](const auto& backend) {
                             return backend.param == Backend::kSdl ? "Sdl" : "Headless";
                         });

}  // namespace
}  // namespace cv
