#include <gtest/gtest.h>

#include <vector>

#include "app/app_globals.h"
#include "gfx/animation.h"
#include "gfx/image_cache.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

class Animations : public ::testing::Test {
protected:
    void SetUp() override {
        ImageExtension() = ".s16";
        AnimationsDisabled() = false;
        // Stored widths 1 to 4 tell the frames apart.
        const char* names[] = {"Fire09", "Fire10", "Fire11", "Fire12"};
        for (uint16_t w = 1; w <= 4; ++w) {
            folder.Write(
                std::string("Anim/") + names[w - 1] + ".s16",
                test::SpriteFile({w, 1, 0, 0, w, 1, 0, uint16_t((w - 1) << 4 | 4), 7, 0, 0x10}));
        }
    }
    void TearDown() override {
        ImageExtension() = ".tga";
        AnimationsDisabled() = false;
    }
    // The stored widths of the frames, in order.
    static std::vector<int> Frames(const Animation& a) {
        std::vector<int> widths;
        for (int i = 0; i < a.frameCount(); ++i)
            widths.push_back(a.frameSprite(i)->getSize().height);
        return widths;
    }
    test::ResourceFolder folder;
};

TEST_F(Animations, FramesAreCountedFromTheFirstName) {
    EXPECT_EQ(NextFrameName("A199"), "A200");
    EXPECT_EQ(NextFrameName("99"), "00");
    EXPECT_EQ(NextFrameName(""), "");
    Ref<Animation> a = createAnimation("Anim\\Fire09", 3);
    // Fire09, Fire10 and Fire11 hold widths 1, 2 and 3.
    EXPECT_EQ(Frames(*a), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(a->getDuration(), 3);
    AnimationsDisabled() = true;
    Ref<Animation> still = createAnimation("Anim\\Fire09", 8);
    EXPECT_EQ(Frames(*still), (std::vector<int>{1}));
}

// The frames shown after each of `ticks` ticks.
std::vector<int> Shown(Animation& a, int ticks) {
    std::vector<int> frames;
    for (int i = 0; i < ticks; ++i) {
        a.tick();
        frames.push_back(a.frame());
    }
    return frames;
}

TEST_F(Animations, TicksFollowTheDelays) {
    Ref<Animation> a = MakeRef<Animation>();
    for (int delay : {2, 1, 3}) a->addFrame(delay, nullptr);
    EXPECT_EQ(a->getDuration(), 6);
    EXPECT_EQ(Shown(*a, 9), (std::vector<int>{1, 2, 2, 2, 0, 0, 1, 2, 2}));
    a->pause();
    EXPECT_EQ(Shown(*a, 2), (std::vector<int>{2, 2}));
    a->resume();
    EXPECT_EQ(Shown(*a, 2), (std::vector<int>{2, 0}));
    AnimationsDisabled() = true;
    EXPECT_EQ(Shown(*a, 5), (std::vector<int>(5, 0)));
}

TEST_F(Animations, OnlyChangesAskForARedraw) {
    Ref<Animation> single = createAnimation("Anim\\Fire09", 1);
    Ref<Animation> pair = createAnimation("Anim\\Fire09", 2);
    auto redraws = [](const auto& change) {
        RedrawRequested() = false;
        change();
        const bool asked = RedrawRequested();
        RedrawRequested() = false;
        return asked;
    };
    // A single frame never changes; neither do the same values or a frame that is not there.
    EXPECT_FALSE(redraws([&] {
        single->tick();
        single->setPosition({});
        single->setMode(0);
        single->setFrame(5);
    }));
    EXPECT_TRUE(redraws([&] { pair->tick(); }));
    EXPECT_TRUE(redraws([&] { pair->setPosition({3, 4}); }));
    EXPECT_TRUE(redraws([&] { pair->setMode(2); }));
    EXPECT_TRUE(redraws([&] { pair->setFrame(0); }));
}

TEST_F(Animations, TheTableNamesFirstFrameCountAndDelay) {
    folder.Write("anim.ini",
                 "Fire {\nName1st = Anim\\Fire10\nDelay = 3\nCount = 2\n}\n"
                 "Spark {\nName1st = Anim\\Fire12\n}\n"
                 "Nameless {\nDelay = 4\n}\n"
                 "Army {\nGnomes {\nName1st = Anim\\Fire10\nCount = 3\n}\n}\n");
    LoadAnimationTable();
    EXPECT_EQ(AnimationNames(), (std::vector<std::string>{"Army:Gnomes", "Fire", "Spark"}));
    Ref<Animation> gnomes = createAnimationById("Army:Gnomes");
    ASSERT_TRUE(gnomes);
    EXPECT_EQ(Frames(*gnomes), (std::vector<int>{2, 3, 4}));
    Ref<Animation> fire = createAnimationById("Fire");
    ASSERT_TRUE(fire);
    EXPECT_EQ(Frames(*fire), (std::vector<int>{2, 3}));
    EXPECT_EQ(fire->getDuration(), 6);
    Ref<Animation> spark = createAnimationById("Spark");
    ASSERT_TRUE(spark);
    EXPECT_EQ(spark->getDuration(), 1);
    EXPECT_FALSE(createAnimationById("Nameless"));
    EXPECT_FALSE(createAnimationById("Smoke"));
    // A unit the table forgot shows its still picture; one it has keeps its frames.
    RegisterStillAnimation("Army:Wolves", "Anim\\Fire12");
    RegisterStillAnimation("Army:Gnomes", "Anim\\Fire12");
    ASSERT_TRUE(createAnimationById("Army:Wolves"));
    EXPECT_EQ(Frames(*createAnimationById("Army:Wolves")), (std::vector<int>{4}));
    EXPECT_EQ(Frames(*createAnimationById("Army:Gnomes")), (std::vector<int>{2, 3, 4}));
}

}  // namespace
}  // namespace cv
