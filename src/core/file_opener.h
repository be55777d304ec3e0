#pragma once

#include <string>

#include "core/stream.h"

namespace cv {

// Opens the package files the CFG names. The default opener gives plain
// file streams; the game installs one that gives RetryFileStreams.
class FileOpener {
public:
    virtual ~FileOpener() = default;
    // `mode` as for FileStream ("r", "c", other).
    virtual Ref<Stream> OpenFile(const std::string& path, char mode);
};

class RetryFileOpener : public FileOpener {
public:
    Ref<Stream> OpenFile(const std::string& path, char mode) override;
};

FileOpener& CurrentFileOpener();
// Null restores the default opener. The opener must outlive its installation.
void SetFileOpener(FileOpener* opener);

}  // namespace cv
