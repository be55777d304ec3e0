#include "autoplay/save_check.h"

#include <algorithm>

#include "core/byte_io.h"
#include "core/memory_stream.h"
#include "core/save_damage.h"

namespace cv::autoplay {
namespace {

constexpr size_t kChunkHeader = 8;  // tag, then the length of what follows

// The tag of the top-level chunk that holds `offset`; the chunks' own
// lengths lead from one to the next.
std::string ChunkAt(const std::string& data, size_t offset) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
    for (size_t start = 0; start + kChunkHeader <= data.size();) {
        const size_t end = start + kChunkHeader + LoadU32(bytes + start + 4);
        if (offset < end) return data.substr(start, 4);
        start = end;
    }
    return "no chunk";
}

}  // namespace

std::string SavedData(const RunningGame& game) {
    MemoryStream data;
    ChunkWriter chunks(data);
    game.WriteChunks(chunks);
    return {data.bytes().begin(), data.bytes().end()};
}

Ref<RunningGame> LoadSavedData(const std::string& data) {
    MemoryStream stream("Saved game data");
    stream.Write(data.data(), data.size());
    stream.Seek(0);
    ChunkReader chunks(stream);
    Ref<RunningGame> game = MakeRef<RunningGame>();
    game->ReadChunks(chunks);
    return game;
}

std::string SaveFault(int week, const std::string& saved, const std::string& again) {
    if (saved == again) return {};
    const size_t offset = static_cast<size_t>(
        std::mismatch(saved.begin(), saved.end(), again.begin(), again.end()).first -
        saved.begin());
    return "week " + std::to_string(week) + ": the loaded save saves differently from byte " +
           std::to_string(offset) + " (in " + ChunkAt(saved, offset) + "; " +
           std::to_string(saved.size()) + " bytes saved, " + std::to_string(again.size()) +
           " saved again)";
}

SaveCheck CheckSave(const RunningGame& game) {
    const int week = game.time().week();
    const std::string saved = SavedData(game);
    SaveCheck check;
    try {
        check.loaded = LoadSavedData(saved);
    } catch (const DamagedSave& error) {
        check.fault =
            "week " + std::to_string(week) + ": the save cannot be read back: " + error.what();
        return check;
    }
    check.fault = SaveFault(week, saved, SavedData(*check.loaded));
    return check;
}

}  // namespace cv::autoplay
