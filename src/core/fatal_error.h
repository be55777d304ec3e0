#pragma once

#include <stdexcept>
#include <string>

namespace cv {

// The engine's error: raised for every unrecoverable data, file or resource
// problem. The entry point reports it in an "Error" box and ends the process.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const std::string& message) : std::runtime_error(message) {}
};

// Formats printf-style (at most 4095 bytes are kept) and throws EngineError.
[[noreturn]] void FatalError(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace cv
