#include "core/package.h"

#include <gtest/gtest.h>

#include "core/byte_io.h"
#include "core/memory_stream.h"
#include "core/zlib_codec.h"
#include "core_test_support.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

Ref<MemoryStream> Written(Package& package, int flags, std::string* printed = nullptr) {
    Ref<MemoryStream> out = MakeRef<MemoryStream>("out.pak");
    testing::internal::CaptureStdout();
    package.Write(*out, flags);
    std::string lines = testing::internal::GetCapturedStdout();
    if (printed) *printed = lines;
    return out;
}

Ref<MemoryStream> StreamOf(const std::vector<uint8_t>& bytes, const std::string& name) {
    Ref<MemoryStream> stream = MakeRef<MemoryStream>(name);
    if (!bytes.empty()) stream->Write(bytes.data(), bytes.size());
    return stream;
}

TEST(PackageWriterTest, LaysOutHeaderDirectoryAndRoundedData) {
    Package package;
    package.Add("B\\two", "22");
    package.Add("a", "1");
    package.Add("Empty", "");
    std::string printed;
    Ref<MemoryStream> out = Written(package, 0, &printed);
    EXPECT_EQ(printed, "");

    ByteWriter expected;
    for (uint32_t field : {0u, 108u, 3u, 20u, 0u}) expected.U32(field);
    // Name order ignores case; each name is padded to 4 bytes.
    for (uint32_t field : {76u, 1u, 1u}) expected.U32(field);
    expected.Bytes("a\0\0\0", 4);
    for (uint32_t field : {92u, 2u, 5u}) expected.U32(field);
    expected.Bytes("B\\two\0\0\0", 8);
    for (uint32_t field : {108u, 0u, 5u}) expected.U32(field);
    expected.Bytes("Empty\0\0\0", 8);
    // Data rounded up to 16 bytes each; the empty entry has none.
    expected.Bytes(
        "1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
        "22\0\0\0\0\0\0\0\0\0\0\0\0\0\0",
        32);
    EXPECT_EQ(out->bytes(), expected.bytes());
}

// The tool's round trip through an independent reader checks the rest of this path.
TEST(PackageWriterTest, DeduplicatedAndCompressedEntriesComeBack) {
    const std::string big(10001, 'x');
    Package package;
    for (const char* name : {"first", "Second"}) package.Add(name, "same bytes");
    package.Add("Big\\File", big);
    std::string printed;
    Ref<MemoryStream> out = Written(package, Package::kDeduplicate | Package::kCompress, &printed);
    EXPECT_NE(printed.find("\nOptimize result: Equal files=1, Total size="), std::string::npos)
        << printed;
    Package reader;
    reader.Load(out);
    EXPECT_EQ(ReadAll(*reader.Open("FIRST")) + ReadAll(*reader.Open("second")),
              "same bytessame bytes");
    Ref<Stream> entry = reader.Open("BIG\\FILE");
    EXPECT_EQ(ReadAll(*entry), big);
    EXPECT_EQ(entry->Name(), "BIG\\FILE");  // unpacked into memory
}

TEST(PackageReaderTest, LooksNamesUpIgnoringCaseAndLaterRecordsWin) {
    ByteWriter file;
    for (uint32_t field : {0u, 0u, 2u, 20u, 0u}) file.U32(field);
    for (uint32_t field : {52u, 1u, 4u}) file.U32(field);
    file.Bytes("A\\Bc", 4);
    for (uint32_t field : {53u, 1u, 4u}) file.U32(field);
    file.Bytes("a\\bC", 4);
    file.Bytes("12", 2);
    Package package;
    package.Load(StreamOf(file.bytes(), "x.pak"));
    EXPECT_TRUE(package.Has("A\\BC"));
    EXPECT_EQ(package.entries().size(), 1u);
    EXPECT_EQ(package.entries().at("a\\bc").name, "a\\bC");
    Ref<Stream> stored = package.Open("a\\bc");
    EXPECT_EQ(ReadAll(*stored), "2");
    EXPECT_EQ(stored->Name(), "Resource <a\\bc> of x.pak");  // a window onto the package
    EXPECT_FALSE(package.Has("a/bc"));
    EXPECT_EQ(ErrorOf([&] { package.Open("Missing"); }), "Resource Missing not found in x.pak");
    Package empty;
    EXPECT_EQ(ErrorOf([&] { empty.Open("x"); }), "Resource x not found in <none>");
}

// A one-entry package whose entry "a" holds `data` at offset 36.
std::vector<uint8_t> OneEntry(uint32_t compressed, uint32_t storedSize,
                              const std::vector<uint8_t>& data) {
    ByteWriter file;
    for (uint32_t field : {0u, 0u, 1u, 20u, compressed, 36u, storedSize, 1u}) file.U32(field);
    file.Bytes("a\0\0\0", 4);
    file.Bytes(data.data(), data.size());
    return file.bytes();
}

std::string LoadError(const std::vector<uint8_t>& bytes) {
    return ErrorOf([&] {
        Package package;
        package.Load(StreamOf(bytes, "bad.pak"));
        if (package.Has("a")) ReadAll(*package.Open("a"));
    });
}

TEST(PackageReaderTest, RefusesWhatDoesNotFitTheFile) {
    const std::string prefix = "Corrupted package bad.pak: ";
    EXPECT_EQ(LoadError(std::vector<uint8_t>(10)), prefix + "the header is cut short");
    ByteWriter header;
    for (uint32_t field : {0u, 0u, 0u, 21u, 0u}) header.U32(field);
    EXPECT_EQ(LoadError(header.bytes()), prefix + "the directory lies outside the file");
    header.PatchU32(12, 20);
    header.PatchU32(8, 1000);
    for (int i = 0; i < 24; ++i) header.U8(0);
    EXPECT_EQ(LoadError(header.bytes()), prefix + "1000 entries cannot fit in the file");
    header.PatchU32(8, 2);
    header.PatchU32(28, 8);  // the first name takes the room of the second record
    EXPECT_EQ(LoadError(header.bytes()), prefix + "the record of entry 1 is cut short");
    header.PatchU32(8, 1);
    header.PatchU32(28, 0xFFFFFFFF);
    EXPECT_EQ(LoadError(header.bytes()), prefix + "the name of entry 0 runs past the end");
    EXPECT_EQ(LoadError(OneEntry(0, 5, {1, 2, 3, 4})),
              prefix + "the data of \"a\" lies outside the file");
    EXPECT_EQ(LoadError(OneEntry(1, 3, {1, 2, 3})),
              prefix + "\"a\" is shorter than its length field");
    // Lengths no zlib stream of that size can produce are refused before allocating.
    EXPECT_EQ(LoadError(OneEntry(1, 8, {0, 0, 0, 0x20, 0, 0, 0, 0})),
              prefix + "\"a\" claims 536870912 bytes from 8 stored");
    EXPECT_EQ(LoadError(OneEntry(1, 8, {0x49, 0x20, 0, 0, 0, 0, 0, 0})),
              prefix + "\"a\" claims 8265 bytes from 8 stored");
    EXPECT_EQ(LoadError(OneEntry(1, 8, {0x40, 0x20, 0, 0, 1, 2, 3, 4})), "no error");
}

TEST(PackageReaderTest, AStreamThatEndsEarlyLeavesZeros) {
    MemoryStream packed;
    WritePackedBlock(packed, reinterpret_cast<const uint8_t*>("abc"), 3, 4096);
    std::vector<uint8_t> stored = packed.bytes();
    stored[0] = 10;  // claim more than the stream holds
    Package package;
    package.Load(StreamOf(OneEntry(1, static_cast<uint32_t>(stored.size()), stored), "p"));
    EXPECT_EQ(ReadAll(*package.Open("a")), std::string("abc\0\0\0\0\0\0\0", 10));

    stored.resize(6);  // a stream cut off in the middle yields what it can
    Package cut;
    cut.Load(StreamOf(OneEntry(1, 6, stored), "p"));
    EXPECT_EQ(cut.Open("a")->Size(), 10);
}

}  // namespace
}  // namespace cv
