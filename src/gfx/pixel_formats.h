#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace cv {

// Engine colours are 0xAARRGGBB; painters ignore the top byte. Each format
// turns a colour into the pixel value it stores and back, and writes pixels.

// 1-5-5-5: bit 15 is always set when a colour is turned into a pixel.
struct Format15 {
    static constexpr int kBits = 15;
    static constexpr int kBytes = 2;
    static uint32_t FromRgb(uint32_t c) {
        return 0x8000u | ((c >> 19) & 0x1F) << 10 | ((c >> 11) & 0x1F) << 5 | ((c >> 3) & 0x1F);
    }
    static uint32_t ToRgb(uint32_t p) {
        return 0xFF000000u | ((p >> 10) & 0x1F) << 19 | ((p >> 5) & 0x1F) << 11 | (p & 0x1F) << 3;
    }
    static void Store(uint8_t* at, uint32_t p) {
        const uint16_t v = static_cast<uint16_t>(p);
        std::memcpy(at, &v, 2);
    }
    static void Fill(uint8_t* at, uint32_t p, int count) {
        std::fill_n(reinterpret_cast<uint16_t*>(at), count, static_cast<uint16_t>(p));
    }
};

// 5-6-5, the screen format.
struct Format16 {
    static constexpr int kBits = 16;
    static constexpr int kBytes = 2;
    static uint32_t FromRgb(uint32_t c) {
        return ((c >> 19) & 0x1F) << 11 | ((c >> 10) & 0x3F) << 5 | ((c >> 3) & 0x1F);
    }
    static uint32_t ToRgb(uint32_t p) {
        return 0xFF000000u | ((p >> 11) & 0x1F) << 19 | ((p >> 5) & 0x3F) << 10 | (p & 0x1F) << 3;
    }
    static void Store(uint8_t* at, uint32_t p) { Format15::Store(at, p); }
    static void Fill(uint8_t* at, uint32_t p, int count) { Format15::Fill(at, p, count); }
};

// Three bytes blue, green, red: the colour is the pixel.
struct Format24 {
    static constexpr int kBits = 24;
    static constexpr int kBytes = 3;
    static uint32_t FromRgb(uint32_t c) { return c; }
    static uint32_t ToRgb(uint32_t p) { return p; }
    static void Store(uint8_t* at, uint32_t p) {
        at[0] = static_cast<uint8_t>(p);
        at[1] = static_cast<uint8_t>(p >> 8);
        at[2] = static_cast<uint8_t>(p >> 16);
    }
    static void Fill(uint8_t* at, uint32_t p, int count) {
        for (int i = 0; i < count; ++i, at += 3) Store(at, p);
    }
};

// Bytes a pixel of `bitsPerPixel` takes: 15 and 16 give 2.
inline int BytesPerPixel(int bitsPerPixel) {
    return (bitsPerPixel + 7) / 8;
}

}  // namespace cv
