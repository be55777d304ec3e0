// A headless frame drawn by the real device, painters, sprites and fonts, saved
// through the platform's shot and checked pixel by pixel.
#include <gtest/gtest.h>

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

// Draws the frame and keeps the points pressed.
class ShotScreen : public Screen, public PointerTarget {
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
    void OnPointerEvent(const PointerEvent& e) override {
        if (e.kind == PointerEvent::Press) presses.push_back({e.x, e.y});
    }
    bool StylusInUse() const override { return true; }

    std::vector<Point> presses;
};

class ShotApp : public Application {
public:
    std::u16string Title() const override { return u"Shot"; }
    std::u16string ClassName() const override { return u"ShotTest"; }
};

// 5-6-5 as the platform widens it to 8 bits a channel.
uint32_t Shown(uint32_t rgb) {
    const uint32_t r = rgb >> 19 & 31, g = rgb >> 10 & 63, b = rgb >> 3 & 31;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

// The frame worked out by hand, in the colours the platform shows; the text as
// the font draws it alone.
std::vector<uint32_t> ExpectedFrame() {
    std::vector<uint32_t> frame(640 * 480, Shown(kNavy));
    auto paint = [&](int x, int y, uint32_t rgb) { frame[size_t(y) * 640 + x] = Shown(rgb); };
    for (int y = 0; y < kFilled.height; ++y) {
        for (int x = 0; x < kFilled.width; ++x) paint(kFilled.x + x, kFilled.y + y, kYellow);
    }
    const int right = kOutline.x + kOutline.width - 1, bottom = kOutline.y + kOutline.height - 1;
    for (int x = kOutline.x; x <= right; ++x) paint(x, kOutline.y, kRed), paint(x, bottom, kRed);
    for (int y = kOutline.y; y <= bottom; ++y) paint(kOutline.x, y, kRed), paint(right, y, kRed);
    // The picture stands upright with its top-left pixel at the point.
    const RgbaPicture picture = Picture();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = picture.At(x, y);
            if (p[3])
                paint(kSpriteAt.x + x, kSpriteAt.y + y, uint32_t(p[0]) << 16 | p[1] << 8 | p[2]);
        }
    }
    Font* font = FindFont("Default");
    const Size size = font->getTextSize(kText);
    auto surface = MakeRef<ISurfaceSoft>(size.width, size.height, 24);
    Ref<IPainter> painter = createSoftPainter(surface);
    painter->setColor(kWhite);
    font->drawText(*painter, {0, 0}, kText);
    const SurfaceDesc d = surface->describe();
    int ink = 0;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            if (d.At(x, y)[0]) paint(kTextBox.x + x, kTextBox.y + y, kWhite), ++ink;
        }
    }
    EXPECT_GT(ink, 50);
    return frame;
}

// Where the shot, turned back when `turned`, first differs from the frame.
std::string FirstDifference(const Png& shot, const std::vector<uint32_t>& frame, bool turned) {
    if (shot.width != 640 || shot.height != 480) return "the size";
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const uint32_t got = turned ? shot.Rgb(639 - x, 479 - y) : shot.Rgb(x, y);
            if (got != frame[size_t(y) * 640 + x])
                return std::to_string(x) + "," + std::to_string(y);
        }
    }
    return "none";
}

class HeadlessShot : public ::testing::Test {
protected:
    void SetUp() override {
        ImageExtension() = ".s16";
        std::filesystem::create_directories(dir / "Img");
        Ref<Sprite> flag = MakeRef<Sprite>();
        flag->build(*StoredSurfaceOf(Picture(), kBuildAlpha), kBuildAlpha);
        Ref<FileStream> file = MakeRef<FileStream>((dir / "Img" / "Flag.s16").string(), 'c');
        file->Open();
        flag->save(*file);
        file->Close();
        RunResult r = RunProgram(CORVANTH_FONT_TOOL, {"build", CORVANTH_TEST_FONT, "--size", "18",
                                                      "--chars", "32-126", dir / "arial.fnm"});
        ASSERT_EQ(r.status, 0) << r.err;
        ResetResourceGroups();
        Ref<ResourceGroup> group = MakeRef<ResourceGroup>("");
        group->Add(MakeRef<DirectorySource>("game", dir.path().string() + "/"));
        RegisterGroup(group);
        RegisterFont("Default", loadFont("arial.fnm"));
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
        screen.presses.clear();
        const std::string shot = (dir / "shot.png").string();
        dir.Write("script.txt", "tick 1\nshot " + shot + "\ntap " + std::to_string(tap.x) + " " +
                                    std::to_string(tap.y) + "\nquit\n");
        platform::HeadlessPlatform host((dir / "script.txt").string(), VirtualKeyOfKeyName);
        platform::SetCurrent(&host);
        {
            const Ref<GdiDevice> device = MakeRef<GdiDevice>();
            ShotApp app;
            EXPECT_TRUE(app.Init());
            app.SetScreen(&screen);
            SetPointerTarget(&screen);
            app.Run();
            app.Exit();
            app.SetScreen(nullptr);
        }
        platform::SetCurrent(nullptr);
        return ReadBack(shot);
    }

    TempDir dir;
    ShotScreen screen;
};

// Under FlipScreen the device is held the other way round: the window shows
// the frame turned by 180 degrees, and a tap where the yellow rectangle shows
// reaches it.
TEST_F(HeadlessShot, ShowsEverythingWhereTheLogicalCoordinatesSayAlsoTurned) {
    const std::vector<uint32_t> frame = ExpectedFrame();
    for (bool flip : {false, true}) {
        SCOPED_TRACE(flip ? "FlipScreen" : "plain");
        const Png shot = Run(flip, flip ? Point{639 - 25, 479 - 35} : Point{25, 35});
        EXPECT_EQ(FirstDifference(shot, frame, flip), "none");
        EXPECT_EQ(screen.presses, (std::vector<Point>{{25, 35}}));
    }
}

}  // namespace
}  // namespace cv::e2e
