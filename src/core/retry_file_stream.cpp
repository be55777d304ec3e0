#include "core/retry_file_stream.h"

#include "platform/platform.h"
#include "platform/utf.h"

namespace cv {

int RetryFileStream::CreateFile(const std::string& path, int flags) {
    while (true) {
        int fd = FileStream::CreateFile(path, flags);
        // Without a host there is nobody to ask: give up as Cancel would.
        if (fd >= 0 || !platform::HasCurrent()) return fd;
        int answer =
            platform::Current().MessageBox(Utf8ToUtf16(path), u"Cant create file",
                                           platform::MB_RETRYCANCEL | platform::MB_ICONHAND);
        if (answer != platform::IDRETRY) return -1;
    }
}

void RetryFileStream::Read(void* buffer, size_t n) {
    for (int attempt = 1; attempt <= kReadAttempts; ++attempt) {
        if (TryRead(buffer, n)) return;
        // A cancelled reopen means the player gave up on the file: no more boxes.
        if (attempt < kReadAttempts && !Reopen()) OnOpenError();
    }
    OnReadError();
}

}  // namespace cv
