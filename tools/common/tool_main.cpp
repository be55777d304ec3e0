#include "common/tool_main.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "core/fatal_error.h"

namespace cv::tool {

unsigned ParseUnsigned(const std::string& text) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError{};
    }
    const unsigned long long value = std::stoull(text);
    if (value > 0xFFFFFFFFull) throw UsageError{};
    return static_cast<unsigned>(value);
}

int RunTool(int argc, char** argv, const char* usage,
            const std::function<int(const Arguments&)>& command) {
    Arguments args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage;
        return 0;
    }
    try {
        return command(args);
    } catch (const UsageError&) {
        std::cerr << usage;
        return 2;
    } catch (const EngineError& error) {
        std::fflush(stdout);  // what was printed so far comes before the error
        std::cerr << "Error: " << error.what() << '\n';
        return 1;
    } catch (const std::filesystem::filesystem_error& error) {
        std::fflush(stdout);
        std::cerr << "Error: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace cv::tool
