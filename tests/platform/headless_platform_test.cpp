#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/key_codes.h"

namespace cv::platform {
namespace {

std::string ScriptErrorOf(const std::string& text) {
    std::istringstream in(text);
    ScriptReader reader(in, "s.txt");
    ScriptCommand command;
    try {
        while (reader.Next(command)) {
        }
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "no error";
}

void Do(HeadlessPlatform& host, const std::string& line) {
    host.Execute(ScriptReader::ParseLine(line));
}

TEST(HeadlessScript, UnreadableLinesKeysAndScriptsAreScriptErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"# c\n\ntap 1 2\njump 3\n", "s.txt line 4: cannot read \"jump 3\" (unknown command)"},
        {"tap 1\n", "s.txt line 1: cannot read \"tap 1\" (bad number)"},
        {"tick -1\n", "s.txt line 1: cannot read \"tick -1\" (negative count)"},
        {"quit\nquit now\n", "s.txt line 2: cannot read \"quit now\" (unexpected now)"},
        {"tap 1 99999\n", "s.txt line 1: cannot read \"tap 1 99999\" (bad number)"},
        {"wheel 0\n", "s.txt line 1: cannot read \"wheel 0\" (no turn)"},
        {"wheel -274\n", "s.txt line 1: cannot read \"wheel -274\" (bad number)"},
        {"wheel 273\nwheel -273\n", "no error"},
        {"text  two blanks \r\nkey Esc\nshot a.png\nanswer No\n", "no error"}};
    for (const auto& [script, error] : cases) EXPECT_EQ(ScriptErrorOf(script), error);
    EXPECT_EQ(ScriptReader::ParseLine("text  two blanks ").text, " two blanks ");

    HeadlessPlatform host("", VirtualKeyOfKeyName);
    EXPECT_THROW(Do(host, "key RShift"), ScriptError);  // a name no key produces
    EXPECT_THROW(Do(host, "key Nothing"), ScriptError);
    EXPECT_THROW(HeadlessPlatform("/nonexistent/script.txt", nullptr), ScriptError);
}

TEST(HeadlessHost, TicksAdvanceTheClockOnlyWhileTheTimerRuns) {
    HeadlessPlatform host("", nullptr);
    Do(host, "tick 3");
    EXPECT_EQ(host.TickCount(), 0u);
    host.SetTimer(kTimerId, kTimerPeriodMs);
    Do(host, "tick 3");
    host.KillTimer(kTimerId);
    Do(host, "tick 3");
    EXPECT_EQ(host.TickCount(), 3u * kTimerPeriodMs);
}

TEST(HeadlessHost, MessageBoxesTakeScriptedAnswersOrTheSafeDefault) {
    HeadlessPlatform host("", nullptr);
    Do(host, "answer No");
    Do(host, "answer Retry");
    EXPECT_EQ(host.MessageBox(u"Sure?", u"Q", MB_YESNO), IDNO);
    EXPECT_EQ(host.MessageBox(u"file", u"Cant create file", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(host.MessageBox(u"file", u"Cant create file", MB_RETRYCANCEL), IDCANCEL);
    EXPECT_EQ(host.MessageBox(u"Sure?", u"Q", MB_YESNO), IDYES);
    Do(host, "answer Maybe");
    EXPECT_EQ(host.MessageBox(u"x", u"Q", MB_OKCANCEL), IDOK);
}

}  // namespace
}  // namespace cv::platform
