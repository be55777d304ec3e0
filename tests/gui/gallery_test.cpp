// One frame per widget kind, each kind in each of its states, saved as PNG
// under the build's shots folder and checked on the pixels that tell the
// states apart.
#include <set>

#include "app/app_globals.h"
#include "core/resource_groups.h"
#include "gfx/font_registry.h"
#include "gfx/image_cache.h"
#include "gui/animation_widget.h"
#include "gui/edit.h"
#include "gui/image_widget.h"
#include "gui/label.h"
#include "gui/num_field.h"
#include "gui/text_button.h"
#include "gui/text_view.h"
#include "gui/virtual_keyboard.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

class Gallery : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        GuiFlags() = 0;  // buttons show the stylus over them
        form->setBackground(getImage("Forms\\Widgets\\#back"));
        Show(form);
    }
    // `count` widgets side by side at the height, 90 pixels apart.
    template <class Kind>
    std::vector<Ref<Kind>> Row(int count, Size size, const std::u16string& text = u"", int y = 40) {
        std::vector<Ref<Kind>> row;
        for (int i = 0; i < count; ++i) {
            row.push_back(MakeRef<Kind>());
            form->addChild(row.back());
            row.back()->setBounds({10 + 90 * i, y, size.width, size.height});
            row.back()->setText(text);
        }
        return row;
    }
    // Normal, stylus over, disabled, pressed, focused while keys are in use.
    template <class Kind>
    void DriveStates(const std::vector<Ref<Kind>>& row) {
        row[2]->setEnabled(false);
        row[4]->setTabStop(true);
        form->setFocusTo(row[4].get());
        Input({Touch("move", *row[1]), Touch("press", *row[3]), "key F5"});
    }
    // The colours drawn in the rectangle besides the backdrop.
    std::set<uint32_t> Ink(const Rect& r) const {
        std::set<uint32_t> colours;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) colours.insert(Pixel(x, y));
        }
        colours.erase(backdrop);
        return colours;
    }
    // How far the ink of `colour` stays from each side of `r`: left, top, right, bottom.
    std::array<int, 4> Margins(const Rect& r, uint32_t colour) const {
        std::array<int, 4> m = {r.width, r.height, r.width, r.height};
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x) {
                if (Pixel(r.x + x, r.y + y) != colour) continue;
                m = {std::min(m[0], x), std::min(m[1], y), std::min(m[2], r.width - 1 - x),
                     std::min(m[3], r.height - 1 - y)};
            }
        }
        return m;
    }
    uint32_t Colour(int slot) const { return Shown(form->color(slot)); }
    static uint32_t Stdgui(const std::string& name) {
        return PictureColour("Img\\STDGUI\\" + name);
    }

    Ref<RecordingForm> form = MakeRef<RecordingForm>();
    const uint32_t backdrop = PictureColour("Forms\\Widgets\\#back");
};

TEST_F(Gallery, LabelAndTextView) {
    auto labels = Row<Label>(2, {80, 30}, u"Label");
    auto views = Row<TextView>(4, {80, 100}, u"one two three four", 100);
    labels[1]->setEnabled(false);
    const char* const justifications[] = {"LT", "CC", "RB"};
    for (int i = 0; i < 3; ++i) views[1 + i]->onMessage({"SetJustify", justifications[i], 0, {}});
    Redraw();
    SaveShot("label_textview");
    EXPECT_EQ(Ink(labels[0]->bounds()), std::set{Colour(kColorNorm)});
    EXPECT_EQ(Ink(labels[1]->bounds()), std::set{Colour(kColorGray)});
    ASSERT_EQ(views[1]->lines(), (std::vector<std::u16string>{u"one two", u"three four"}));
    const int half = FindFont("Default")->getHeight() / 2;
    const auto lt = Margins(views[1]->bounds(), Colour(kColorNorm));
    const auto cc = Margins(views[2]->bounds(), Colour(kColorNorm));
    const auto rb = Margins(views[3]->bounds(), Colour(kColorNorm));
    EXPECT_TRUE(lt[0] < 3 && lt[1] < half) << lt[0] << "," << lt[1];
    EXPECT_TRUE(std::abs(cc[0] - cc[2]) < 4 && std::abs(cc[1] - cc[3]) < half);
    EXPECT_TRUE(rb[2] < 4 && rb[3] < half) << rb[2] << "," << rb[3];
    // Narrowed, it wraps again when told to.
    views[0]->setBounds({10, 250, 40, 100});
    views[0]->onMessage({"AutoFormat", "", 0, {}});
    EXPECT_EQ(views[0]->lines().size(), 4u);
}

TEST_F(Gallery, Edit) {
    auto row = Row<Edit>(3, {80, 20}, u"abc");
    row[2]->setEnabled(false);
    form->setFocusTo(row[1].get());
    Redraw();
    SaveShot("edit");
    const Rect b = row[1]->bounds();
    const int caret = b.x + FindFont("Default")->getTextSize(u"abc").width;
    EXPECT_EQ(Pixel(b.x - 1, b.y - 1), Colour(kColorSelect));
    EXPECT_EQ(Pixel(b.x + b.width, b.y + b.height), Colour(kColorSelect));
    for (int x : {caret, caret + 3}) EXPECT_EQ(Pixel(x, b.y + 1), Colour(kColorNorm)) << x;
    EXPECT_EQ(Pixel(caret + 4, b.y + 1), backdrop);
    EXPECT_EQ(Ink({row[0]->bounds().x - 1, 39, 82, 22}), std::set{Colour(kColorNorm)});
    EXPECT_EQ(Ink(row[2]->bounds()), std::set{Colour(kColorGray)});
}

TEST_F(Gallery, ImageAndAnimation) {
    auto images = Row<Image>(2, {64, 32});
    images[0]->onMessage({"SetImage", "Forms\\Widgets\\logo", 0, {}});
    auto spins = Row<AnimationWidget>(2, {16, 16}, u"", 100);
    spins[0]->onMessage({"SetAnimationID", "Spin", 0, {}});
    spins[1]->onMessage({"SetAnimation", "Img\\Anim\\Spin1", 2, {}});
    Redraw();
    SaveShot("image_animation_0");
    EXPECT_EQ(Ink({10, 40, 64, 32}), std::set{PictureColour("Forms\\Widgets\\logo")});
    EXPECT_EQ(Ink({100, 40, 64, 32}), std::set<uint32_t>{});
    EXPECT_EQ(Pixel(74, 40), backdrop);
    EXPECT_EQ(Pixel(25, 115), PictureColour("Img\\Anim\\Spin0"));
    images[0]->onMessage({"SetImage", "", 0, {}});
    // The table gives each frame two ticks, after the first; the named one, one.
    const char* const frames[][2] = {{"Spin1", "Spin2"}, {"Spin1", "Spin1"}, {"Spin2", "Spin2"}};
    for (int tick = 0; tick < 3; ++tick) {
        Input({"tick 1"});
        if (tick == 0) SaveShot("image_animation_1");
        EXPECT_EQ(Pixel(10, 100), PictureColour(std::string("Img\\Anim\\") + frames[tick][0]));
        EXPECT_EQ(Pixel(100, 100), PictureColour(std::string("Img\\Anim\\") + frames[tick][1]));
    }
    EXPECT_EQ(Pixel(10, 40), backdrop);
}

TEST_F(Gallery, PictureButtonAndTextButton) {
    auto pictures = Row<PictureButton>(5, {60, 24});
    const char* const names[] = {"ok_norm", "ok_select", "ok_gray", "ok_pressed"};
    for (int s = 0; s < 4; ++s) {
        Ref<Sprite> picture = getImage(std::string("Forms\\Widgets\\") + names[s]);
        for (auto& button : pictures) button->setPicture(s, picture);
    }
    auto texts = Row<TextButton>(5, {80, 24}, u"Button", 100);
    const int shown[] = {kColorNorm, kColorSelect, kColorGray, kColorPressed, kColorSelect};
    DriveStates(pictures);
    SaveShot("picturebutton");
    for (int i = 0; i < 5; ++i) {
        const std::string picture = std::string("Forms\\Widgets\\") + names[shown[i]];
        EXPECT_EQ(Ink(pictures[i]->bounds()), std::set{PictureColour(picture)}) << i;
    }
    DriveStates(texts);
    SaveShot("textbutton");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Ink(texts[i]->bounds()), std::set{Colour(shown[i])}) << i;
}

TEST_F(Gallery, CheckBoxAndRadioButton) {
    auto boxes = Row<CheckBox>(5, {80, 20}, u"Box");
    auto radios = Row<RadioButton>(5, {80, 20}, u"Dot", 100);
    for (int i = 0; i < 5; ++i) {
        boxes[i]->onMessage({"SetCheck", "", i > 0, {}});
        radios[i]->onMessage({"SetCheck", "", i > 0, {}});
    }
    // Off, on, on but disabled, pressed, focused with keys.
    const char* const pictures[] = {"off", "on", "off", "on", "on"};
    const int slots[] = {kColorNorm, kColorSelect, kColorGray, kColorPressed, kColorSelect};
    auto check = [&](const auto& row, const std::string& kind) {
        DriveStates(row);
        SaveShot(kind == "check_" ? "checkbox" : "radiobutton");
        for (int i = 0; i < 5; ++i) {
            const Rect b = row[i]->bounds();
            EXPECT_EQ(Pixel(b.x, b.y + 3), Stdgui(kind + pictures[i])) << i;
            EXPECT_EQ(Ink({b.x + 19, b.y, b.width - 19, b.height}), std::set{Colour(slots[i])})
                << i;
            EXPECT_EQ(Pixel(b.x - 1, b.y - 1) != backdrop, i == 4) << i;
        }
    };
    check(boxes, "check_");
    check(radios, "radio_");
}

TEST_F(Gallery, NumField) {
    auto row = Row<NumField>(3, {84, 24});
    for (int i = 0; i < 3; ++i) {
        row[i]->onMessage({"SetMaxValue", "", 10, {}});
        row[i]->onMessage({"SetValue", "", i * 5, {}});
    }
    Input({"press 105 50"});
    SaveShot("numfield");
    // The left arrow (centred down: its top at 43), the right and the end arrow.
    const char* const arrows[][3] = {{"LeftGr", "RightNorm", "EndNorm"},
                                     {"LeftPr", "RightNorm", "EndNorm"},
                                     {"LeftNorm", "RightGr", "EndGr"}};
    const Point at[] = {{0, 43}, {60, 50}, {83, 50}};
    for (int i = 0; i < 3; ++i) {
        const int x = row[i]->bounds().x;
        for (int a = 0; a < 3; ++a) {
            EXPECT_EQ(Pixel(x + at[a].x, at[a].y), Stdgui(arrows[i][a])) << i << " " << a;
        }
        EXPECT_EQ(Pixel(x, 42), backdrop) << i;
        const auto value = Margins({x + 14, 40, 46, 24}, Colour(kColorNorm));
        EXPECT_LE(std::abs(value[0] - value[2]), 2) << i;
    }
}

TEST_F(Gallery, VirtualKeyboard) {
    Ref<VirtualKeyboard> keyboard = MakeRef<VirtualKeyboard>();
    keyboard->load(*OpenResourceOrFail("VKbd\\Std.txt"));
    form->addChild(keyboard);
    keyboard->place(true);
    const Rect b = keyboard->bounds();
    GuiElement& shift = *keyboard->partitions()[0].keys[5];
    const std::set<uint32_t> frame = {Shown(0), Colour(kColorGray)};  // panel and key frames
    auto with = [&](int slot) {
        auto ink = frame;
        ink.insert(Colour(slot));
        return ink;
    };
    Redraw();
    SaveShot("keyboard_abc");
    EXPECT_EQ(b.y + b.height, 480);
    EXPECT_EQ(Pixel(b.x + b.width - 3, b.y + 2), Stdgui("Cancel_Norm"));
    EXPECT_EQ(Ink(shift.bounds()), with(kColorNorm));
    Input({Touch("tap", shift)});
    SaveShot("keyboard_shift");
    EXPECT_EQ(Ink(shift.bounds()), with(kColorSelect));
    Input({Touch("tap", *keyboard->partitions()[0].keys[7])});
    SaveShot("keyboard_123");
    EXPECT_EQ(Ink(keyboard->partitions()[1].keys[0]->bounds()), with(kColorNorm));
}

}  // namespace
}  // namespace cv::test
