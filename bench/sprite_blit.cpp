// Sprite drawing against SDL2's RLE-accelerated blits of the same pictures
// onto a 16-bit 5-6-5 frame, and a frame of tiles against memset of the frame.
// Prints the ratio ours / SDL for every case (1.0 or less is the goal).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "bench_support.h"
#include "gfx/gdi_device.h"
#include "gfx/sprite.h"
#include "gfx/sprite_picture.h"

namespace {

using cv::Point;
using cv::RgbaPicture;

constexpr int kSide = 128;
constexpr int kFrameWidth = 640, kFrameHeight = 480, kTile = 72;

enum class Kind { kOpaque, kHoles, kAlphaEdges };

// A picture with the grain of painted art: smooth shading with noise, so that
// most runs are literal and some are fills.
RgbaPicture Painted(int side, unsigned seed) {
    std::mt19937 rng(seed);
    RgbaPicture p{side, side, std::vector<uint8_t>(size_t(side) * side * 4)};
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            uint8_t* px = p.At(x, y);
            const int noise = rng() % 4 == 0 ? int(rng() % 48) : 0;
            px[0] = uint8_t(40 + x + noise), px[1] = uint8_t(60 + y + noise / 2);
            px[2] = uint8_t(120 + (x ^ y) % 64), px[3] = 255;
        }
    }
    return p;
}

RgbaPicture Picture(Kind kind) {
    RgbaPicture p = Painted(kSide, 7);
    const double centre = (kSide - 1) / 2.0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            uint8_t* px = p.At(x, y);
            if (kind == Kind::kHoles && ((x / 16 + y / 16) % 3 == 0 || (x * 7 + y * 3) % 29 == 0)) {
                px[3] = 0;
            } else if (kind == Kind::kAlphaEdges) {
                // A disc whose rim fades out over three pixels, in 4-bit steps.
                const double d = std::hypot(x - centre, y - centre) - (kSide / 2.0 - 4);
                const double alpha = d <= 0 ? 1.0 : d >= 3 ? 0.0 : 1.0 - d / 3;
                px[3] = uint8_t(int(alpha * 15) * 17);
            }
        }
    }
    return p;
}

// The device and its screen, set up once.
cv::GdiDevice& Device() {
    static cv::Ref<cv::GdiDevice> device = [] {
        cv::DeviceScreen() = {kFrameHeight, kFrameWidth, 16, 0};
        cv::Ref<cv::GdiDevice> d = cv::MakeRef<cv::GdiDevice>();
        d->init();
        return d;
    }();
    return *device;
}

cv::Ref<cv::Sprite> OurSprite(const RgbaPicture& picture, int mode) {
    cv::Ref<cv::Sprite> sprite = cv::MakeRef<cv::Sprite>();
    sprite->build(*cv::StoredSurfaceOf(picture, mode), mode);
    return sprite;
}

// SDL's copy of the picture: 5-6-5 with a colour key (magenta marks the
// transparent pixels), or 8-bit ARGB for per-pixel alpha; RLE either way.
SDL_Surface* SdlSprite(const RgbaPicture& picture, bool alpha) {
    SDL_Surface* argb = SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 32,
                                                       SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < picture.height; ++y) {
        auto* row =
            reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = picture.At(x, y);
            const bool clear = !alpha && p[3] == 0;
            row[x] = clear ? 0xFFFF00FFu : uint32_t(p[3]) << 24 | p[0] << 16 | p[1] << 8 | p[2];
        }
    }
    SDL_Surface* source = argb;
    if (!alpha) {
        source = SDL_ConvertSurfaceFormat(argb, SDL_PIXELFORMAT_RGB565, 0);
        SDL_FreeSurface(argb);
        SDL_SetColorKey(source, SDL_TRUE, SDL_MapRGB(source->format, 255, 0, 255));
    } else {
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_BLEND);
    }
    SDL_SetSurfaceRLE(source, 1);
    return source;
}

SDL_Surface* SdlFrame() {
    static SDL_Surface* frame =
        SDL_CreateRGBSurfaceWithFormat(0, kFrameWidth, kFrameHeight, 16, SDL_PIXELFORMAT_RGB565);
    return frame;
}

struct Placement {
    const char* name;
    Point at;
};
const Placement kPlacements[] = {{"unclipped", {200, 150}},
                                 {"clipped_top", {200, -kSide / 2}},
                                 {"clipped_left", {-kSide / 2, 150}}};

int ModeOf(Kind kind) {
    return kind == Kind::kOpaque ? cv::kBuildOpaque : cv::kBuildAlpha;
}

void Ours(benchmark::State& state, Kind kind, Point at) {
    cv::Ref<cv::Sprite> sprite = OurSprite(Picture(kind), ModeOf(kind));
    Device();
    sprite->draw(at, cv::kDrawPlain);  // once untimed, as SDL's side does
    for (auto _ : state) {
        sprite->draw(at, cv::kDrawPlain);
        benchmark::ClobberMemory();
    }
}

void Sdl(benchmark::State& state, Kind kind, Point at) {
    SDL_Surface* source = SdlSprite(Picture(kind), kind == Kind::kAlphaEdges);
    SDL_Rect first{at.x, at.y, 0, 0};
    SDL_BlitSurface(source, nullptr, SdlFrame(), &first);  // SDL encodes its runs here
    // Without its runs SDL would take its slower per-pixel blitter.
    if (!(source->flags & SDL_RLEACCEL)) state.SkipWithError("SDL did not RLE-encode the picture");
    for (auto _ : state) {
        SDL_Rect rect{at.x, at.y, 0, 0};
        SDL_BlitSurface(source, nullptr, SdlFrame(), &rect);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(source);
}

void TileFrame(benchmark::State& state) {
    cv::Ref<cv::Sprite> tile = OurSprite(Painted(kTile, 3), cv::kBuildOpaque);
    Device();
    for (auto _ : state) {
        for (int y = 0; y < kFrameHeight; y += kTile) {
            for (int x = 0; x < kFrameWidth; x += kTile) tile->draw({x, y}, cv::kDrawPlain);
        }
        benchmark::ClobberMemory();
    }
}

void MemsetFrame(benchmark::State& state) {
    const cv::SurfaceDesc d = Device().getScreenSurface()->describe();
    uint8_t* start = d.At(0, d.height - 1);  // the lowest address: rows go up in memory
    const size_t bytes = size_t(-d.pitch) * d.height;
    int value = 0;
    for (auto _ : state) {
        std::memset(start, ++value, bytes);
        benchmark::ClobberMemory();
    }
}

const char* KindName(Kind kind) {
    return kind == Kind::kOpaque ? "opaque" : kind == Kind::kHoles ? "holes" : "alpha_edges";
}

void PrintRatio(const cv::bench::RatioReporter& r, const std::string& label,
                const std::string& ours, const std::string& base) {
    if (const double ratio = r.Ratio(ours, base); ratio > 0)
        std::printf("%-40s %6.3f\n", label.c_str(), ratio);
}

}  // namespace

int main(int argc, char** argv) {
    SDL_SetMainReady();
    for (Kind kind : {Kind::kOpaque, Kind::kHoles, Kind::kAlphaEdges}) {
        for (const Placement& p : kPlacements) {
            const std::string suffix = std::string(KindName(kind)) + "/" + p.name;
            benchmark::RegisterBenchmark(("ours/" + suffix).c_str(), Ours, kind, p.at);
            benchmark::RegisterBenchmark(("sdl/" + suffix).c_str(), Sdl, kind, p.at);
        }
    }
    benchmark::RegisterBenchmark("tiles/frame_640x480", TileFrame);
    benchmark::RegisterBenchmark("memset/frame_640x480", MemsetFrame);
    cv::bench::RatioReporter reporter;
    cv::bench::RunRepeated(argc, argv, 7, reporter);
    std::printf("\nratio (time ours / time reference)\n");
    for (Kind kind : {Kind::kOpaque, Kind::kHoles, Kind::kAlphaEdges}) {
        for (const Placement& p : kPlacements) {
            const std::string suffix = std::string(KindName(kind)) + "/" + p.name;
            PrintRatio(reporter, "sprite " + suffix + " vs SDL", "ours/" + suffix, "sdl/" + suffix);
        }
    }
    PrintRatio(reporter, "72x72 tiles frame vs memset", "tiles/frame_640x480",
               "memset/frame_640x480");
    return 0;
}
