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

}  // namespace cv::platform
