#pragma once

#include <string>
#include <vector>

namespace cv::tools {

// "32-126,U+0400-U+045F": comma-separated code points or ranges, decimal or
// U+hex, each below U+10000. Appends them in order, without repeats; false
// with `error` set for text it cannot read.
bool ParseCharRanges(const std::string& text, std::vector<char16_t>& out, std::string& error);

}  // namespace cv::tools
