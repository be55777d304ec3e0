#include "core/fatal_error.h"

#include <cstdarg>
#include <cstdio>

namespace cv {

void FatalError(const char* format, ...) {
    char buffer[4096];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    throw EngineError(buffer);
}

}  // namespace cv
