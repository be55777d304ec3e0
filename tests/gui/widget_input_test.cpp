// Input rules of the text edit and the number field, and text wrapping.
#include "gfx/font_registry.h"
#include "gui/edit.h"
#include "gui/num_field.h"
#include "gui/text_wrap.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

using Lines = std::vector<std::string>;

class Widgets : public GuiTest {
protected:
    size_t Count(const std::string& prefix) const {
        return std::count_if(form->log.begin(), form->log.end(),
                             [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }
    Ref<RecordingForm> form;
};

TEST_F(Widgets, EditTakesTypedTextAndTellsEachChange) {
    struct Case {
        std::u16string text;
        Lines input;
        std::u16string result;
        size_t changes;
    };
    const std::vector<Case> cases = {
        {u"ab", {"key BS"}, u"a", 1},   {u"", {"key BS"}, u"", 0},
        {u"", {"text hi!"}, u"hi!", 3}, {u"abc", {"keydown Esc"}, u"ab", 1},
        {u"", {"keydown Esc"}, u"", 0}, {u"x", {"key Tab", "key Enter"}, u"x", 0}};
    for (const Case& c : cases) {
        form = Show();
        Ref<Edit> edit = MakeRef<Edit>();
        form->addChild(edit);
        edit->setText(c.text);
        Input(c.input);
        EXPECT_EQ(edit->text(), c.result) << c.input[0];
        EXPECT_EQ(Count("ItemChanged"), c.changes) << c.input[0];
    }
    // A tap brings the focus; only the focused edit takes characters.
    form = Show();
    Ref<Edit> first = MakeRef<Edit>(), second = MakeRef<Edit>();
    form->addChild(first), form->addChild(second);
    second->setBounds({0, 100, 100, 20});
    Input({"tap 10 110", "text z"});
    EXPECT_EQ(form->focusedChild(), second.get());
    EXPECT_EQ(first->text(), u"");
    EXPECT_EQ(second->text(), u"z");
}

TEST_F(Widgets, NumFieldKeepsItsValueInRange) {
    form = Show();
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
    struct Step {
        std::string input;
        int value;
        std::string arrows;
        size_t told;  // "NumChanged" messages so far
    };
    const std::vector<Step> steps = {{"key Left", 41, "+++", 2},    {"key Space", 0, "-++", 3},
                                     {"key Left", 0, "-++", 3},     {"key Enter", 50, "+--", 4},
                                     {"key Right", 50, "+--", 4},   {"tap 105 112", 49, "+++", 5},
                                     {"tap 165 112", 50, "+--", 6}, {"tap 105 112", 49, "+++", 7},
                                     {"tap 177 112", 50, "+--", 8}};
    for (const Step& s : steps) {
        Input({s.input});
        EXPECT_EQ(field->value(), s.value) << s.input;
        EXPECT_EQ(arrows(), s.arrows) << s.input;
        EXPECT_EQ(form->log.size(), s.told) << s.input;
    }
    EXPECT_EQ(form->log.back(), "NumChanged  50 Count");
}

TEST_F(Widgets, TextWrapsAtBreaksOrWhereAWordOverflows) {
    const Font& font = *FindFont("Default");
    auto width = [&](const std::u16string& text) { return font.getTextSize(text).width; };
    struct Case {
        std::u16string text;
        int width;
        std::vector<std::u16string> lines;
    };
    const std::vector<Case> cases = {
        {u"one two three", width(u"one two"), {u"one two", u"three"}},
        {u"one two three", width(u"one two th"), {u"one two", u"three"}},
        {u"abcdefgh", width(u"abcde"), {u"abcde", u"fgh"}},
        {u"ab\tcd", width(u"ab\tc"), {u"ab", u"cd"}},
        {u"ab\u3002cd", width(u"ab\u3002c"), {u"ab\u3002", u"cd"}},
        {u"ab\uFF0Ccd", width(u"ab\uFF0C"), {u"ab\uFF0C", u"cd"}},
        {u"a\nb", 1000, {u"a", u"b"}},
        {u"a b", 1, {u"a", u"b"}},
        {u"", 100, {}}};
    for (const Case& c : cases) {
        EXPECT_EQ(WrapText(c.text, font, c.width), c.lines)
            << std::string(c.text.begin(), c.text.end());
    }
}

}  // namespace
}  // namespace cv::test
