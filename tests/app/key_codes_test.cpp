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
    // "\", "/", letters, digits ("0" sits after "9") and F12.
    for (auto [virtualKey, code] :
         {std::pair{220, 43}, {191, 79}, {'Q', 45}, {'M', 76}, {'0', 40}, {'9', 39}, {123, 29}}) {
        EXPECT_EQ(KeyCodeOfVirtualKey(virtualKey), code) << virtualKey;
    }
}

// Esc and the other keys arriving through the headless script are covered by
// the message routing test; these messages only come from a real keyboard.
TEST(KeyTranslation, PressOnlyKeysReleasesAndUnhandledMessages) {
    KeyRecorder app;
    EXPECT_TRUE(TranslateKeyMessage(WM_KEYUP, 13, 0));
    EXPECT_TRUE(TranslateKeyMessage(WM_SYSKEYUP, 112, 0));  // F1 reports a press
    EXPECT_TRUE(TranslateKeyMessage(WM_SYSKEYDOWN, 18, 0));
    EXPECT_FALSE(TranslateKeyMessage(WM_KEYDOWN, 0xC1, 0));
    EXPECT_FALSE(TranslateKeyMessage(WM_DEADCHAR, 'a', 0));
    EXPECT_TRUE(TranslateKeyMessage(WM_CHAR, 0x10041, 0));
    EXPECT_EQ(app.keys, (std::vector<std::pair<int, bool>>{{2, false}, {18, true}, {83, true}}));
    EXPECT_EQ(app.chars, u"A");
}

}  // namespace
}  // namespace cv
