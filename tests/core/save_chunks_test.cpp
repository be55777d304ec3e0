#include "core/save_chunks.h"

#include <gtest/gtest.h>

#include "core/memory_stream.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

std::string BytesOf(const MemoryStream& data) {
    return std::string(data.bytes().begin(), data.bytes().end());
}

TEST(SaveChunks, NestedChunksAreLaidOutAndReadBack) {
    MemoryStream data;
    ChunkWriter out(data);
    out.BeginChunk("HERO");
    out.I32(-5);
    out.BeginChunk("SPLS");
    out.StoredString("Fireball");
    out.EndChunk();
    out.U16(7);
    out.EndChunk();
    // Tag, length of what follows the first 8 bytes, version 0, fields.
    EXPECT_EQ(BytesOf(data), std::string("HERO\x20\0\0\0\0\0\0\0\xFB\xFF\xFF\xFF"
                                         "SPLS\x0E\0\0\0\0\0\0\0\x08\0Fireball\x07\0",
                                         40));
    data.Seek(0);
    ChunkReader in(data);
    in.ReadChunkHeader("HERO", "Expected tag HERO", "Main Hero");
    EXPECT_EQ(in.I32(), -5);
    in.ReadChunkHeader("SPLS", "Cant load spells. Expected tag SPLS", "Spell Container");
    EXPECT_EQ(in.StoredString(), "Fireball");
    in.EndChunk();
    EXPECT_EQ(in.U16(), 7);
    in.EndChunk();
    EXPECT_EQ(data.Tell(), 40);
}

TEST(SaveChunks, WrongTagsVersionsAndSizesAreRefused) {
    MemoryStream data;
    ChunkWriter out(data);
    out.BeginChunk("TIME");
    out.U32(1);
    out.EndChunk();
    auto headerError = [&](int64_t at, uint32_t value) {
        MemoryStream bad;
        bad.Write(data.bytes().data(), data.bytes().size());
        bad.Seek(at);
        bad.Write(&value, 4);
        bad.Seek(0);
        return ErrorOf(
            [&] { ChunkReader(bad).ReadChunkHeader("TIME", "Expected tag TIME", "Time"); });
    };
    EXPECT_EQ(headerError(0, 0x4F524548), "Invalid  format or save corrupted: Expected tag TIME");
    EXPECT_EQ(headerError(8, 2), "Invalid object version 00000002: Time");
    EXPECT_EQ(headerError(4, 1000),
              "Invalid  format or save corrupted: Chunk TIME does not fit in its place");
}

TEST(SaveChunks, ReadsStayInsideTheirChunk) {
    MemoryStream data;
    ChunkWriter out(data);
    out.BeginChunk("LOCS");
    out.U16(300);  // a string length beyond the limit
    out.EndChunk();
    out.BeginChunk("NEXT");
    out.U32(0xFFFFFFFF);
    out.EndChunk();
    data.Seek(0);
    ChunkReader in(data);
    in.ReadChunkHeader("LOCS", "Expected tag LOCS", "Locations");
    EXPECT_EQ(ErrorOf([&] { in.StoredString(); }),
              "Invalid  format or save corrupted: Stored string too long");
    in.EndChunk();
    in.ReadChunkHeader("NEXT", "Expected tag NEXT", "Next");
    EXPECT_EQ(ErrorOf([&] { in.Count(4); }),
              "Invalid  format or save corrupted: Record count does not fit");
    EXPECT_EQ(ErrorOf([&] { in.U32(); }),
              "Invalid  format or save corrupted: Data ends inside a record");
}

}  // namespace
}  // namespace cv
