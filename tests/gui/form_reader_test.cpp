#include <optional>
#include <tuple>
#include <typeindex>

#include "gfx/image_cache.h"
#include "gui/animation_widget.h"
#include "gui/edit.h"
#include "gui/form_reader.h"
#include "gui/image_widget.h"
#include "gui/label.h"
#include "gui/num_field.h"
#include "gui/picture_button.h"
#include "gui/text_button.h"
#include "gui/text_view.h"
#include "gui_test_support.h"
#include "support/error_of.h"

namespace cv::test {
namespace {

class FormFile : public ::testing::Test {
    GuiResources resources;
};

Ref<Form> Load(const std::string& name) {
    Ref<Form> form = MakeRef<Form>();
    loadForm(*form, name);
    return form;
}

TEST_F(FormFile, ReadsEveryKeyOfTheFormat) {
    Ref<Form> form = Load("Widgets");
    EXPECT_EQ(form->name(), "Widgets");
    ASSERT_TRUE(form->background());
    EXPECT_EQ(form->background()->getSize(), (Size{640, 480}));
    const ColorSet colours{0xD0D0D0, 0xFFFFFF, 0x707070, 0xFFD000, 0};
    EXPECT_EQ(form->colors(), colours);

    // Rectangles name both edges: 560..623 is 64 pixels wide.
    const std::vector<std::tuple<std::string, std::type_index, Rect>> expected = {
        {"", typeid(Image), {560, 10, 64, 32}},
        {"Title", typeid(Label), {20, 10, 281, 20}},
        {"Story", typeid(TextView), {20, 40, 281, 80}},
        {"Name", typeid(Edit), {20, 130, 201, 20}},
        {"Start", typeid(TextButton), {20, 160, 101, 20}},
        {"Sound", typeid(CheckBox), {20, 190, 141, 20}},
        {"Easy", typeid(RadioButton), {20, 220, 141, 20}},
        {"Hard", typeid(RadioButton), {170, 220, 141, 20}},
        {"Count", typeid(NumField), {20, 250, 181, 20}},
        {"Picture", typeid(Image), {340, 40, 64, 32}},
        {"Spin", typeid(AnimationWidget), {420, 40, 16, 16}},
        {"OK", typeid(PictureButton), {20, 420, 60, 24}},
        {"Cancel", typeid(PictureButton), {100, 420, 60, 24}}};
    ASSERT_EQ(form->children().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const GuiElement& child = *form->children()[i];
        EXPECT_EQ(std::tuple(child.name(), std::type_index(typeid(child)), child.bounds()),
                  expected[i])
            << i;
        EXPECT_EQ(child.colors(), colours) << i;
    }
    auto* layer = dynamic_cast<Image*>(form->children()[0].get());
    EXPECT_EQ(layer->picture(), getImage("Forms\\Widgets\\logo").get());

    // Button blocks: a picture per state, gray falling back to normal, and the origin.
    auto& ok = dynamic_cast<PictureButton&>(*form->findChild("OK"));
    auto& cancel = dynamic_cast<PictureButton&>(*form->findChild("Cancel"));
    EXPECT_EQ(ok.shownPicture(), getImage("Forms\\Widgets\\ok_norm").get());
    EXPECT_EQ(cancel.origin(), (Point{110, 410}));
    ok.setEnabled(false);
    cancel.setEnabled(false);
    EXPECT_EQ(ok.shownPicture(), getImage("Forms\\Widgets\\ok_gray").get());
    EXPECT_EQ(cancel.shownPicture(), getImage("Forms\\Widgets\\ok_norm").get());

    // The tab order makes tab stops, focuses the first, and sets the mode.
    EXPECT_EQ(form->tabOrder(),
              (std::vector<std::string>{"Name", "Start", "Sound", "Easy", "Hard", "Count", "OK"}));
    EXPECT_EQ(form->navigationMode(), kNavVertical);
    EXPECT_EQ(form->focusedChild(), form->findChild("Name"));
    EXPECT_TRUE(form->findChild("Count")->flags() & kTabStop);
    EXPECT_FALSE(form->findChild("Title")->flags() & kTabStop);
    EXPECT_TRUE(form->hasDefaultButton());
    EXPECT_EQ(form->defaultButton(), "OK");
}

TEST_F(FormFile, RectanglesAndPointsNeedAllTheirNumbers) {
    const std::pair<std::string, Rect> good[] = {{"10,20,10,20", {10, 20, 1, 1}},
                                                 {"-5,-6,4,3", {-5, -6, 10, 10}},
                                                 {" 1, 2, 3, 4 and more", {1, 2, 3, 3}}};
    for (const auto& [text, rect] : good) EXPECT_EQ(ParseFormRect(text), rect) << text;
    for (const char* text :
         {"10,20", "a,b,c,d", "1;2;3;4", "50,50,40,60", "0,0,2147483647,0", "0,0,99999999999,1"}) {
        EXPECT_EQ(ParseFormRect(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseFormPoint("7,-8"), (Point{7, -8}));
    EXPECT_EQ(ParseFormPoint("7"), std::nullopt);
}

TEST_F(FormFile, SkipsWhatItCannotRead) {
    Ref<Form> form = Load("Broken");
    // Only "Select#FF00" is a colour line it can use.
    ColorSet colours = DefaultColors();
    colours[kColorSelect] = 0x0000FF00;
    EXPECT_EQ(form->colors(), colours);
    for (const char* name : {"Short", "Letters", "Reversed", "Pic"}) {
        EXPECT_EQ(form->findChild(name)->bounds(), Rect{}) << name;
    }
    EXPECT_EQ(dynamic_cast<PictureButton&>(*form->findChild("Pic")).origin(), Point{});
    EXPECT_EQ(form->findChild("Tiny")->bounds(), (Rect{10, 20, 1, 1}));
    EXPECT_EQ(form->navigationMode(), kNavFree);
    EXPECT_EQ(form->focusedChild(), form->findChild("Tiny"));
}

TEST_F(FormFile, ReportsMissingFilesAndUnknownWidgets) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Nowhere", "Resource not found: Forms\\Nowhere\\form.txt"},
        {"BadType", "Unknown Widget type: Slider"},
        {"BadLayer", "Resource not found: Forms\\BadLayer\\nothing.s16"},
        {"BadBack", "Resource not found: Forms\\BadBack\\#nothing.s16"}};
    for (const auto& [name, message] : cases) {
        EXPECT_EQ(ErrorOf([&] { Load(name); }), message) << name;
    }
}

}  // namespace
}  // namespace cv::test
