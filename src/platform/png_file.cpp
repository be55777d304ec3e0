#include "platform/png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace cv::platform {

bool WritePng(const std::string& path, int width, int height, bool hasAlpha,
              const std::vector<uint8_t>& pixels, std::string& error) {
    const size_t rowBytes = static_cast<size_t>(width) * (hasAlpha ? 4 : 3);
    if (pixels.size() < rowBytes * height) {
        error = "not enough pixel data for " + path;
        return false;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = hasAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (!png_image_write_to_stdio(&image, file.get(), 0, pixels.data(),
                                  static_cast<png_int_32>(rowBytes), nullptr)) {
        error = std::string("cannot write ") + path + ": " + image.message;
        return false;
    }
    return true;
}

bool ReadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba,
             std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = "cannot read " + path + ": " + image.message;
        return false;
    }
    // Larger pictures than any the game uses are refused before allocating.
    constexpr png_uint_32 kMaxSide = 16384;
    if (image.width > kMaxSide || image.height > kMaxSide) {
        error = path + " is larger than " + std::to_string(kMaxSide) + " pixels a side";
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    rgba.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        error = "cannot read " + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

}  // namespace cv::platform
