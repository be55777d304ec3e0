#pragma once

#include <string>
#include <vector>

namespace cv {

// The names of a comma-separated list ("OK,Cancel"), empty ones left out.
std::vector<std::string> SplitNameList(const std::string& list);

}  // namespace cv
