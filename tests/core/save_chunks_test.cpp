#include "core/save_chunks.h"

#include <gtest/gtest.h>

#include "support/error_of.h"
#include "core/memory_stream.h"

namespace cv {
namespace {

using test::ErrorOf;

TEST(SaveChunks, NestedChunksRoundTrip) {
    MemoryStream data;
    ChunkWriter out(data);
    out.BeginChunk("HERO");
    out.I32(-5);
    out.BeginChunk("SPLS");
    out.StoredString("Fireball");
    out.EndChunk();
    out.U16(7);
    out.EndChunk();
    const auto& bytes = data.bytes();
    ASSERT_EQ(bytes.size(), 12u + 4 + 12 + 2 + 8 + 2);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "HERO");
    EXPECT_EQ(bytes[4], bytes.size() - 8);  // length of everything after 8 bytes
    EXPECT_EQ(bytes[16 + 4], 12u + 8 - 8 + 2);  // inner chunk: version + string

    data.Seek(0);
    ChunkReader in(data);
    in.ReadChunkHeader("HERO", "Expected tag HERO", "Main Hero");
    EXPECT_EQ(in.I32(), -5);
    in.ReadChunkHeader("SPLS", "Cant load spells. Expected tag SPLS", "Spell Container");
    EXPECT_EQ(in.StoredString(), "Fireball");
    in.EndChunk();
    EXPECT_EQ(in.U16(), 7);
    in.EndChunk();
    EXPECT_EQ(data.Tell(), static_cast<int64_t>(bytes.size()));
}

TEST(SaveChunks, WrongTagsVersionsAndSizesAreRefused) {
    MemoryStream data;
    ChunkWriter out(data);
    out.BeginChunk("TIME");
    out.U32(1);
    out.EndChunk();
    data.Seek(0);
    EXPECT_EQ(ErrorOf([&] { ChunkReader(data).ReadChunkHeader("HERO", "Expected tag HERO", "x"); }),
              "Invalid  format or save corrupted: Expected tag HERO");

    data.Seek(8);
    uint32_t two = 2;
    data.Write(&two, 4);
    data.Seek(0);
    EXPECT_EQ(ErrorOf([&] { ChunkReader(data).ReadChunkHeader("TIME", "Expected tag TIME", "Time"); }),
              "Invalid object version 00000002: Time");

    data.Seek(4);
    uint32_t huge = 1000;
    data.Write(&huge, 4);
    data.Seek(0);
    EXPECT_NE(ErrorOf([&] { ChunkReader(data).ReadChunkHeader("TIME", "Expected tag TIME", "Time"); })
                  .find("does not fit"),
              std::string::npos);
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
