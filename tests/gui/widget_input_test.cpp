// Input rules of the text edit and the number field, and text wrapping.
#include <tuple>

#include "gfx/font_registry.h"
#include "gui/edit.h"
#include "gui/num_field.h"
#include "gui/text_wrap.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

using Widgets = GuiTest;

TEST_F(Widgets, EditTakesTypedTextAndTellsEachChange) {
    // The text before, the input, the text after, the "ItemChanged" messages.
    const std::tuple<std::u16string, Lines, std::u16string, size_t> cases[] = {
        {u"ab", {"key BS"}, u"a", 1},   {u"", {"key BS"}, u"", 0},
        {u"", {"text hi!"}, u"hi!", 3}, {u"abc", {"keydown Esc"}, u"ab", 1},
        {u"", {"keydown Esc"}, u"", 0}, {u"x", {"key Tab", "key Enter"}, u"x", 0}};
    for (const auto& [before, input, after, changes] : cases) {
        SCOPED_TRACE(input[0]);
        Ref<RecordingForm> form = Show();
        Ref<Edit> edit = MakeRef<Edit>();
        form->addChild(edit);
        edit->setName("E");
        edit->setText(before);
        Input(input);
        EXPECT_EQ(edit->text(), after);
        EXPECT_EQ(form->log, Lines(changes, "ItemChanged  0 E"));
    }
    // A tap brings the focus; only the focused edit takes characters.
    Ref<RecordingForm> form = Show();
    Ref<Edit> first = MakeRef<Edit>(), second = MakeRef<Edit>();
    form->addChild(first), form->addChild(second);
    second->setBounds({0, 100, 100, 20});
    Input({"tap 10 110", "text z"});
    EXPECT_EQ(form->focusedChild(), second.get());
    EXPECT_EQ(first->text(), u"");
    EXPECT_EQ(second->text(), u"z");
}

TEST_F(Widgets, NumFieldKeepsItsValueInRange) {
    Ref<RecordingForm> form = Show();
    Ref<NumField> field = MakeRef<NumField>();
    form->addChild(field);
    field->setName("Count");
    field->setTabStop(true);
    form->setFocusTo(field.get());
    field->setBounds({100, 100, 84, 24});  // arrows: left 100, right 160, end 174
    auto set = [&](int minimum, int maximum, int value) {
        field->onMessage({"SetMinValue", "", minimum, nullptr});
        field->onMessage({"SetMaxValue", "", maximum, nullptr});
        field->onMessage({"SetValue", "", value, nullptr});
        form->log.clear();
    };
    auto arrows = [&] {
        std::string enabled;
        for (const char* name : {"Left", "Right", "End"})
            enabled += field->findChild(name)->isEnabled() ? '+' : '-';
        return enabled;
    };
    set(1, 5, 5);
    EXPECT_EQ(arrows(), "+--");
    Input({"text 3"});  // 53 is out of range
    EXPECT_EQ(field->value(), 5);
    set(0, 50, 4);
    Input({"text 2"});
    EXPECT_EQ(field->value(), 42);
    // The input, the value, the arrows enabled, the "NumChanged" messages so far.
    const std::tuple<std::string, int, std::string, size_t> steps[] = {
        {"key Left", 41, "+++", 2},    {"key Space", 0, "-++", 3},
        {"key Left", 0, "-++", 3},     {"key Enter", 50, "+--", 4},
        {"key Right", 50, "+--", 4},   {"tap 105 112", 49, "+++", 5},
        {"tap 165 112", 50, "+--", 6}, {"tap 105 112", 49, "+++", 7},
        {"tap 177 112", 50, "+--", 8}};
    for (const auto& [input, value, enabled, told] : steps) {
        SCOPED_TRACE(input);
        Input({input});
        EXPECT_EQ(field->value(), value);
        EXPECT_EQ(arrows(), enabled);
        EXPECT_EQ(form->log.size(), told);
    }
    EXPECT_EQ(form->log.back(), "NumChanged  50 Count");
}

TEST_F(Widgets, TextWrapsAtBreaksOrWhereAWordOverflows) {
    const Font& font = *FindFont("Default");
    auto width = [&](const std::u16string& text) { return font.getTextSize(text).width; };
    const std::tuple<std::u16string, int, std::vector<std::u16string>> cases[] = {
        {u"one two three", width(u"one two"), {u"one two", u"three"}},
        {u"one two three", width(u"one two th"), {u"one two", u"three"}},
        {u"abcdefgh", width(u"abcde"), {u"abcde", u"fgh"}},
        {u"ab\tcd", width(u"ab\tc"), {u"ab", u"cd"}},
        {u"ab\u3002cd", width(u"ab\u3002c"), {u"ab\u3002", u"cd"}},
        {u"ab\uFF0Ccd", width(u"ab\uFF0C"), {u"ab\uFF0C", u"cd"}},
        {u"a\nb", 1000, {u"a", u"b"}},
        {u"a b", 1, {u"a", u"b"}},
        {u"", 100, {}}};
    for (const auto& [text, limit, lines] : cases) {
        EXPECT_EQ(WrapText(text, font, limit), lines) << std::string(text.begin(), text.end());
    }
}

}  // namespace
}  // namespace cv::test
