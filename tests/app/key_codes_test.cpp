#include "app/key_codes.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/app_core.h"
#include "platform/messages.h"

namespace cv {
namespace {

using namespace platform;

// Records what the key translation hands to the application.
class KeyRecorder : public AppCore {
public:
    bool OnKey(int key, bool pressed) override {
        keys.push_back({key, pressed});
        return true;
    }
    bool OnChar(char16_t ch) override {
        chars.push_back(ch);
        return true;
    }
    std::vector<std::pair<int, bool>> keys;
    std::u16string chars;
};

TEST(KeyNames, LookupIgnoresCaseAndCoversTheTable) {
    EXPECT_EQ(KeyCodeByName("pgdown"), 13);
    EXPECT_EQ(KeyCodeByName("GRAYENTER"), 93);
    EXPECT_EQ(KeyCodeByName("print screen"), 6);
    EXPECT_EQ(KeyCodeByName("NoSuchKey"), kNoKey);
    for (int code = 0; code < kKeyCount; ++code) EXPECT_EQ(KeyCodeByName(KeyName(code)), code);
    EXPECT_EQ(KeyName(94), "");
}

TEST(KeyNames, VirtualKeysMapAsTheHandheldDid) {
    EXPECT_EQ(KeyCodeOfVirtualKey(220), 43);  // "\"
    EXPECT_EQ(KeyCodeOfVirtualKey(191), 79);  // "/"
    EXPECT_EQ(KeyCodeOfVirtualKey('Q'), 45);
    EXPECT_EQ(KeyCodeOfVirtualKey('M'), 76);
    EXPECT_EQ(KeyCodeOfVirtualKey('0'), 40);
    EXPECT_EQ(KeyCodeOfVirtualKey('9'), 39);
    EXPECT_EQ(KeyCodeOfVirtualKey(123), 29);  // F12
    EXPECT_EQ(KeyCodeOfVirtualKey(0xC1), kNoKey);
    EXPECT_EQ(VirtualKeyOfKeyName("RShift"), -1);
    EXPECT_EQ(VirtualKeyOfKeyName("esc"), 27);
}

TEST(KeyTranslation, PressOnlyKeysAndReleases) {
    KeyRecorder app;
    EXPECT_TRUE(TranslateKeyMessage(WM_KEYDOWN, 27, 0));
    EXPECT_TRUE(TranslateKeyMessage(WM_KEYUP, 27, 0));
    EXPECT_TRUE(TranslateKeyMessage(WM_KEYUP, 13, 0));
    EXPECT_TRUE(TranslateKeyMessage(WM_SYSKEYUP, 112, 0));  // F1
    EXPECT_TRUE(TranslateKeyMessage(WM_SYSKEYDOWN, 18, 0));
    EXPECT_EQ(app.keys, (std::vector<std::pair<int, bool>>{
                            {1, true}, {1, true}, {2, false}, {18, true}, {83, true}}));
}

TEST(KeyTranslation, UnknownKeysAndOtherMessagesAreNotHandled) {
    KeyRecorder app;
    EXPECT_FALSE(TranslateKeyMessage(WM_KEYDOWN, 0xC1, 0));
    EXPECT_FALSE(TranslateKeyMessage(WM_DEADCHAR, 'a', 0));
    EXPECT_FALSE(TranslateKeyMessage(WM_TIMER, 1, 0));
    EXPECT_TRUE(app.keys.empty());
    EXPECT_TRUE(TranslateKeyMessage(WM_CHAR, 0x10041, 0));
    EXPECT_EQ(app.chars, u"A");
}

}  // namespace
}  // namespace cv
