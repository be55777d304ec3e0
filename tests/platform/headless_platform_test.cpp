#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "app/key_codes.h"

namespace cv::platform {
namespace {

std::vector<Message> Drain(HeadlessPlatform& host) {
    std::vector<Message> messages;
    Message m;
    while (host.GetMessage(m)) {
        messages.push_back(m);
        host.DispatchMessage(m);
    }
    return messages;
}

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

TEST(HeadlessScript, UnreadableLinesNameTheirNumber) {
    EXPECT_EQ(ScriptErrorOf("# c\n\ntap 1 2\njump 3\n"),
              "s.txt line 4: cannot read \"jump 3\" (unknown command)");
    EXPECT_NE(ScriptErrorOf("tap 1\n").find("line 1"), std::string::npos);
    EXPECT_NE(ScriptErrorOf("tick -1\n").find("line 1"), std::string::npos);
    EXPECT_NE(ScriptErrorOf("quit\nquit now\n").find("line 2"), std::string::npos);
    EXPECT_NE(ScriptErrorOf("tap 1 99999\n").find("bad number"), std::string::npos);
    EXPECT_EQ(ScriptErrorOf("text  two blanks \r\nkey Esc\nshot a.png\nanswer No\n"), "no error");
    EXPECT_EQ(ScriptReader::ParseLine("text  two blanks ").text, " two blanks ");
}

class HeadlessHost : public ::testing::Test {
protected:
    void SetUp() override {
        host.CreateMainWindow(u"t", 4, 6, [this](const Message& m) {
            if (m.message == WM_DESTROY) host.PostQuitMessage(0);
            return m.message != WM_CLOSE;
        });
    }
    void Do(const std::string& line) { host.Execute(ScriptReader::ParseLine(line)); }
    HeadlessPlatform host{"", VirtualKeyOfKeyName};
};

TEST_F(HeadlessHost, TapIsAPressAndAReleaseAtTheLogicalPoint) {
    Do("tap 5 3");
    Do("quit");
    auto messages = Drain(host);
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(messages[0].wParam, MK_LBUTTON);
    EXPECT_EQ(PointX(messages[0].lParam), 5);
    EXPECT_EQ(PointY(messages[0].lParam), 3);
    EXPECT_EQ(messages[1].message, WM_LBUTTONUP);
    EXPECT_EQ(messages[1].wParam, 0u);
}

TEST_F(HeadlessHost, TicksNeedTheTimerAndAdvanceTheClock) {
    Do("tick 3");
    EXPECT_EQ(host.TickCount(), 0u);
    host.SetTimer(kTimerId, kTimerPeriodMs);
    Do("tick 3");
    EXPECT_EQ(host.TickCount(), 3u * kTimerPeriodMs);
    Do("quit");
    auto messages = Drain(host);
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const Message& m) { return m.message == WM_TIMER; }),
              3);
}

TEST_F(HeadlessHost, KeysWithoutAVirtualKeyAreScriptErrors) {
    EXPECT_THROW(Do("key RShift"), ScriptError);
    EXPECT_THROW(Do("key Nothing"), ScriptError);
}

TEST_F(HeadlessHost, MessageBoxesTakeScriptedAnswersOrTheSafeDefault) {
    Do("answer No");
    Do("answer Retry");
    EXPECT_EQ(host.MessageBox(u"Sure?", u"Q", MB_YESNO), IDNO);
    EXPECT_EQ(host.MessageBox(u"file", u"Cant create file", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(host.MessageBox(u"file", u"Cant create file", MB_RETRYCANCEL), IDCANCEL);
    EXPECT_EQ(host.MessageBox(u"Sure?", u"Q", MB_YESNO), IDYES);
    Do("answer Maybe");
    EXPECT_EQ(host.MessageBox(u"x", u"Q", MB_OKCANCEL), IDOK);
}

TEST_F(HeadlessHost, ShotWritesTheFrameUpright) {
    // Portrait 4 x 6 device frame; logical frame is 6 x 4.
    std::vector<uint16_t> device(4 * 6, 0);
    // Logical (x=1, y=2) is device column 2, row 6-1-1 = 4: pure red.
    device[4 * 4 + 2] = 0xF800;
    host.Present({reinterpret_cast<const uint8_t*>(device.data()), 4, 6, 8});
    auto path = std::filesystem::temp_directory_path() / "corvanth_shot_test.png";
    Do("shot " + path.string());

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    std::filesystem::remove(path);
    EXPECT_EQ(image.width, 6u);
    EXPECT_EQ(image.height, 4u);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            bool red = x == 1 && y == 2;
            EXPECT_EQ(rgb[(y * 6 + x) * 3], red ? 255 : 0) << x << "," << y;
        }
    }
}

TEST(HeadlessStart, WithoutAScriptTheWindowIsClosedAtOnce) {
    HeadlessPlatform host("", nullptr);
    bool destroyed = false;
    host.CreateMainWindow(u"t", 4, 6, [&](const Message& m) {
        if (m.message == WM_DESTROY) {
            destroyed = true;
            host.PostQuitMessage(0);
        }
        return false;
    });
    auto messages = Drain(host);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, WM_CLOSE);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(host.HasWindow());
}

TEST(HeadlessStart, AMissingScriptIsReported) {
    EXPECT_THROW(HeadlessPlatform("/nonexistent/script.txt", nullptr), ScriptError);
}

}  // namespace
}  // namespace cv::platform
