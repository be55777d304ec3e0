#pragma once

#include <string>

namespace cv::platform {

// One running copy per user, window class and game folder (two installed
// copies of the game have their own saves and may run side by side). The first copy holds a local
// socket named after the class (binding it is the lock, released by the
// kernel when the process ends); a later copy connects to it to ask the first
// to raise its window.
class SingleInstance {
public:
    explicit SingleInstance(std::string gameFolder) : gameFolder_(std::move(gameFolder)) {}
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another copy holds the name (it has been asked to come to the
    // front); false when this process now holds it.
    bool SignalRunning(const std::string& className);

    // True when another copy asked this one to come to the front since the last call.
    bool TakeRaiseRequest();

private:
    std::string gameFolder_;
    int listener_ = -1;
};

}  // namespace cv::platform
