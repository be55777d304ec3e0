#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "gfx/gdi_device.h"
#include "gfx/image_cache.h"
#include "gfx/sprite.h"
#include "gfx/sprite_picture.h"
#include "gfx/surface_soft.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using Words = std::vector<uint16_t>;
using test::SpriteFile;

void Load(Sprite& sprite, const std::string& bytes) {
    Ref<MemoryStream> stream = MakeRef<MemoryStream>("Img\\bad.s16");
    stream->Write(bytes.data(), bytes.size());
    sprite.load(*stream);
}

Ref<Sprite> Loaded(const std::string& bytes) {
    Ref<Sprite> sprite = MakeRef<Sprite>();
    Load(*sprite, bytes);
    return sprite;
}

std::string Saved(const Sprite& sprite) {
    Ref<MemoryStream> out = MakeRef<MemoryStream>();
    sprite.save(*out);
    return std::string(out->bytes().begin(), out->bytes().end());
}

std::string LoadError(const std::string& bytes) {
    Ref<Sprite> sprite = MakeRef<Sprite>();
    const std::string error = test::ErrorOf([&] { Load(*sprite, bytes); });
    EXPECT_EQ(sprite->getSize(), (Size{})) << "a failed load leaves an empty sprite";
    return error;
}

TEST(SpriteLoad, SavesAndLoadsTheWordsAsTheyAre) {
    const Words words{3, 2, 1, 0, 2, 2, 0, 0x0012, 0xAAAA, 0xBBBB, 0x0000, 0x0002, 0x1234, 0x0010};
    Ref<Sprite> sprite = Loaded(SpriteFile(words));
    EXPECT_EQ(sprite->words(), words);
    EXPECT_EQ(Saved(*sprite), SpriteFile(words));
    EXPECT_EQ(sprite->getSize(), (Size{2, 3}));
    // Logical columns H - box height - box y .. H - box y - 1, rows box x onwards.
    EXPECT_EQ(sprite->getBounds(), (Rect{0, 1, 2, 2}));
    Ref<Sprite> empty = Loaded(SpriteFile({}));
    EXPECT_EQ(empty->getSize(), (Size{}));
    EXPECT_EQ(empty->getBounds(), (Rect{}));
    EXPECT_EQ(Saved(*empty), SpriteFile({}));
}

TEST(SpriteLoad, MalformedDataIsRefusedByName) {
    const std::string message = "Invalid RLE sprite format in Img\\bad.s16";
    EXPECT_EQ(LoadError(std::string("S16\0\0", 5)), message);
    EXPECT_EQ(LoadError("S16"), message);
    EXPECT_EQ(LoadError(SpriteFile({}).replace(2, 1, "5")), message);
    // Boxes larger than the picture, rows past the data (with or without a command
    // cut short), a row wider than the box, more rows than the box holds.
    for (const Words& words :
         std::vector<Words>{{2, 2, 1, 0, 2, 1, 0, 0x0010},
                            {2, 2, 0, 1, 2, 2, 0, 0x0010},
                            {1, 2, 0, 0, 1, 2, 0, 0x0002, 5, 0x0000},
                            {1, 1, 0, 0, 1, 1, 0, 0x0002},
                            {300, 1, 0, 0, 300, 1, 0, 0x0FF2, 5, 0x0010},
                            {1, 1, 0, 0, 1, 1, 0},
                            {4, 1, 0, 0, 2, 1, 0, 0x0024, 5, 0x0010},
                            {1, 2, 0, 0, 1, 1, 0, 0x0002, 5, 0, 0x0002, 5, 0, 0x0010}}) {
        EXPECT_EQ(LoadError(SpriteFile(words)), message) << testing::PrintToString(words);
    }
    // Ending the sprite before the last row of the box is allowed, and so are
    // words after its end.
    EXPECT_EQ(Loaded(SpriteFile({1, 3, 0, 0, 1, 3, 0, 0x0002, 5, 0x0010}))->getSize(),
              (Size{3, 1}));
    EXPECT_EQ(Loaded(SpriteFile({1, 1, 0, 0, 1, 1, 0, 0x0002, 5, 0, 0x0010, 0x7777}))->getSize(),
              (Size{1, 1}));
}

class ImageCache : public ::testing::Test {
protected:
    void SetUp() override { ImageExtension() = ".s16"; }
    void TearDown() override {
        purgeImages();
        ImageExtension() = ".tga";
    }
    test::ResourceFolder folder;
    Ref<GdiDevice> device = MakeRef<GdiDevice>();
};

TEST_F(ImageCache, KeepsWhatScreensHoldPurgesTheRestAndReadsTheModeFromTheName) {
    folder.Write("Img/Hero.s16", SpriteFile({2, 1, 0, 0, 2, 1, 0, 0x0012, 1, 2, 0, 0x0010}));
    Ref<Sprite> first = getImage("Img\\Hero");
    EXPECT_EQ(first->getSize(), (Size{1, 2}));
    EXPECT_EQ(getImage("Img\\Hero"), first);
    EXPECT_NE(loadImage("Img\\Hero"), first);  // loading bypasses the cache
    folder.Write("Img/Hero.s16", SpriteFile({3, 1, 0, 0, 3, 1, 0, 0x0022, 1, 2, 3, 0x0010}));
    purgeImages();
    EXPECT_EQ(getImage("Img\\Hero"), first);  // still held here
    first = nullptr;
    purgeImages();
    EXPECT_EQ(getImage("Img\\Hero")->getSize(), (Size{1, 3}));
    EXPECT_EQ(test::ErrorOf([] { getImage("Img\\None"); }), "Resource not found: Img\\None.s16");
    purgeImages();  // the failed name left nothing behind
    // The first character of the file name chooses how a picture is built.
    EXPECT_EQ(BuildModeOfName("Img\\Main\\#Back"), kBuildOpaque);
    EXPECT_EQ(BuildModeOfName("$Glow"), kBuildScreen);
    EXPECT_EQ(BuildModeOfName("Img\\Hero"), kBuildAlpha);
    EXPECT_EQ(BuildModeOfName("#Img\\Hero"), kBuildAlpha);
}

// A random upright picture at the precision a sprite of `mode` stores, with
// runs of equal pixels so that fills turn up.
RgbaPicture RandomPicture(std::mt19937& rng, int mode) {
    RgbaPicture p{int(rng() % 40 + 1), int(rng() % 30 + 1), {}};
    p.pixels.resize(size_t(p.width) * p.height * 4);
    std::vector<uint8_t> pixel(4);
    auto next = [&] {
        const int kind = mode == kBuildOpaque ? 1 : int(rng() % 3);
        if (kind == 0 || (mode == kBuildScreen && kind == 2)) {
            pixel = {0, 0, 0, 0};
        } else if (kind == 1) {
            pixel = {uint8_t(rng() % 32 << 3), uint8_t(rng() % 64 << 2), uint8_t(rng() % 32 << 3),
                     255};
            if (mode == kBuildScreen && !(pixel[0] | pixel[1] | pixel[2])) pixel = {0, 0, 0, 0};
        } else {
            pixel = {uint8_t(rng() % 16 * 17), uint8_t(rng() % 16 * 17), uint8_t(rng() % 16 * 17),
                     uint8_t((rng() % 14 + 1) * 17)};
        }
    };
    next();
    for (size_t i = 0; i < p.pixels.size(); i += 4) {
        if (rng() % 4 != 0) next();  // otherwise repeat the last pixel
        std::copy(pixel.begin(), pixel.end(), p.pixels.begin() + long(i));
    }
    return p;
}

TEST(SpritePicture, DecodingWhatWasEncodedGivesThePictureBack) {
    std::mt19937 rng(4);
    for (int mode : {kBuildOpaque, kBuildAlpha, kBuildScreen}) {
        for (int round = 0; round < 60; ++round) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " round " << round);
            const RgbaPicture picture = RandomPicture(rng, mode);
            Ref<Sprite> built = MakeRef<Sprite>();
            built->build(*StoredSurfaceOf(picture, mode), mode);
            const RgbaPicture back = UprightPictureOf(*Loaded(Saved(*built)));
            ASSERT_EQ((Size{back.width, back.height}), (Size{picture.width, picture.height}));
            ASSERT_EQ(back.pixels, picture.pixels);
        }
    }
}

}  // namespace
}  // namespace cv
