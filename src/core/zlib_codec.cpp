#include "core/zlib_codec.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/fatal_error.h"

namespace cv {
namespace {

// Ends the deflater first; zlib's message is copied before it goes.
[[noreturn]] void PackError(z_stream& stream) {
    std::string message = stream.msg ? stream.msg : "zlib pack error";
    deflateEnd(&stream);
    FatalError("ZIP Packer: %s", message.c_str());
}

const char* InflateSetupError(int code) {
    switch (code) {
        case Z_VERSION_ERROR:
            return "zlib version error";
        case Z_MEM_ERROR:
        case Z_STREAM_ERROR:
            return "zlib memory error";
        default:
            return "Unknown zlib error";
    }
}

// zlib counts in 32-bit units; larger inputs are fed in turns.
constexpr size_t kMaxZlibStep = 1u << 30;

}  // namespace

void Deflate(const uint8_t* data, size_t size, size_t pieceSize, const PieceSink& sink) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        PackError(stream);
    }
    std::vector<uint8_t> piece(pieceSize);
    stream.next_in = data;
    size_t left = size;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        if (stream.avail_in == 0 && left > 0) {
            stream.avail_in = static_cast<uInt>(std::min(left, kMaxZlibStep));
            left -= stream.avail_in;
        }
        stream.next_out = piece.data();
        stream.avail_out = static_cast<uInt>(pieceSize);
        result = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) {
            PackError(stream);
        }
        size_t produced = pieceSize - stream.avail_out;
        if (produced > 0) sink(piece.data(), produced);
    }
    deflateEnd(&stream);
}

bool Inflate(const uint8_t* data, size_t size, uint8_t* out, size_t outSize) {
    z_stream stream{};
    int setup = inflateInit(&stream);
    if (setup != Z_OK) FatalError("ZIP Unpacker: %s", InflateSetupError(setup));
    // Blocks are refused above 256 MiB, so one call always covers them.
    stream.next_in = data;
    stream.avail_in = static_cast<uInt>(std::min(size, kMaxZlibStep));
    stream.next_out = out;
    stream.avail_out = static_cast<uInt>(std::min(outSize, kMaxZlibStep));
    const bool whole = inflate(&stream, Z_PARTIAL_FLUSH) == Z_STREAM_END && stream.avail_out == 0;
    inflateEnd(&stream);
    return whole;
}

bool PlausibleUnpackedSize(uint32_t unpacked, size_t storedSize) {
    return unpacked <= kMaxUnpackedSize && unpacked <= kMaxInflateRatio * storedSize;
}

void WritePackedBlock(Stream& out, const uint8_t* data, size_t size, size_t pieceSize) {
    if (size > UINT32_MAX) FatalError("ZIP Packer: %zu bytes are too many for one block", size);
    WriteU32(out, static_cast<uint32_t>(size));
    Deflate(data, size, pieceSize, [&out](const uint8_t* piece, size_t n) { out.Write(piece, n); });
}

Ref<MemoryStream> UnpackBlock(const uint8_t* stored, size_t size, const std::string& name,
                              const std::string& failurePrefix, BrokenStream broken) {
    if (size < 4) FatalError("%sis shorter than its length field", failurePrefix.c_str());
    const uint32_t unpacked = LoadU32(stored);
    if (!PlausibleUnpackedSize(unpacked, size)) {
        FatalError("%sclaims %u bytes from %zu stored", failurePrefix.c_str(), unpacked, size);
    }
    Ref<MemoryStream> out = MakeRef<MemoryStream>(name);
    out->SetSize(unpacked);
    const bool whole = unpacked == 0 || Inflate(stored + 4, size - 4, out->Data(), unpacked);
    if (!whole && broken == BrokenStream::kRefuse) {
        FatalError("%sdoes not unpack to its %u bytes", failurePrefix.c_str(), unpacked);
    }
    out->Seek(0);
    return out;
}

}  // namespace cv
