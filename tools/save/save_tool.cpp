// corvanth-save: shows what a saved game holds, as text.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "common/tool_main.h"
#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "core/save_format.h"
#include "platform/utf.h"
#include "save/chunk_tree.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-save info FILE\n"
    "       corvanth-save dump FILE\n"
    "info   the header fields, the date of saving, the language and the info records\n"
    "       (the game data is unpacked to check it)\n"
    "dump   the chunk tree of the game data: tag, offset, length, version, one line\n"
    "       each, nested records indented under their parent; unknown and damaged\n"
    "       parts are marked with their offset\n";

cv::SaveFileReader Open(const std::string& path) {
    cv::Ref<cv::FileStream> file = cv::MakeRef<cv::FileStream>(path, 'r');
    return cv::SaveFileReader(cv::ReadAll(*file), path);
}

int Info(const std::string& path) {
    cv::SaveFileReader save = Open(path);
    const cv::SaveHeader& h = save.header();
    std::printf("version: %u\ntotal length: %u\n", h.version, h.totalLength);
    std::printf("info block: offset %u, length %u\n", h.infoOffset, h.infoLength);
    std::printf("game data: offset %u, length %u, %s, %zu bytes of chunks\n", h.dataOffset,
                h.dataLength, h.flags & cv::kSaveDataCompressed ? "compressed" : "stored",
                save.GameData()->bytes().size());
    std::printf("saved: %04u-%02u-%02u %02u:%02u\n", h.date >> 16, ((h.date >> 8) & 0xFF) + 1,
                (h.date & 0xFF) + 1, h.time >> 8, h.time & 0xFF);
    std::printf("language: %s\n", save.LanguageFile().c_str());
    for (const cv::SaveInfoRecord& record : save.InfoRecords()) {
        std::printf("%s: %s\n", record.key.c_str(), cv::Utf16ToUtf8(record.value).c_str());
    }
    return 0;
}

int Dump(const std::string& path) {
    cv::SaveFileReader save = Open(path);
    cv::Ref<cv::MemoryStream> data = save.GameData();
    const cv::tools::ChunkDump dump = cv::tools::DumpGameData(data->bytes());
    std::printf("game data: %zu bytes\n", data->bytes().size());
    for (const std::string& line : dump.lines) std::printf("%s\n", line.c_str());
    if (dump.damaged) cv::FatalError("%s: the game data is damaged", path.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, [](const cv::tool::Arguments& args) {
        if (args.size() != 2 || (args[0] != "info" && args[0] != "dump")) {
            throw cv::tool::UsageError{};
        }
        return args[0] == "info" ? Info(args[1]) : Dump(args[1]);
    });
}
