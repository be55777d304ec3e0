#include "core/stream.h"

#include "core/fatal_error.h"

namespace cv {

void Stream::OnReadError() { FatalError("Read error in %s", Name().c_str()); }

void Stream::OnWriteError() { FatalError("Write error in %s", Name().c_str()); }

std::string ReadAll(Stream& stream) {
    stream.Open();
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.Seek(0);
    if (!bytes.empty()) stream.Read(bytes.data(), bytes.size());
    stream.Close();
    return bytes;
}

}  // namespace cv
