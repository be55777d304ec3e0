#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/file_stream.h"
#include "core/memory_stream.h"
#include "core/package_entry_stream.h"
#include "core/retry_file_stream.h"
#include "core_test_support.h"
#include "platform/headless/headless_platform.h"
#include "platform/utf.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::ScratchDir;

std::string ReadText(Stream& stream, size_t n) {
    std::string text(n, '\0');
    stream.Read(text.data(), n);
    return text;
}

TEST(FileStreamTest, OpenModesSizesAndErrors) {
    ScratchDir dir;
    const std::string path = dir / "a.bin";
    dir.Write("a.bin", "old content");
    {
        FileStream created(path, 'C');  // modes ignore case: this one truncates
        created.Open();
        created.Write("hello", 5);
        created.Close();
        created.Open();  // a reopen must not truncate again
        created.Seek(5);
        created.Write("!", 1);
        EXPECT_EQ(created.Size(), 6);
        created.Close();
    }
    EXPECT_EQ(dir.Read("a.bin"), "hello!");

    FileStream reader(path, 'r');
    EXPECT_EQ(reader.Size(), 6);  // known before the file is opened
    reader.Open();
    reader.Open();
    reader.Close();  // still open for the other user
    reader.Seek(1);
    EXPECT_EQ(ReadText(reader, 3), "ell");
    EXPECT_EQ(reader.Skip(-2), 2);
    EXPECT_EQ(ReadText(reader, 2), "ll");
    EXPECT_EQ(ErrorOf([&] { ReadText(reader, 5); }), "Read error in " + path);
    EXPECT_EQ(ErrorOf([&] { reader.Write("x", 1); }), "Write error in " + path);
    reader.Close();
    reader.Close();  // one too many: ignored
    EXPECT_EQ(reader.OpenCount(), 0);

    FileStream other(path, 'x');  // any other mode opens without truncating
    other.Open();
    EXPECT_EQ(ReadText(other, 6), "hello!");
    FileStream fresh(dir / "new.bin", 'a');  // ... and creates a missing file
    fresh.Open();
    EXPECT_TRUE(dir.Has("new.bin"));

    FileStream missing(dir / "none.bin", 'r');
    EXPECT_EQ(missing.Size(), 0);
    EXPECT_EQ(ErrorOf([&] { missing.Open(); }), "Open error in " + (dir / "none.bin"));
    EXPECT_EQ(missing.OpenCount(), 0);
}

TEST(MemoryStreamTest, GrowsWithZerosAndRefusesReadsPastItsEnd) {
    MemoryStream memory;
    memory.Seek(4);
    memory.Write("ab", 2);
    EXPECT_EQ(std::string(memory.bytes().begin(), memory.bytes().end()),
              std::string("\0\0\0\0ab", 6));
    memory.Seek(5);
    EXPECT_EQ(ErrorOf([&] { ReadText(memory, 2); }), "Read error in <Memory Stream>");
    memory.SetSize(8);
    memory.Seek(4);
    EXPECT_EQ(ReadText(memory, 4), std::string("ab\0\0", 4));
}

TEST(PackageEntryStreamTest, ReadsItsWindowOfTheSharedStream) {
    Ref<MemoryStream> package = MakeRef<MemoryStream>("Data.pak");
    package->Write("0123456789", 10);
    PackageEntryStream named(package, 2, 4, "Img\\a");
    PackageEntryStream anonymous(package, 8, 2);
    EXPECT_EQ(named.Name(), "Resource <Img\\a> of Data.pak");
    EXPECT_EQ(anonymous.Name(), "Resource [8; 2] of Data.pak");
    named.Seek(1);
    EXPECT_EQ(ReadText(named, 2), "34");
    EXPECT_EQ(ReadText(anonymous, 2), "89");  // interleaved reads each seek first
    EXPECT_EQ(ReadText(named, 1), "5");
    EXPECT_EQ(ErrorOf([&] { ReadText(named, 1); }), "Read error in Resource <Img\\a> of Data.pak");
    named.Seek(100);
    EXPECT_EQ(ErrorOf([&] { ReadText(named, 1); }), "Read error in Resource <Img\\a> of Data.pak");
    EXPECT_EQ(ErrorOf([&] { named.Write("x", 1); }),
              "Write error in Resource <Img\\a> of Data.pak");
    EXPECT_EQ(ReadAll(named), "2345");
}

// A headless host whose message boxes are recorded and answered by `react`.
struct BoxHost : platform::HeadlessPlatform {
    explicit BoxHost(std::function<int()> reaction)
        : HeadlessPlatform("", nullptr), react(std::move(reaction)) {
        platform::SetCurrent(this);
    }
    ~BoxHost() override { platform::SetCurrent(nullptr); }
    int AskMessageBox(const std::u16string& text, const std::u16string& caption,
                      uint32_t flags) override {
        boxes.push_back(Utf16ToUtf8(caption) + "|" + Utf16ToUtf8(text) + "|" +
                        std::to_string(flags));
        return react();
    }
    std::function<int()> react;
    std::vector<std::string> boxes;
};

// A storage card that counts its (re)opens and holds "abcd" from open `healsAt` on.
struct FlakyCard : RetryFileStream {
    FlakyCard(const std::string& path, int healingOpen)
        : RetryFileStream(path, 'r'), healsAt(healingOpen) {}
    int CreateFile(const std::string& path, int flags) override {
        if (++opens == healsAt) std::ofstream(path) << "abcd";
        return RetryFileStream::CreateFile(path, flags);
    }
    int healsAt;
    int opens = 0;
};

TEST(RetryFileStreamTest, AMissingOrShortCardIsWaitedFor) {
    ScratchDir dir;
    const std::string path = dir / "card.bin";
    int answers = 0;
    BoxHost host([&] {
        if (++answers == 2) dir.Write("card.bin", "ab");  // the player inserted the card
        return platform::IDRETRY;
    });
    FlakyCard card(path, 3);  // whole again on the third open
    card.Open();
    card.Seek(1);
    EXPECT_EQ(ReadText(card, 3), "bcd");  // short reads reopen without asking
    EXPECT_EQ(card.opens, 3);
    const std::string box = "Cant create file|" + path + "|" +
                            std::to_string(platform::MB_RETRYCANCEL | platform::MB_ICONHAND);
    EXPECT_EQ(host.boxes, (std::vector<std::string>{box, box}));

    host.react = [] { return platform::IDCANCEL; };
    FlakyCard failing(path, 0);  // never whole again
    failing.Open();
    failing.Seek(3);
    EXPECT_EQ(ErrorOf([&] { ReadText(failing, 2); }), "Read error in " + path);
    EXPECT_EQ(failing.opens, RetryFileStream::kReadAttempts);  // first open + 20 reopens
    RetryFileStream never(dir / "never.pak", 'r');
    EXPECT_EQ(ErrorOf([&] { never.Open(); }), "Open error in " + (dir / "never.pak"));
    EXPECT_EQ(host.boxes.size(), 3u);

    FlakyCard pulled(path, 0);
    pulled.Open();
    pulled.Seek(4);
    std::filesystem::remove(path);  // the card is gone: the reopen asks, the player cancels
    EXPECT_EQ(ErrorOf([&] { ReadText(pulled, 1); }), "Open error in " + path);
    EXPECT_EQ(pulled.opens, 2);
    EXPECT_EQ(host.boxes.size(), 4u);
}

}  // namespace
}  // namespace cv
