// A headless script taps, drags and types into the test form while the
// application's own message loop runs; the frames it shoots are checked.
#include <cstring>
#include <fstream>
#include <functional>

#include "gui/form_reader.h"
#include "gui_test_support.h"
#include "platform/png_file.h"

namespace cv::test {
namespace {

// A shot of the run, read back: its pixels as 0xRRGGBB.
std::function<uint32_t(int, int)> ReadShot(const std::string& name) {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    std::string error;
    EXPECT_TRUE(platform::ReadPng(ShotPath(name), width, height, rgba, error)) << error;
    EXPECT_EQ(width, 640);
    rgba.resize(size_t(640) * 480 * 4);
    return [rgba](int x, int y) {
        const uint8_t* p = &rgba[(size_t(y) * 640 + x) * 4];
        return uint32_t(p[0]) << 16 | p[1] << 8 | p[2];
    };
}

TEST(FormScript, TapsDragsAndTypesIntoTheWidgetsForm) {
    GuiResources resources;
    const std::string script =
        std::filesystem::path(ShotPath("form_script")).replace_extension(".txt").string();
    std::ofstream(script) << "tick 1\nshot " << ShotPath("form_0_start") << "\n"
                          << "tap 30 140\ntext Hero\n"
                          << "shot " << ShotPath("form_1_typed") << "\n"
                          << "# the number field's label: 100 pixels sweep its range, held in it\n"
                          << "press 100 260\nmove 109 260\nmove 159 260\nmove 400 260\n"
                          << "move 0 260\nmove 159 260\nrelease 159 260\n"
                          << "tap 25 200\nkey Down\nkey Enter\n"
                          << "shot " << ShotPath("form_2_pressed") << "\n"
                          << "tick 2\n"
                          << "shot " << ShotPath("form_3_clicked") << "\n";
    Ref<RecordingForm> form = MakeRef<RecordingForm>();
    {
        GuiSession session(script);
        loadForm(*form, "Widgets");
        for (const char* name : {"Title", "Start", "Sound", "Easy", "Hard"}) {
            form->findChild(name)->setText(std::u16string(name, name + std::strlen(name)));
        }
        form->findChild("Story")->setText(u"A form read from its file, with every kind of widget.");
        sendToChild(*form, "Count", {"SetMaxValue", "", 100, nullptr});
        sendToChild(*form, "Picture", {"SetImage", "Forms\\Widgets\\logo", 0, nullptr});
        sendToChild(*form, "Spin", {"SetAnimationID", "Spin", 0, nullptr});
        sendToChild(*form, "Easy", {"SetCheck", "", 1, nullptr});
        form->log.clear();
        session.app.SetScreen(form.get());
        session.app.Run();
    }
    EXPECT_EQ(form->findChild("Name")->text(), u"Hero");
    EXPECT_EQ(form->log, (std::vector<std::string>{"ItemChanged  0 Name", "ItemChanged  0 Name",
                                                   "ItemChanged  0 Name", "ItemChanged  0 Name",
                                                   "NumChanged  50 Count", "NumChanged  100 Count",
                                                   "NumChanged  0 Count", "NumChanged  50 Count",
                                                   "RadioCheck Sound 0 Sound", "Button OK 0 OK"}));

    const uint32_t norm = Shown(0xD0D0D0), select = Shown(0xFFFFFF);
    const auto start = ReadShot("form_0_start");
    EXPECT_EQ(start(639, 479), PictureColour("Forms\\Widgets\\#back"));
    EXPECT_EQ(start(560, 10), PictureColour("Forms\\Widgets\\logo"));
    EXPECT_EQ(start(340, 40), PictureColour("Forms\\Widgets\\logo"));
    EXPECT_EQ(start(420, 40), PictureColour("Img\\Anim\\Spin1"));
    EXPECT_EQ(start(20, 420), PictureColour("Forms\\Widgets\\ok_norm"));
    EXPECT_EQ(start(110, 410), PictureColour("Forms\\Widgets\\ok_norm"));
    EXPECT_EQ(start(20, 223), PictureColour("Img\\STDGUI\\radio_on"));
    EXPECT_EQ(start(20, 251), PictureColour("Img\\STDGUI\\LeftGr"));
    EXPECT_EQ(start(19, 129), select) << "the focused edit's outline";

    const auto typed = ReadShot("form_1_typed");
    int ink = 0;
    for (int x = 20; x < 120; ++x) ink += typed(x, 140) == norm;
    EXPECT_GT(ink, 3);

    const auto pressed = ReadShot("form_2_pressed");
    EXPECT_EQ(pressed(20, 420), PictureColour("Forms\\Widgets\\ok_pressed"));
    EXPECT_EQ(pressed(20, 251), PictureColour("Img\\STDGUI\\LeftNorm"));
    EXPECT_EQ(pressed(19, 129), PictureColour("Forms\\Widgets\\#back")) << "focus moved on";

    const auto clicked = ReadShot("form_3_clicked");
    EXPECT_EQ(clicked(20, 420), PictureColour("Forms\\Widgets\\ok_select"))
        << "focused, with keys in use";
    EXPECT_EQ(clicked(420, 40), PictureColour("Img\\Anim\\Spin2"));
}

}  // namespace
}  // namespace cv::test
