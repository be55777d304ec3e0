#pragma once

#include <string>

namespace cv {

// A number as the budget and the battle summaries show it: decimal with ","
// between groups of three digits (1,234,567).
std::u16string GroupedNumber(int n);

}  // namespace cv
