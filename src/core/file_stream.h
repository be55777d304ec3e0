#pragma once

#include "core/stream.h"

namespace cv {

// A file on disk. The mode is one character, case-insensitive: "r" reads an
// existing file, "c" creates or truncates it (read/write), anything else opens
// or creates it (read/write). After the first successful "c" open a reopen no
// longer truncates. Every read and write happens at the stream's own position.
class FileStream : public Stream {
public:
    FileStream(std::string path, char mode);
    ~FileStream() override;

    void Open() override;
    void Close() override;
    int OpenCount() const override { return users_; }
    void Seek(int64_t position) override { position_ = position < 0 ? 0 : position; }
    int64_t Skip(int64_t delta) override;
    int64_t Tell() const override { return position_; }
    // Taken once, from the file system (0 when the file does not exist).
    int64_t Size() override;
    using Stream::Name;
    void Name(std::string& out) const override { out = path_; }
    void Read(void* buffer, size_t n) override;
    void Write(const void* buffer, size_t n) override;
    // The file descriptor for the mode, or -1.
    virtual int CreateFile(const std::string& path, int flags);

    const std::string& path() const { return path_; }

protected:
    // True when all n bytes were read at the current position.
    bool TryRead(void* buffer, size_t n);
    // Closes and opens the file again; false when it could not be opened.
    bool Reopen();
    [[noreturn]] void OnOpenError() const;

private:
    std::string path_;
    int flags_;
    int fd_ = -1;
    int users_ = 0;
    int64_t position_ = 0;
    int64_t size_ = -1;
};

// Turns a resource name ("Forms\Start\form.txt") into a file path.
std::string NativePath(const std::string& resourcePath);

bool FileExists(const std::string& path);

}  // namespace cv
