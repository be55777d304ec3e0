#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cv::tool {

// Thrown by a tool's command when the arguments do not fit its usage.
struct UsageError {};

using Arguments = std::vector<std::string>;

// A number 0..4294967295 written in decimal digits only; UsageError otherwise.
unsigned ParseUnsigned(const std::string& text);

// The common frame of our command-line tools: "--help" or "-h" prints the
// usage (status 0); UsageError prints it to standard error (status 2); an
// engine or file-system error prints "Error: ..." (status 1). Otherwise the
// command's own status is returned.
int RunTool(int argc, char** argv, const char* usage,
            const std::function<int(const Arguments&)>& command);

}  // namespace cv::tool
