#include "core/save_damage.h"

#include <cstdio>

namespace cv {

std::string InvalidVersion(uint32_t version, const std::string& object) {
    char number[16];
    std::snprintf(number, sizeof number, "%08X", version);
    return "Invalid object version " + std::string(number) + ": " + object;
}

}  // namespace cv
