#pragma once

#include "core/file_stream.h"

namespace cv {

// The game's file stream: a file that cannot be opened asks the player
// (Retry/Cancel), and a short read is tried again, reopening the file before
// each new attempt, as a storage card may drop out for a moment.
class RetryFileStream : public FileStream {
public:
    static constexpr int kReadAttempts = 21;

    using FileStream::FileStream;

    // Shows "Cant create file" with the path until the file opens or the
    // player cancels (then -1).
    int CreateFile(const std::string& path, int flags) override;
    // Only the last of kReadAttempts failures is a read error; a reopen the
    // player cancels is the open error at once.
    void Read(void* buffer, size_t n) override;
};

}  // namespace cv
