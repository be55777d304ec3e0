#include <gtest/gtest.h>

#include "app/app_globals.h"
#include "app/key_codes.h"
#include "core/settings.h"
#include "gui/gui_keys.h"
#include "screens/command_keys.h"

namespace cv {
namespace {

class CommandKeys : public ::testing::Test {
protected:
    void SetUp() override {
        Settings().clear();
        ResetCommandKeys();
        ResetGuiKeys();
    }
    void TearDown() override {
        DisplayFlags() &= ~kFlipScreen;
        SetUp();
    }
};

TEST_F(CommandKeys, TheCfgRebindsOnlyToKeysThatExist) {
    CfgSet("cmd_key_8", "NoSuchKey");
    CfgSet("cmd_key_2", "A");
    LoadCommandKeys();
    EXPECT_EQ(KeyOfCommand(1), kKeyUp);
    EXPECT_EQ(KeyOfCommand(6), KeyCodeByName("A"));
    EXPECT_EQ(CommandOfKey(kKeyDown), kNoCommand);
    EXPECT_EQ(CommandOfKey(kKeySpace), kCentreCommand);
    EXPECT_EQ(KeyOfCommand(kNoCommand), kNoKey);
    EXPECT_EQ(CommandName(6), "2");
    EXPECT_EQ(CommandName(-1), "");
    SetCommandKey(9, kKeyEsc);
    EXPECT_EQ(CommandOfKey(kKeyEsc), kNoCommand);
}

TEST_F(CommandKeys, ATurnedScreenSwapsOppositeDirections) {
    EXPECT_EQ(TranslateKey(kKeyUp), kKeyUp);
    DisplayFlags() |= kFlipScreen;
    EXPECT_EQ(TranslateKey(KeyOfCommand(1)), KeyOfCommand(6));  // "8" and "2"
    EXPECT_EQ(TranslateKey(KeyOfCommand(3)), KeyOfCommand(4));  // "4" and "6"
    EXPECT_EQ(TranslateKey(kKeyHome), kKeyPgDown);              // "7" and "3"
    EXPECT_EQ(TranslateKey(KeyOfCommand(kCentreCommand)), KeyOfCommand(kCentreCommand));
    EXPECT_EQ(TranslateKey(kKeyEsc), kKeyEsc);
    // Moved off the direction commands, the arrows still turn as GUI keys;
    // the key taking their place turns as a command.
    SetCommandKey(1, KeyCodeByName("W"));
    EXPECT_EQ(TranslateKey(kKeyUp), kKeyDown);
    EXPECT_EQ(TranslateKey(KeyCodeByName("W")), kKeyDown);
}

}  // namespace
}  // namespace cv
