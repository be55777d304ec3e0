// A headless frame drawn by the real device, painters, sprites and fonts, saved
// through the platform's shot and checked pixel by pixel.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "app/app_core.h"
#include "app/app_globals.h"
#include "app/key_codes.h"
#include "app/pointer_target.h"
#include "core/file_stream.h"
#include "core/resource_groups.h"
#include "game_run.h"
#include "gfx/font_registry.h"
#include "gfx/gdi_device.h"
#include "gfx/image_cache.h"
#include "gfx/sprite_picture.h"
#include "gfx/surface_soft.h"
#include "platform/headless/headless_platform.h"

namespace cv::e2e {
namespace {

constexpr uint32_t kNavy = 0x000080, kYellow = 0xFFFF00, kRed = 0xFF0000, kWhite = 0xFFFFFF;
const Rect kFilled{20, 30, 100, 50};
const Rect kOutline{300, 200, 40, 30};
const Point kSpriteAt{400, 100};
const Rect kTextBox{50, 300, 200, 40};
const std::u16string kText = u"Corvanth";

// 16 x 10: red top rows, green left columns, a transparent hole, blue elsewhere.
RgbaPicture Picture() {
    RgbaPicture p{16, 10, std::vector<uint8_t>(16 * 10 * 4)};
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 16; ++x) {
            uint8_t* px = p.At(x, y);
            const bool hole = x >= 10 && x < 13 && y >= 5 && y < 8;
            px[0] = y < 3 ? 255 : 0, px[1] = y >= 3 && x < 4 ? 255 : 0;
            px[2] = y >= 3 && x >= 4 ? 255 : 0, px[3] = hole ? 0 : 255;
            if (hole) px[0] = px[1] = px[2] = 0;
        }
    }
    return p;
}

class ShotScreen : public Screen {
public:
    void Update() override {
        RenderFrame([](IPainter& p) {
            p.setColor(kNavy);
            p.fillRect({0, 0, 640, 480});
            p.setColor(kYellow);
            p.fillRect(kFilled);
            p.setColor(kRed);
            p.drawRect(kOutline);
            getImage("Img\\Flag")->draw(kSpriteAt, kDrawPlain);
            p.setColor(kWhite);
            drawTextIn(kText, kTextBox, "LT", nullptr);
        });
    }
    void Tick() override {}
    void Activate(bool) override {}
    bool OnKey(int, bool) override { return false; }
    bool OnChar(char16_t) override { return false; }
};

class ShotApp : public Application {
public:
    bool Init() override {
        device_ = MakeRef<GdiDevice>();
        return Application::Init();
    }
    std::u16string Title() const override { return u"Shot"; }
    std::u16string ClassName() const override { return u"ShotTest"; }

private:
    Ref<GdiDevice> device_;
};

class Taps : public PointerTarget {
public:
    void OnPointerEvent(const PointerEvent& e) override {
        if (e.kind == PointerEvent::Press) presses.push_back({e.x, e.y});
    }
    bool StylusInUse() const override { return true; }
    std::vector<Point> presses;
};

// 5-6-5 as the platform widens it to 8 bits a channel.
uint32_t Shown(uint32_t rgb) {
    const uint32_t r = rgb >> 19 & 31, g = rgb >> 10 & 63, b = rgb >> 3 & 31;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

class HeadlessShot : public ::testing::Test {
protected:
    void SetUp() override {
        ImageExtension() = ".s16";
        std::filesystem::create_directories(dir / "Img");
        std::filesystem::create_directories(dir / "Fonts");
        Ref<Sprite> flag = MakeRef<Sprite>();
        flag->build(*StoredSurfaceOf(Picture(), kBuildAlpha), kBuildAlpha);
        Ref<FileStream> file = MakeRef<FileStream>((dir / "Img" / "Flag.s16").string(), 'c');
        file->Open();
        flag->save(*file);
        file->Close();
        RunResult r = RunProgram(CORVANTH_FONT_TOOL,
                                 "build '" CORVANTH_TEST_FONT "' --size 18 --chars 32-126 '" +
                                     (dir / "Fonts" / "arial.fnm").string() + "'");
        ASSERT_EQ(r.status, 0) << r.err;
        ResetResourceGroups();
        Ref<ResourceGroup> group = MakeRef<ResourceGroup>("");
        group->Add(MakeRef<DirectorySource>("game", dir.path().string() + "/"));
        RegisterGroup(group);
        RegisterFont("Default", loadFont("Fonts\\arial.fnm"));
    }
    void TearDown() override {
        ResetFonts();
        purgeImages();
        ResetResourceGroups();
        DisplayFlags() = 0;
        SetPointerTarget(nullptr);
    }

    // Runs the application on a script: one frame, a shot, a tap, quit.
    Png Run(bool flip, Point tap) {
        DisplayFlags() = flip ? uint32_t{kFlipScreen} : 0u;
        const std::string shot = (dir / (flip ? "flipped.png" : "plain.png")).string();
        dir.Write("script.txt", "tick 1\nshot " + shot + "\ntap " + std::to_string(tap.x) + " " +
                                    std::to_string(tap.y) + "\nquit\n");
        platform::HeadlessPlatform host((dir / "script.txt").string(), VirtualKeyOfKeyName);
        platform::SetCurrent(&host);
        {
            ShotApp app;
            ShotScreen screen;
            EXPECT_TRUE(app.Init());
            app.SetScreen(&screen);
            SetPointerTarget(&taps);
            app.Run();
            app.Exit();
            app.SetScreen(nullptr);
        }
        platform::SetCurrent(nullptr);
        return ReadBack(shot);
    }

    TempDir dir;
    Taps taps;
};

// The text as the font draws it by itself, white on black, `size` large.
std::vector<uint32_t> TextAlone(Size& size) {
    Font* font = FindFont("Default");
    size = font->getTextSize(kText);
    auto surface = MakeRef<ISurfaceSoft>(size.width, size.height, 24);
    Ref<IPainter> painter = createSoftPainter(surface);
    painter->setColor(kWhite);
    font->drawText(*painter, {0, 0}, kText);
    std::vector<uint32_t> pixels;
    const SurfaceDesc d = surface->describe();
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) pixels.push_back(d.At(x, y)[0] ? kWhite : 0);
    }
    return pixels;
}

TEST_F(HeadlessShot, ShowsEverythingWhereTheLogicalCoordinatesSay) {
    const Png s = Run(false, {25, 35});
    ASSERT_EQ(s.width, 640);
    ASSERT_EQ(s.height, 480);
    const uint32_t navy = Shown(kNavy), yellow = Shown(kYellow), red = Shown(kRed);
    EXPECT_EQ(s.Rgb(0, 0), navy);
    EXPECT_EQ(s.Rgb(639, 479), navy);
    for (int y = kFilled.y - 1; y <= kFilled.y + kFilled.height; ++y) {
        for (int x = kFilled.x - 1; x <= kFilled.x + kFilled.width; ++x) {
            const bool inside = x >= kFilled.x && y >= kFilled.y && x < kFilled.x + kFilled.width &&
                                y < kFilled.y + kFilled.height;
            ASSERT_EQ(s.Rgb(x, y), inside ? yellow : navy) << x << "," << y;
        }
    }
    EXPECT_EQ(s.Rgb(kOutline.x, kOutline.y), red);
    EXPECT_EQ(s.Rgb(kOutline.x + kOutline.width - 1, kOutline.y + kOutline.height - 1), red);
    EXPECT_EQ(s.Rgb(kOutline.x + 20, kOutline.y + kOutline.height - 1), red);
    EXPECT_EQ(s.Rgb(kOutline.x + 1, kOutline.y + 1), navy);
    EXPECT_EQ(s.Rgb(kOutline.x + kOutline.width, kOutline.y), navy);
    // The picture stands upright with its top-left pixel at the point; the
    // navy shows through its hole.
    const RgbaPicture picture = Picture();
    for (int y = -1; y <= picture.height; ++y) {
        for (int x = -1; x <= picture.width; ++x) {
            const bool inside = x >= 0 && y >= 0 && x < picture.width && y < picture.height;
            const uint8_t* p = inside ? picture.At(x, y) : nullptr;
            const uint32_t want =
                !inside || p[3] == 0 ? navy : Shown(uint32_t(p[0]) << 16 | p[1] << 8 | p[2]);
            ASSERT_EQ(s.Rgb(kSpriteAt.x + x, kSpriteAt.y + y), want) << x << "," << y;
        }
    }
    // The text, top-left justified in its box, as the font draws it.
    Size size;
    const std::vector<uint32_t> text = TextAlone(size);
    int ink = 0;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const bool white = text[size_t(y) * size.width + x] != 0;
            ink += white;
            ASSERT_EQ(s.Rgb(kTextBox.x + x, kTextBox.y + y), white ? Shown(kWhite) : navy)
                << x << "," << y;
        }
    }
    EXPECT_GT(ink, 50);
    ASSERT_EQ(taps.presses.size(), 1u);
    EXPECT_EQ(taps.presses[0], (Point{25, 35}));
}

TEST_F(HeadlessShot, FlipScreenTurnsTheWholeFrameAndTheInputWithIt) {
    const Png plain = Run(false, {0, 0});
    // Under FlipScreen the device is held the other way round: the window
    // shows the frame turned by 180 degrees, and a tap where the yellow
    // rectangle shows reaches it.
    const Png flipped = Run(true, {639 - 25, 479 - 35});
    ASSERT_EQ(flipped.width, 640);
    ASSERT_EQ(flipped.height, 480);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(flipped.Rgb(639 - x, 479 - y), plain.Rgb(x, y)) << x << "," << y;
    }
    ASSERT_EQ(taps.presses.size(), 2u);
    EXPECT_EQ(taps.presses[1], (Point{25, 35}));
}

}  // namespace
}  // namespace cv::e2e
