// corvanth-sprite: turns PNG pictures into the game's sprites and back.
#include <iostream>
#include <string>
#include <vector>

#include "common/tool_main.h"
#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "gfx/image_cache.h"
#include "gfx/sprite.h"
#include "gfx/sprite_picture.h"
#include "platform/png_file.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-sprite encode [--mode opaque|alpha|screen] IN.png OUT.s16\n"
    "       corvanth-sprite decode IN.s16 OUT.png\n"
    "encode: reads an upright picture, turns it so that the game shows it upright\n"
    "        and writes it as a sprite. opaque keeps no transparency; alpha keeps\n"
    "        4 bits of it (alpha below 16 is transparent); screen lightens what is\n"
    "        below it (black is transparent). Without --mode the output's file\n"
    "        name decides as in the game: \"#name\" opaque, \"$name\" screen,\n"
    "        anything else alpha.\n"
    "decode: draws the sprite as the game does and writes the upright picture,\n"
    "        transparent where the sprite is.\n";

constexpr int kMaxSide = 65535;

int Fail(const std::string& message) {
    std::cerr << "corvanth-sprite: " << message << '\n';
    return 1;
}

bool ModeByName(const std::string& name, int& mode) {
    if (name == "opaque")
        mode = cv::kBuildOpaque;
    else if (name == "alpha")
        mode = cv::kBuildAlpha;
    else if (name == "screen")
        mode = cv::kBuildScreen;
    else
        return false;
    return true;
}

int Encode(const std::string& in, const std::string& out, int mode) {
    cv::RgbaPicture picture;
    std::string error;
    if (!cv::platform::ReadPng(in, picture.width, picture.height, picture.pixels, error)) {
        return Fail(error);
    }
    if (picture.width > kMaxSide || picture.height > kMaxSide) {
        return Fail(in + ": a sprite holds at most 65535 pixels a side");
    }
    if (mode < 0) mode = cv::BuildModeOfName(out);
    cv::Ref<cv::Sprite> sprite = cv::MakeRef<cv::Sprite>();
    sprite->build(*cv::StoredSurfaceOf(picture, mode), mode);
    cv::Ref<cv::FileStream> file = cv::MakeRef<cv::FileStream>(out, 'c');
    file->Open();
    sprite->save(*file);
    file->Close();
    return 0;
}

int Decode(const std::string& in, const std::string& out) {
    cv::Ref<cv::FileStream> file = cv::MakeRef<cv::FileStream>(in, 'r');
    cv::Ref<cv::Sprite> sprite = cv::MakeRef<cv::Sprite>();
    sprite->load(*file);
    const cv::RgbaPicture picture = cv::UprightPictureOf(*sprite);
    if (picture.width == 0 || picture.height == 0) return Fail(in + " holds an empty sprite");
    std::string error;
    if (!cv::platform::WritePng(out, picture.width, picture.height, true, picture.pixels, error)) {
        return Fail(error);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, [](const cv::tool::Arguments& args) {
        int mode = -1;
        if (args.size() == 5 && args[0] == "encode" && args[1] == "--mode") {
            if (!ModeByName(args[2], mode)) throw cv::tool::UsageError{};
            return Encode(args[3], args[4], mode);
        }
        if (args.size() == 3 && args[0] == "encode") return Encode(args[1], args[2], -1);
        if (args.size() == 3 && args[0] == "decode") return Decode(args[1], args[2]);
        throw cv::tool::UsageError{};
    });
}
