#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fatal_error.h"
#include "core/save_chunks.h"
#include "core/save_format.h"

namespace {

// Walks chunks as an owner would: a header, a few fields, a nested record.
void ReadChunks(cv::MemoryStream& data) {
    cv::ChunkReader in(data);
    in.ReadChunkHeader("TEST", "Expected tag TEST", "Test Game");
    in.I32();
    in.ReadChunkHeader("NOTE", "Expected tag NOTE", "Test Note");
    in.StoredString();
    in.Count(8);
    in.EndChunk();
    in.EndChunk();
}

}  // namespace

// Takes the input apart as a save file: header, language, info, game data.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        cv::SaveFileReader save(std::string(reinterpret_cast<const char*>(data), size), "fuzz.sav");
        save.LanguageFile();
        save.InfoRecords();
        ReadChunks(*save.GameData());
    } catch (const cv::EngineError&) {
    }
    return 0;
}
