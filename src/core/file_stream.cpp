#include "core/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "core/fatal_error.h"

namespace cv {
namespace {

int FlagsOfMode(char mode) {
    switch (std::tolower(static_cast<unsigned char>(mode))) {
        case 'r':
            return O_RDONLY;
        case 'c':
            return O_RDWR | O_CREAT | O_TRUNC;
        default:
            return O_RDWR | O_CREAT;
    }
}

}  // namespace

std::string NativePath(const std::string& resourcePath) {
    std::string path = resourcePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileStream::FileStream(std::string path, char mode)
    : path_(NativePath(path)), flags_(FlagsOfMode(mode)) {}

FileStream::~FileStream() {
    if (fd_ >= 0) ::close(fd_);
}

int FileStream::CreateFile(const std::string& path, int flags) {
    return ::open(path.c_str(), flags | O_CLOEXEC, 0644);
}

void FileStream::Open() {
    if (users_++ > 0) return;
    fd_ = CreateFile(path_, flags_);
    if (fd_ < 0) {
        users_ = 0;
        OnOpenError();
    }
    flags_ &= ~O_TRUNC;  // a reopen must not truncate again
}

void FileStream::OnOpenError() const {
    FatalError("Open error in %s", path_.c_str());
}

void FileStream::Close() {
    if (users_ == 0 || --users_ > 0) return;
    ::close(fd_);
    fd_ = -1;
}

bool FileStream::Reopen() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = CreateFile(path_, flags_);
    return fd_ >= 0;
}

int64_t FileStream::Skip(int64_t delta) {
    Seek(position_ + delta);
    return position_;
}

int64_t FileStream::Size() {
    if (size_ < 0) {
        struct stat info;
        size_ = stat(path_.c_str(), &info) == 0 ? static_cast<int64_t>(info.st_size) : 0;
    }
    return size_;
}

bool FileStream::TryRead(void* buffer, size_t n) {
    if (fd_ < 0) return false;
    size_t done = 0;
    while (done < n) {
        ssize_t got = ::pread(fd_, static_cast<char*>(buffer) + done, n - done, position_ + done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<size_t>(got);
    }
    position_ += static_cast<int64_t>(n);
    return true;
}

void FileStream::Read(void* buffer, size_t n) {
    if (!TryRead(buffer, n)) OnReadError();
}

void FileStream::Write(const void* buffer, size_t n) {
    size_t done = 0;
    while (fd_ >= 0 && done < n) {
        ssize_t put =
            ::pwrite(fd_, static_cast<const char*>(buffer) + done, n - done, position_ + done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        done += static_cast<size_t>(put);
    }
    if (done < n) OnWriteError();
    position_ += static_cast<int64_t>(n);
    if (size_ >= 0 && position_ > size_) size_ = position_;
}

}  // namespace cv
