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

}  // namespace cv::platform
