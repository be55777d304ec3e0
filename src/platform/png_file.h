#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cv::platform {

// Writes packed 8-bit rows (3 bytes a pixel for RGB, 4 for RGBA) as PNG.
// Returns false with `error` set when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, bool hasAlpha,
              const std::vector<uint8_t>& pixels, std::string& error);

// Reads any PNG as packed 8-bit RGBA rows. Returns false with `error` set when
// the file cannot be read or is not a PNG.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba,
             std::string& error);

}  // namespace cv::platform
