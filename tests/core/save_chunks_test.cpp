#include "core/save_chunks.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/memory_stream.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

// Tag, length of what follows the first 8 bytes, version 0, fields: a spell
// count, the nested spell chunk, a trailing number.
const std::string kHero(
    "HERO\x20\0\0\0\0\0\0\0\x01\0\0\0SPLS\x0E\0\0\0\0\0\0\0\x08\0Fireball\x07\0", 40);

// "count|spell|trailer" as read from `data`.
std::string ReadHero(Stream& data) {
    ChunkReader in(data);
    in.ReadChunkHeader("HERO", "Expected tag HERO", "Main Hero");
    const uint32_t count = in.Count(12);
    in.ReadChunkHeader("SPLS", "Cant load spells. Expected tag SPLS", "Spell Container");
    const std::string spell = in.StoredString();
    in.EndChunk();
    const uint16_t trailer = in.U16();
    in.EndChunk();
    return std::to_string(count) + "|" + spell + "|" + std::to_string(trailer);
}

TEST(SaveChunks, NestedChunksAreLaidOutAndReadBack) {
    MemoryStream data;
    ChunkWriter out(data);
    out.BeginChunk("HERO");
    out.U32(1);
    out.BeginChunk("SPLS");
    out.StoredString("Fireball");
    out.EndChunk();
    out.U16(7);
    out.EndChunk();
    EXPECT_EQ(std::string(data.bytes().begin(), data.bytes().end()), kHero);
    data.Seek(0);
    EXPECT_EQ(ReadHero(data), "1|Fireball|7");
    EXPECT_EQ(data.Tell(), 40);
}

TEST(SaveChunks, WrongTagsVersionsAndSizesAreRefused) {
    const std::string corrupted = "Invalid  format or save corrupted: ";
    const std::tuple<size_t, uint32_t, std::string> cases[] = {
        {0, 0x454D4954, corrupted + "Expected tag HERO"},
        {8, 2, "Invalid object version 00000002: Main Hero"},
        {4, 1000, corrupted + "Chunk HERO does not fit in its place"},
        {4, 20, corrupted + "Chunk SPLS does not fit in its place"},  // past its parent
        {4, 4, corrupted + "Data ends inside a record"},              // reads stay inside
        {12, 0xFFFFFFFF, corrupted + "Record count does not fit"},
        {28, 300, corrupted + "Stored string too long"}};
    for (const auto& [at, value, message] : cases) {
        MemoryStream data;
        data.Write(kHero.data(), kHero.size());
        data.Seek(static_cast<int64_t>(at));
        data.Write(&value, 4);
        data.Seek(0);
        EXPECT_EQ(ErrorOf([&] { ReadHero(data); }), message) << at << ": " << value;
    }
}

}  // namespace
}  // namespace cv
