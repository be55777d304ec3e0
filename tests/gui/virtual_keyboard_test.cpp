#include "gui/virtual_keyboard.h"
#include "core/resource_groups.h"
#include "gui/edit.h"
#include "gui_test_support.h"
#include "support/error_of.h"

namespace cv::test {
namespace {

// The bytes of a keyboard file: byte order mark, then UTF-16LE.
std::string KeyboardFile(const std::u16string& text, bool mark = true) {
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (char16_t c : text) bytes += {char(c & 0xFF), char(c >> 8)};
    return bytes;
}

class Keyboard : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = Show();
        edit = MakeRef<Edit>();
        form->addChild(edit);
        keyboard->load(*OpenResourceOrFail("VKbd\\Std.txt"));
        form->addChild(keyboard);
        keyboard->place(false);
    }
    KeyboardKey& Key(size_t partition, size_t index) {
        return *keyboard->partitions()[partition].keys[index];
    }
    void Tap(const GuiElement& key) { Input({Touch("tap", key)}); }
    Ref<RecordingForm> form;
    Ref<Edit> edit;
    Ref<VirtualKeyboard> keyboard = MakeRef<VirtualKeyboard>();
};

TEST_F(Keyboard, ReadsPartitionsRowsAndKeys) {
    const auto& partitions = keyboard->partitions();
    ASSERT_EQ(partitions.size(), 3u);
    EXPECT_EQ(partitions[0].name, u"abc");
    EXPECT_EQ(partitions[2].name, u"sym");
    // a b c BS / Shift Space Switch: a comment inside a row does not end it.
    ASSERT_EQ(partitions[0].keys.size(), 8u);
    EXPECT_EQ(partitions[0].keys[4], nullptr);
    EXPECT_EQ(Key(0, 5).bounds().y, Key(0, 7).bounds().y);
    EXPECT_GT(Key(0, 5).bounds().y, Key(0, 0).bounds().y);
    auto& a = dynamic_cast<CharKey&>(Key(0, 0));
    EXPECT_EQ(a.entries(), (std::vector<CharKey::Entry>{{"", u'a'}, {"Shift", u'A'}}));
    EXPECT_EQ(dynamic_cast<CharKey&>(Key(2, 1)).entries(),
              (std::vector<CharKey::Entry>{{"", u'['}}));
    EXPECT_EQ(dynamic_cast<ModeKey&>(Key(0, 5)).flag(), u'#');
    EXPECT_EQ(dynamic_cast<ModeKey&>(Key(1, 4)).flag(), u'@');
    EXPECT_EQ(Key(0, 6).bounds().width, 36);
    EXPECT_EQ(Key(0, 3).bounds().width, 22);
    // Placed at the top, centred, the "Close" button at its right end.
    const Rect b = keyboard->bounds();
    EXPECT_EQ(b.y, 0);
    EXPECT_EQ(b.height, partitions[0].size.height + 5);
    EXPECT_EQ(b.x, (640 - b.width) / 2);
    EXPECT_EQ(keyboard->closeButton()->bounds().x + 16, b.x + b.width - 2);
    keyboard->place(true);
    EXPECT_EQ(keyboard->bounds().y, 480 - (partitions[0].size.height + 4) - 4);
}

TEST_F(Keyboard, TypesIntoTheFocusedEditInTheShownMode) {
    Tap(Key(0, 0));
    Tap(Key(0, 5));  // Shift
    EXPECT_EQ(Key(0, 1).text(), u"B");
    // b, Space, Shift again (back to the default mode), c, Backspace.
    for (size_t key : {1, 6, 5, 2, 3}) Tap(Key(0, key));
    EXPECT_EQ(edit->text(), u"aB ");
    EXPECT_EQ(Key(0, 1).text(), u"b");
    EXPECT_EQ(form->log.size(), 5u) << "ItemChanged for each change";
}

TEST_F(Keyboard, SwitchKeysNameAndShowTheNextPartition) {
    const std::vector<std::pair<size_t, std::u16string>> walk = {
        {1, u"sym"}, {2, u"abc"}, {0, u"123"}};
    size_t switchIndex = 7;
    for (const auto& [next, caption] : walk) {
        Tap(Key(keyboard->shownPartition(), switchIndex));
        EXPECT_EQ(keyboard->shownPartition(), next);
        switchIndex = keyboard->partitions()[next].keys.size() - 1;
        EXPECT_EQ(Key(next, switchIndex).text(), caption);
    }
    Tap(*keyboard->closeButton());
    EXPECT_EQ(keyboard->parent(), nullptr);
    EXPECT_EQ(form->children().size(), 1u);
}

// Without the stylus: the keys have no focus (a desktop's space bar types
// nothing of the keyboard's) until a direction key; select types the focused
// key; Esc takes back characters, then closes the keyboard.
TEST_F(Keyboard, KeysAloneWalkTypeAndCloseIt) {
    const std::pair<Lines, std::u16string> steps[] = {{{"key Space", "tick 1"}, u""},
                                                      {{"key Right", "key Space", "tick 1"}, u"a"},
                                                      {{"key Right", "key Space", "tick 1"}, u"ab"},
                                                      {{"key Left", "key Enter", "tick 1"}, u"aba"},
                                                      {{"key Esc"}, u"ab"},
                                                      {{"key Esc", "key Esc"}, u""}};
    for (const auto& [keys, text] : steps) {
        Input(keys);
        EXPECT_EQ(edit->text(), text) << keys.front();
    }
    // Up and down change rows, round from the last to the first; left and
    // right go round the row ("Close" ends the first).
    const auto row = [&] { return keyboard->focusedChild()->bounds().y; };
    const std::pair<const char*, int> walk[] = {{"key Down", Key(0, 5).bounds().y},
                                                {"key Down", Key(0, 0).bounds().y},
                                                {"key Up", Key(0, 5).bounds().y}};
    for (const auto& [line, top] : walk) {
        Input({line});
        EXPECT_EQ(row(), top) << line;
    }
    keyboard->setFocusTo(&Key(0, 0));
    Input({"key Left"});
    EXPECT_EQ(keyboard->focusedChild(), keyboard->closeButton());
    Input({"key Right"});
    EXPECT_EQ(keyboard->focusedChild(), &Key(0, 0));
    EXPECT_EQ(keyboard->parent(), form.get());
    Input({"key Esc"});
    EXPECT_EQ(keyboard->parent(), nullptr);
}

TEST_F(Keyboard, RefusesFilesItCannotUse) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {KeyboardFile(u"{abc}\n[a]\n", false), "Expected Unicode text file for VKbd definition"},
        {"", "Expected Unicode text file for VKbd definition"},
        {KeyboardFile(u"[a]\n{abc}\n"), "Expected partition definition {}"},
        {KeyboardFile(u"; nothing but a comment\n"), "Expected partition definition {}"},
        {KeyboardFile(u"{abc}\n[\n[a\n[ab]\nx[y]\n"), "no error"}};
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(ErrorOf([&] { ReadKeyboardFile(bytes); }), message) << bytes.size();
    }
}

}  // namespace
}  // namespace cv::test
