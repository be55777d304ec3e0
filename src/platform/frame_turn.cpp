#include "platform/frame_turn.h"

namespace cv::platform {

std::vector<uint8_t> UprightRgb(const FrameView& frame) {
    const int w = UprightWidth(frame), h = UprightHeight(frame);
    std::vector<uint32_t> xrgb(static_cast<size_t>(w) * h);
    TurnUpright(frame, xrgb.data(), w, Rgb565ToRgb888);
    std::vector<uint8_t> rgb(xrgb.size() * 3);
    for (size_t i = 0; i < xrgb.size(); ++i) {
        rgb[3 * i] = static_cast<uint8_t>(xrgb[i] >> 16);
        rgb[3 * i + 1] = static_cast<uint8_t>(xrgb[i] >> 8);
        rgb[3 * i + 2] = static_cast<uint8_t>(xrgb[i]);
    }
    return rgb;
}

std::vector<uint8_t> ScaledRgb(const std::vector<uint8_t>& rgb, int width, int height, int scale) {
    const size_t outWidth = static_cast<size_t>(width) * scale;
    std::vector<uint8_t> out(outWidth * height * scale * 3);
    for (int y = 0; y < height * scale; ++y) {
        const uint8_t* src = rgb.data() + static_cast<size_t>(y / scale) * width * 3;
        uint8_t* dst = out.data() + y * outWidth * 3;
        for (size_t x = 0; x < outWidth; ++x) {
            const uint8_t* pixel = src + (x / scale) * 3;
            dst[3 * x] = pixel[0];
            dst[3 * x + 1] = pixel[1];
            dst[3 * x + 2] = pixel[2];
        }
    }
    return out;
}

}  // namespace cv::platform
