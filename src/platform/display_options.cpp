#include "platform/display_options.h"

namespace cv::platform {
namespace {

bool ParseScale(const std::string& text, int& out) {
    if (text.empty() || text.size() > 1 || text[0] < '1' || text[0] > '0' + kMaxWindowScale)
        return false;
    out = text[0] - '0';
    return true;
}

}  // namespace

int ReadDisplayOption(const char* const* args, int count, DisplayOptions& options,
                      std::string& error) {
    if (count < 1) return 0;
    const std::string arg = args[0];
    if (arg == "--fullscreen" || arg == "--window") {
        options.fullScreen = arg == "--fullscreen";
        return 1;
    }
    if (arg != "--scale") return 0;
    const std::string value = count > 1 ? args[1] : "";
    if (!ParseScale(value, options.scale)) {
        error = "--scale takes a whole number from 1 to " + std::to_string(kMaxWindowScale) +
                (count > 1 ? ", not \"" + value + "\"" : "");
        return -1;
    }
    return 2;
}

}  // namespace cv::platform
