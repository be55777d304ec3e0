#pragma once

#include <string>

#include "core/fatal_error.h"

namespace cv::test {

// The message of the engine error `action` raises, or "no error".
template <class Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const EngineError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace cv::test
