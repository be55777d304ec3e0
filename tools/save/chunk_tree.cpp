#include "save/chunk_tree.h"

#include <cctype>

#include "core/byte_io.h"

namespace cv::tools {
namespace {

constexpr int kMaxDepth = 32;

bool ChunkAt(const std::vector<uint8_t>& data, size_t at, size_t end, ChunkNode& node) {
    if (at > end || end - at < 12) return false;
    node.tag.assign(reinterpret_cast<const char*>(data.data()) + at, 4);
    node.offset = static_cast<uint32_t>(at);
    node.length = LoadU32(data.data() + at + 4);
    node.version = LoadU32(data.data() + at + 8);
    return node.length >= 4 && node.length <= end - at - 8;
}

bool LooksNested(const ChunkNode& node) {
    for (char c : node.tag) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ') return false;
    }
    return node.version == 0;
}

void ScanNested(const std::vector<uint8_t>& data, size_t begin, size_t end, int depth,
                std::vector<ChunkNode>& out) {
    if (depth > kMaxDepth) return;
    for (size_t at = begin; at + 12 <= end;) {
        ChunkNode node;
        if (!ChunkAt(data, at, end, node) || !LooksNested(node)) {
            ++at;
            continue;
        }
        node.depth = depth;
        out.push_back(node);
        ScanNested(data, at + 12, at + 8 + node.length, depth + 1, out);
        at += 8 + node.length;
    }
}

}  // namespace

bool ReadChunkTree(const std::vector<uint8_t>& data, std::vector<ChunkNode>& out,
                   std::string& error) {
    for (size_t at = 0; at < data.size();) {
        ChunkNode node;
        if (!ChunkAt(data, at, data.size(), node)) {
            error = "no chunk fits at offset " + std::to_string(at) + " of the game data";
            return false;
        }
        out.push_back(node);
        ScanNested(data, at + 12, at + 8 + node.length, 1, out);
        at += 8 + node.length;
    }
    return true;
}

}  // namespace cv::tools
