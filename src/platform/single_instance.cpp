#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>

namespace cv::platform {
namespace {

// An abstract-namespace address: no file to clean up after a crash.
socklen_t AddressOf(const std::string& className, const std::string& folder, sockaddr_un& addr) {
    char folderHash[17];
    std::snprintf(folderHash, sizeof folderHash, "%016zx", std::hash<std::string>{}(folder));
    std::string name = className + "." + std::to_string(getuid()) + "." + folderHash;
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    size_t length = std::min(name.size(), sizeof addr.sun_path - 2);
    std::memcpy(addr.sun_path + 1, name.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

}  // namespace

SingleInstance::~SingleInstance() {
    if (listener_ >= 0) close(listener_);
}

bool SingleInstance::SignalRunning(const std::string& className) {
    sockaddr_un addr;
    socklen_t length = AddressOf(className, gameFolder_, addr);
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) return false;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&addr), length) == 0) {
        listen(listener_, 4);
        return false;
    }
    close(listener_);
    listener_ = -1;
    int peer = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (peer < 0) return false;
    bool connected = connect(peer, reinterpret_cast<sockaddr*>(&addr), length) == 0;
    if (connected) {
        const char request = 'R';
        connected = write(peer, &request, 1) == 1;
    }
    close(peer);
    return connected;
}

bool SingleInstance::TakeRaiseRequest() {
    if (listener_ < 0) return false;
    bool asked = false;
    for (int peer; (peer = accept(listener_, nullptr, nullptr)) >= 0;) {
        asked = true;
        close(peer);
    }
    return asked;
}

}  // namespace cv::platform
