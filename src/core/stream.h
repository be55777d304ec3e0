#pragma once

#include <cstdint>
#include <string>

#include "core/ref_counted.h"

namespace cv {

// A byte stream shared by reference count. Open/Close count users: the first
// Open opens the underlying file, the last Close closes it. Failures are
// reported through the error slots, which end the program.
class Stream : public RefCounted {
public:
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual int OpenCount() const = 0;
    virtual void Seek(int64_t position) = 0;
    virtual int64_t Skip(int64_t delta) = 0;
    virtual int64_t Tell() const = 0;
    virtual int64_t Size() = 0;
    virtual void Name(std::string& out) const = 0;
    virtual void Read(void* buffer, size_t n) = 0;
    virtual void Write(const void* buffer, size_t n) = 0;
    // "Read error in <name>" / "Write error in <name>", fatal.
    [[noreturn]] virtual void OnReadError();
    [[noreturn]] virtual void OnWriteError();

    std::string Name() const {
        std::string name;
        Name(name);
        return name;
    }
};

// Opens the stream, reads it whole from position 0 and closes it again.
std::string ReadAll(Stream& stream);

}  // namespace cv
