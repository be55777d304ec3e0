#include "platform/input_recorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <unistd.h>

#include "app/key_codes.h"
#include "platform/headless/headless_platform.h"

namespace cv::platform {
namespace {

std::string NameOf(int virtualKey) {
    return KeyName(KeyCodeOfVirtualKey(virtualKey));
}

bool operator==(const Message& a, const Message& b) {
    return a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
}

// What the game read while one message was dispatched.
struct Reading {
    uint32_t ms = 0;
    LocalTime time;
    int answer = 0;  // 0: no box shown
    bool readsClock = false, readsTime = false;
};

TEST(Recording, ARecordedGameReplaysTheSameMessagesAndReadings) {
    const int64_t p = MakePointParam(-5, 700), q = MakePointParam(639, 0);
    // The messages the game received, in order, as the replay must post them.
    const std::vector<Message> game = {{WM_TIMER, kTimerId, 0},
                                       {WM_TIMER, kTimerId, 0},
                                       {WM_TIMER, kTimerId, 0},
                                       {WM_TIMER, kTimerId, 0},
                                       {WM_KEYDOWN, 13, 0},
                                       {WM_CHAR, 13, 0},
                                       {WM_KEYUP, 13, 0},
                                       {WM_CHAR, u'H', 0},
                                       {WM_CHAR, u'\u00e9', 0},
                                       {WM_CHAR, u' ', 0},
                                       {WM_TIMER, kTimerId, 0},
                                       {WM_CHAR, u'i', 0},
                                       {WM_CHAR, 9, 0},
                                       {WM_SYSKEYDOWN, 18, 0},
                                       {WM_SYSKEYDOWN, 'X', 0},
                                       {WM_SYSKEYUP, 'X', 0},
                                       {WM_SYSKEYUP, 18, 0},
                                       {WM_MOUSEMOVE, 0, p},
                                       {WM_LBUTTONDOWN, MK_LBUTTON, q},
                                       {WM_MOUSEMOVE, MK_LBUTTON, p},
                                       {WM_LBUTTONUP, 0, p},
                                       {WM_MOUSEWHEEL, MakeWheelParam(-3), p},
                                       {WM_RBUTTONDOWN, MK_RBUTTON, q},
                                       {WM_RBUTTONUP, 0, q},
                                       {WM_ACTIVATE, 0, 0},
                                       {WM_ACTIVATE, 1, 0},
                                       {WM_KEYDOWN, 'A', 0},
                                       {WM_KEYUP, 'A', 0},
                                       {WM_CLOSE, 0, 0}};
    std::map<size_t, Reading> readings;
    readings[2] = {123456789, {}, 0, true, false};                 // inside a run of ticks
    readings[8] = {0, {2024, 2, 29, 23, 59, 60}, 0, false, true};  // inside a typed text
    readings[5] = {0, {}, IDNO, false, false};  // on the character a key-down typed
    readings[26] = {7, {1999, 12, 31, 0, 0, 0}, IDNO, true, true};

    InputRecorder recorder(nullptr, NameOf);
    recorder.AddHeader("seed", "7");
    for (size_t i = 0; i < game.size(); ++i) {
        recorder.Dispatched(game[i]);
        if (readings.count(i) == 0) continue;
        const Reading& r = readings[i];
        if (r.readsClock) recorder.TickCountRead(r.ms);
        if (r.readsTime) recorder.LocalTimeRead(r.time);
        if (r.answer) recorder.MessageBoxAnswered(r.answer);
    }
    recorder.Dispatched({WM_PAINT, 0, 0});  // the game's own, not input
    recorder.Finish("Error: line one\nline two");
    const std::string text = recorder.Text();
    EXPECT_NE(text.find("# seed: 7\ntick 3\nclock 123456789\ntick 1\nkeydown Enter\nanswer No\n"
                        "keyup Enter\ntext H\u00e9\nnow 2024 2 29 23 59 60\ntext  \ntick 1\n"
                        "text i\nchar 9\nkeydown LAlt\nsyskeydown X\n"),
              std::string::npos)
        << text;
    const std::string end = "quit\n# Error: line one line two\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);

    const auto path = std::filesystem::temp_directory_path() /
                      ("recorder_test_" + std::to_string(::getpid()) + ".rec");
    std::ofstream(path) << text;
    HeadlessPlatform host(path.string(), VirtualKeyOfKeyName);
    EXPECT_EQ(HeaderValue(host.ReplayHeader(), "seed"), "7");
    std::vector<Message> replayed;
    host.CreateMainWindow(u"t", 480, 640, [&](const Message& m) {
        if (m.message == WM_DESTROY) return true;
        const size_t i = replayed.size();
        replayed.push_back(m);
        if (readings.count(i) == 0) return true;
        const Reading& r = readings[i];
        if (r.readsClock) {
            EXPECT_EQ(host.TickCount(), r.ms) << i;
        }
        if (r.readsTime) {
            const LocalTime now = host.Now();
            EXPECT_EQ(now.year * 100 + now.second, r.time.year * 100 + r.time.second) << i;
        }
        if (r.answer) {
            EXPECT_EQ(host.MessageBox(u"text", u"box", MB_YESNO), r.answer) << i;
        }
        return m.message != WM_CLOSE;
    });
    host.SetTimer(kTimerId, kTimerPeriodMs);
    Message m;
    while (host.GetMessage(m)) host.DispatchMessage(m);
    std::filesystem::remove(path);
    ASSERT_EQ(replayed.size(), game.size());
    for (size_t i = 0; i < game.size(); ++i) EXPECT_TRUE(replayed[i] == game[i]) << i;
}

TEST(Recording, HeaderAndReadingLinesAreReadToTheirLimits) {
    std::istringstream in(
        "# Corvanth recording\n# seed: 5\n#fixed seed: no\n\n# fixed seed: yes\n  key Esc\n"
        "# seed: 9\nbogus\n");
    ScriptReader reader(in, "r.rec");
    const RecordingHeader header = reader.ReadHeader();
    EXPECT_EQ(header, (RecordingHeader{{"seed", "5"}, {"fixed seed", "yes"}}));
    ScriptCommand command;
    ASSERT_TRUE(reader.Next(command));
    EXPECT_EQ(command.text, "Esc");
    EXPECT_THROW(reader.Next(command), ScriptError);
    EXPECT_EQ(reader.lineNumber(), 8);

    const std::pair<const char*, bool> lines[] = {{"clock 4294967295", true},
                                                  {"clock 4294967296", false},
                                                  {"clock -1", false},
                                                  {"now 2024 12 31 23 59 60", true},
                                                  {"now 2024 13 1 0 0 0", false},
                                                  {"now 2024 1 0 0 0 0", false},
                                                  {"now 2024 1 1 24 0 0", false},
                                                  {"char 65535", true},
                                                  {"char 0", false},
                                                  {"rrelease 1 2", true},
                                                  {"rpress 1", false},
                                                  {"syskeyup Tab", true},
                                                  {"syskeydown", false}};
    for (const auto& [line, readable] : lines) {
        if (readable) {
            EXPECT_NO_THROW(ScriptReader::ParseLine(line)) << line;
        } else {
            EXPECT_THROW(ScriptReader::ParseLine(line), std::invalid_argument) << line;
        }
    }
    EXPECT_EQ(ScriptReader::ParseLine("clock 4294967295").ms, 4294967295u);
}

}  // namespace
}  // namespace cv::platform
