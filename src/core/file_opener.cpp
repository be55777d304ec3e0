#include "core/file_opener.h"

#include "core/retry_file_stream.h"

namespace cv {
namespace {

FileOpener*& InstalledOpener() {
    static FileOpener* opener = nullptr;
    return opener;
}

}  // namespace

Ref<Stream> FileOpener::OpenFile(const std::string& path, char mode) {
    return MakeRef<FileStream>(path, mode);
}

Ref<Stream> RetryFileOpener::OpenFile(const std::string& path, char mode) {
    return MakeRef<RetryFileStream>(path, mode);
}

FileOpener& CurrentFileOpener() {
    static FileOpener defaultOpener;
    FileOpener* installed = InstalledOpener();
    return installed ? *installed : defaultOpener;
}

void SetFileOpener(FileOpener* opener) {
    InstalledOpener() = opener;
}

}  // namespace cv
