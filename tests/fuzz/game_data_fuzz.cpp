#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "core/config_parser.h"
#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "game/model/unit_tables.h"
#include "game/world/running_game.h"

// Reads arbitrary bytes as the game-data block of a save ("LOCS", "HERO",
// "TIME") against the game's own rules with one continent.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::ifstream file(CORVANTH_RULES_FILE, std::ios::binary);
    cv::Ref<cv::Dispatcher> root = cv::MakeRef<cv::Dispatcher>();
    cv::Parse(*root, std::string(std::istreambuf_iterator<char>(file), {}));
    cv::Parse(*root, "Maps.Thornmere { Index = 0 X0 = 11 Y0 = 18 EnemyIcon = e MapIcon = m }");
    cv::SetRoot(root);
    cv::Units().Load(cv::Root());
    cv::LoadTerrainKinds(cv::Root());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cv::MemoryStream stream;
    if (size) stream.Write(data, size);
    stream.Seek(0);
    try {
        cv::ChunkReader in(stream);
        cv::Ref<cv::RunningGame> game = cv::MakeRef<cv::RunningGame>();
        game->ReadChunks(in);
        cv::MemoryStream again;
        cv::ChunkWriter out(again);
        game->WriteChunks(out);
    } catch (const cv::EngineError&) {
    }
    return 0;
}
