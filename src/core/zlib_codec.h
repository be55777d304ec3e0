#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/memory_stream.h"

namespace cv {

// Hands each piece of deflate output to its consumer.
using PieceSink = std::function<void(const uint8_t* piece, size_t size)>;

// Deflates `size` bytes (zlib format, default level, 15 window bits, memory
// level 8), handing the output on in pieces of at most `pieceSize` bytes.
// zlib failures end the program with "ZIP Packer: " and zlib's message.
void Deflate(const uint8_t* data, size_t size, size_t pieceSize, const PieceSink& sink);

// Inflates into `out` with a single inflate call. Output the stream does not
// produce is left untouched; a stream that fails midway keeps what it gave.
// Returns whether the stream ended, checksum and all, exactly filling `out`.
// A failing set-up ends the program with "ZIP Unpacker: " and the reason.
bool Inflate(const uint8_t* data, size_t size, uint8_t* out, size_t outSize);

// Compressed blocks start with their unpacked length. A length above 256 MiB,
// or more than 1032 times the stored bytes (deflate's best ratio is about
// 1032:1), cannot come from a real block and is refused before allocating.
constexpr uint32_t kMaxUnpackedSize = 256u << 20;
constexpr uint64_t kMaxInflateRatio = 1032;
bool PlausibleUnpackedSize(uint32_t unpacked, size_t storedSize);

// Writes a packed block at the stream's position: the 32-bit unpacked length,
// then the zlib stream, in pieces of at most `pieceSize` bytes.
void WritePackedBlock(Stream& out, const uint8_t* data, size_t size, size_t pieceSize);

// What a zlib stream that breaks off or fails its checksum gives: what it
// produced, the rest zero; or the failure.
enum class BrokenStream { kKeepWhatItGave, kRefuse };

// A packed block unpacked into a memory stream named `name`, at position 0.
// A block too short for its length field, with an implausible length, or (when
// refused) a broken stream ends the program with `failurePrefix` followed by
// what is wrong.
Ref<MemoryStream> UnpackBlock(const uint8_t* stored, size_t size, const std::string& name,
                              const std::string& failurePrefix,
                              BrokenStream broken = BrokenStream::kKeepWhatItGave);

}  // namespace cv
