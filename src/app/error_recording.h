#pragma once

#include <string>

namespace cv {

// Keeps a recording that ended with a fatal error beside the saves, as
// "Error.rec" or the first free "Error-N.rec". Gives the path written, or
// empty when nothing could be written.
std::string KeepErrorRecording(const std::string& folder, const std::string& recording);

}  // namespace cv
