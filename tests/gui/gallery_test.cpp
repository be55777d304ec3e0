// One frame per widget kind with the kind in each of its states, saved as PNG
// under the build's shots folder and checked on the pixels that tell the
// states apart.
#include <set>

#include "app/app_globals.h"
#include "core/resource_groups.h"
#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/animation_widget.h"
#include "gui/edit.h"
#include "gui/image_widget.h"
#include "gui/label.h"
#include "gui/num_field.h"
#include "gui/picture_button.h"
#include "gui/text_button.h"
#include "gui/text_view.h"
#include "gui/virtual_keyboard.h"
#include "gui_test_support.h"

namespace cv::test {
namespace {

constexpr uint32_t kBackdrop = 0x202020;

class GalleryForm : public RecordingForm {
public:
    void drawBackground() override {
        CurrentPainter()->setColor(kBackdrop);
        CurrentPainter()->fillRect({0, 0, 640, 480});
    }
};

std::vector<Ref<Button>> Buttons(const auto& row) {
    return {row.begin(), row.end()};
}

class Gallery : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        GuiFlags() = 0;  // buttons show the pointer over them
        Show(form);
    }
    // `count` widgets side by side, 90 pixels apart, with the text.
    template <class Kind>
    std::vector<Ref<Kind>> Row(int count, Size size, const std::u16string& text = u"") {
        std::vector<Ref<Kind>> row;
        for (int i = 0; i < count; ++i) {
            Ref<Kind> widget = MakeRef<Kind>();
            form->addChild(widget);
            widget->setBounds({10 + 90 * i, 40, size.width, size.height});
            widget->setText(text);
            row.push_back(widget);
        }
        return row;
    }
    // Stylus over the second, pressing the fourth, keys on with the fifth focused.
    void DriveStates(const std::vector<Ref<Button>>& row, const std::string& more = "tick 0") {
        row[2]->setEnabled(false);
        row[4]->setTabStop(true);
        form->setFocusTo(row[4].get());
        Input({Touch("move", *row[1]), Touch("press", *row[3]), more, "key F5"});
    }
    static std::string Touch(const std::string& verb, const GuiElement& e) {
        const Rect& b = e.bounds();
        return verb + " " + std::to_string(b.x + b.width / 2) + " " + std::to_string(b.y + 3);
    }
    // The colours drawn in the rectangle besides the backdrop.
    std::set<uint32_t> Ink(const Rect& r) const {
        std::set<uint32_t> colours;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) colours.insert(Pixel(x, y));
        }
        colours.erase(Shown(kBackdrop));
        return colours;
    }
    // The smallest rectangle holding every pixel of `colour` within `r`.
    Rect InkBox(const Rect& r, uint32_t colour) const {
        int left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                if (Pixel(x, y) != colour) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        return right < 0 ? Rect{} : Rect{left, top, right - left + 1, bottom - top + 1};
    }
    uint32_t Colour(int slot) const { return Shown(form->color(slot)); }
    template <class Kind>
    void CheckBoxes(const std::string& shot, const std::string& prefix,
                    std::vector<Ref<Kind>> row) {
        for (auto& box : row) box->onMessage({"SetCheck", "", 1, nullptr});
        row[0]->onMessage({"SetCheck", "", 0, nullptr});
        DriveStates(Buttons(row));
        SaveShot(shot);
        // Off, on, on but disabled, pressed, focused with keys.
        const char* const pictures[] = {"off", "on", "off", "on", "on"};
        const int slots[] = {kColorNorm, kColorSelect, kColorGray, kColorPressed, kColorSelect};
        for (int i = 0; i < 5; ++i) {
            const Rect b = row[i]->bounds();
            EXPECT_EQ(Pixel(b.x, b.y + 3), PictureColour(prefix + pictures[i])) << i;
            EXPECT_EQ(Ink({b.x + 19, b.y, b.width - 19, b.height}), std::set{Colour(slots[i])})
                << i;
            const bool outlined = i == 4;
            EXPECT_EQ(Pixel(b.x - 1, b.y - 1) != Shown(kBackdrop), outlined) << i;
        }
    }

    Ref<GalleryForm> form = MakeRef<GalleryForm>();
};

TEST_F(Gallery, Label) {
    auto row = Row<Label>(3, {80, 30}, u"Label");
    row[1]->setEnabled(false);
    row[2]->onMessage({"SetJustify", "RB", 0, nullptr});
    Redraw();
    SaveShot("label");
    EXPECT_EQ(Ink(row[0]->bounds()), std::set{Colour(kColorNorm)});
    EXPECT_EQ(Ink(row[1]->bounds()), std::set{Colour(kColorGray)});
    // Left and centred down, or right and at the bottom.
    const Rect left = InkBox(row[0]->bounds(), Colour(kColorNorm));
    const Rect right = InkBox(row[2]->bounds(), Colour(kColorNorm));
    EXPECT_LT(left.x - row[0]->bounds().x, 3);
    EXPECT_GT(right.x - row[2]->bounds().x, 40);
    EXPECT_GT(right.y - row[2]->bounds().y, left.y - row[0]->bounds().y);
}

TEST_F(Gallery, TextView) {
    auto row = Row<TextView>(3, {80, 100}, u"one two three four");
    row[0]->onMessage({"SetJustify", "LT", 0, nullptr});
    row[2]->onMessage({"SetJustify", "RB", 0, nullptr});
    Redraw();
    SaveShot("textview");
    ASSERT_EQ(row[1]->lines(), (std::vector<std::u16string>{u"one two", u"three four"}));
    const int lineHeight = FindFont("Default")->getHeight();
    for (int i = 0; i < 3; ++i) {
        const Rect b = row[i]->bounds();
        const Rect ink = InkBox(b, Colour(kColorNorm));
        const int above = ink.y - b.y, below = b.y + b.height - (ink.y + ink.height);
        const int before = ink.x - b.x, after = b.x + b.width - (ink.x + ink.width);
        if (i == 0) EXPECT_TRUE(above < lineHeight / 2 && before < 3) << above << " " << before;
        if (i == 1) EXPECT_TRUE(std::abs(above - below) < lineHeight / 2) << above << " " << below;
        if (i == 2) EXPECT_TRUE(below < lineHeight / 2 && after < 4) << below << " " << after;
    }
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
    EXPECT_EQ(Pixel(caret + 4, b.y + 1), Shown(kBackdrop));
    EXPECT_EQ(Ink({row[0]->bounds().x - 1, 39, 82, 22}), std::set{Colour(kColorNorm)});
    EXPECT_EQ(Ink(row[2]->bounds()), std::set{Colour(kColorGray)});
}

TEST_F(Gallery, ImageAndAnimation) {
    auto images = Row<Image>(2, {64, 32});
    images[0]->onMessage({"SetImage", "Forms\\Widgets\\logo", 0, nullptr});
    auto spin = MakeRef<AnimationWidget>();
    form->addChild(spin);
    spin->setBounds({300, 40, 16, 16});
    spin->onMessage({"SetAnimationID", "Spin", 0, nullptr});
    Redraw();
    SaveShot("image_animation_0");
    EXPECT_EQ(Pixel(10, 40), PictureColour("Forms\\Widgets\\logo"));
    EXPECT_EQ(Pixel(73, 71), PictureColour("Forms\\Widgets\\logo"));
    EXPECT_EQ(Pixel(74, 40), Shown(kBackdrop));
    EXPECT_EQ(Ink(images[1]->bounds()), std::set<uint32_t>{});
    EXPECT_EQ(Pixel(315, 55), PictureColour("Img\\Anim\\Spin0"));
    Input({"tick 1"});
    SaveShot("image_animation_1");
    EXPECT_EQ(Pixel(300, 40), PictureColour("Img\\Anim\\Spin1"));
    images[0]->onMessage({"SetImage", "", 0, nullptr});
    Input({"tick 1"});  // the table gives each frame two ticks
    EXPECT_EQ(Pixel(300, 40), PictureColour("Img\\Anim\\Spin1"));
    Input({"tick 1"});
    EXPECT_EQ(Pixel(300, 40), PictureColour("Img\\Anim\\Spin2"));
    EXPECT_EQ(Pixel(10, 40), Shown(kBackdrop));
}

TEST_F(Gallery, PictureButton) {
    auto row = Row<PictureButton>(7, {60, 24});
    const char* const pictures[] = {"ok_norm", "ok_select", "ok_gray", "ok_pressed"};
    for (int i = 0; i < 7; ++i) {
        const int states = i < 5 ? 4 : 2;  // the last two lack grey and pressed pictures
        for (int s = 0; s < states; ++s) {
            row[i]->setPicture(s, getImage(std::string("Forms\\Widgets\\") + pictures[s]));
        }
    }
    row[6]->setOrigin({550, 100});
    row[5]->setEnabled(false);
    DriveStates(Buttons(row), Touch("press", *row[6]));
    SaveShot("picturebutton");
    const char* const shown[] = {"ok_norm",   "ok_select", "ok_gray",  "ok_pressed",
                                 "ok_select", "ok_norm",   "ok_select"};
    for (int i = 0; i < 6; ++i) {
        const Rect b = row[i]->bounds();
        EXPECT_EQ(Ink(b), std::set{PictureColour(std::string("Forms\\Widgets\\") + shown[i])}) << i;
    }
    EXPECT_EQ(row[6]->state(), Button::kPressed);
    EXPECT_EQ(Ink({550, 100, 60, 24}), std::set{PictureColour("Forms\\Widgets\\ok_select")});
    EXPECT_EQ(Ink(row[6]->bounds()), std::set<uint32_t>{});
}

TEST_F(Gallery, TextButton) {
    auto row = Row<TextButton>(5, {80, 24}, u"Button");
    DriveStates(Buttons(row));
    SaveShot("textbutton");
    const int slots[] = {kColorNorm, kColorSelect, kColorGray, kColorPressed, kColorSelect};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Ink(row[i]->bounds()), std::set{Colour(slots[i])}) << i;
}

TEST_F(Gallery, CheckBox) {
    CheckBoxes("checkbox", "Img\\STDGUI\\check_", Row<CheckBox>(5, {80, 20}, u"Box"));
}

TEST_F(Gallery, RadioButton) {
    CheckBoxes("radiobutton", "Img\\STDGUI\\radio_", Row<RadioButton>(5, {80, 20}, u"Dot"));
}

TEST_F(Gallery, NumField) {
    auto row = Row<NumField>(3, {84, 24});
    for (int i = 0; i < 3; ++i) {
        row[i]->onMessage({"SetMaxValue", "", 10, nullptr});
        row[i]->onMessage({"SetValue", "", i * 5, nullptr});
    }
    Input({"press " + std::to_string(row[1]->bounds().x + 5) + " 50"});
    SaveShot("numfield");
    // Arrows left, then the value, then right and end; each centred down.
    const char* const left[] = {"LeftGr", "LeftPr", "LeftNorm"};
    const char* const right[] = {"RightNorm", "RightNorm", "RightGr"};
    const char* const end[] = {"EndNorm", "EndNorm", "EndGr"};
    for (int i = 0; i < 3; ++i) {
        const int x = row[i]->bounds().x;
        EXPECT_EQ(Pixel(x, 43), PictureColour(std::string("Img\\STDGUI\\") + left[i])) << i;
        EXPECT_EQ(Pixel(x, 42), Shown(kBackdrop)) << i;
        EXPECT_EQ(Pixel(x + 60, 50), PictureColour(std::string("Img\\STDGUI\\") + right[i])) << i;
        EXPECT_EQ(Pixel(x + 83, 50), PictureColour(std::string("Img\\STDGUI\\") + end[i])) << i;
        const Rect ink = InkBox({x + 14, 40, 46, 24}, Colour(kColorNorm));
        EXPECT_NEAR(ink.x + ink.width / 2, x + 14 + 23, 2) << i;
    }
}

TEST_F(Gallery, VirtualKeyboard) {
    Ref<VirtualKeyboard> keyboard = MakeRef<VirtualKeyboard>();
    keyboard->load(*OpenResourceOrFail("VKbd\\Std.txt"));
    form->addChild(keyboard);
    keyboard->place(true);
    const Rect b = keyboard->bounds();
    const auto& keys = keyboard->partitions()[0].keys;
    GuiElement& shift = *keys[5];
    Redraw();
    SaveShot("keyboard_abc");
    EXPECT_EQ(b.y + b.height, 480);
    EXPECT_EQ(Pixel(b.x + b.width - 3, b.y + 2), PictureColour("Img\\STDGUI\\Cancel_Norm"));
    EXPECT_EQ(Ink(shift.bounds()), (std::set{Shown(0), Colour(kColorGray), Colour(kColorNorm)}));
    Input({Touch("tap", shift)});
    SaveShot("keyboard_shift");
    EXPECT_EQ(keys[0]->text(), u"A");
    EXPECT_EQ(Ink(shift.bounds()), (std::set{Shown(0), Colour(kColorGray), Colour(kColorSelect)}));
    Input({Touch("tap", *keys[7])});
    SaveShot("keyboard_123");
    EXPECT_EQ(keyboard->shownPartition(), 1u);
    EXPECT_EQ(shift.parent(), nullptr);
    EXPECT_EQ(keyboard->partitions()[1].keys[0]->text(), u"1");
}

}  // namespace
}  // namespace cv::test
