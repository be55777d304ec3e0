#include "test_game.h"

namespace cv::test {

void TestGame::WriteChunks(ChunkWriter& out) const {
    out.BeginChunk("TEST");
    out.I32(gold);
    out.BeginChunk("NOTE");
    out.StoredString(note);
    out.EndChunk();
    out.EndChunk();
}

void TestGame::ReadChunks(ChunkReader& in) {
    gold = 0;
    note.clear();
    in.ReadChunkHeader("TEST", "Expected tag TEST", "Test Game");
    gold = in.I32();
    in.ReadChunkHeader("NOTE", "Expected tag NOTE", "Test Note");
    note = in.StoredString();
    in.EndChunk();
    in.EndChunk();
}

}  // namespace cv::test
