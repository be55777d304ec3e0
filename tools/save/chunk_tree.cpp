#include "save/chunk_tree.h"

#include <cstdio>
#include <map>

#include "core/byte_io.h"
#include "core/fatal_error.h"

namespace cv::tools {
namespace {

constexpr size_t kChunkFrame = 12;  // tag, length, version
constexpr size_t kSubFrame = 8;     // tag, size
constexpr size_t kLocationId = 16;
constexpr uint32_t kTerrainBytes = 4096;
constexpr uint32_t kPos0Size = 12;
// The hero record up to its list counts: flags, 18 numbers, two 16-bit
// fields, the position and start cells; after the counts: the sceptre's cell
// and continent and two reserved words.
constexpr size_t kHeroBeforeCounts = 4 + 18 * 4 + 2 + 2 + 4 + 4;
constexpr size_t kHeroAfterCounts = 4 + 4 + 4 + 4;

// Tags come from the file: anything but plain ASCII is shown as \xNN.
std::string Printable(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        text += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return text;
}

struct Frame {
    std::string tag;
    size_t at = 0;
    uint32_t length = 0;  // bytes after tag and length
    uint32_t version = 0;
    size_t body() const { return at + kChunkFrame; }
    size_t end() const { return at + 8 + length; }
};

std::string StoredString(ByteReader& in) {
    const uint16_t length = in.U16();
    return in.Text(length);
}

class Walker {
public:
    explicit Walker(const std::vector<uint8_t>& data) : data_(data) {}
    ChunkDump Walk();

private:
    void Line(int depth, const std::string& text) {
        dump_.lines.push_back(std::string(2 * static_cast<size_t>(depth), ' ') + text);
    }
    void Unknown(int depth, size_t at, const std::string& what) {
        Line(depth, "unknown  offset " + std::to_string(at) + ": " + what);
    }
    void Damaged(int depth, size_t at, const std::string& what) {
        Line(depth, "damaged  offset " + std::to_string(at) + ": " + what);
        dump_.damaged = true;
    }
    bool ReadFrame(size_t at, size_t end, int depth, Frame& frame);
    bool ReadExpected(const char* tag, size_t at, size_t end, int depth, Frame& frame);
    bool ChunkLine(const Frame& frame, int depth);
    // Runs `walk` over the chunk's fields; reading past them marks the place damaged.
    template <class Reading>
    void Fields(const Frame& frame, int depth, const char* failure, Reading read);
    void Locations(const Frame& locs);
    void Location(const Frame& loc);
    bool Objects(ByteReader& in, size_t base, uint32_t count);
    void SubRecords(ByteReader& in, size_t base);
    void Hero(const Frame& hero);
    void SkipHeroData(ByteReader& in);
    void Villains(const Frame& vils);

    const std::vector<uint8_t>& data_;
    ChunkDump dump_;
};

bool Walker::ReadFrame(size_t at, size_t end, int depth, Frame& frame) {
    if (end - at < kChunkFrame) {
        Damaged(depth, at, std::to_string(end - at) + " bytes, too few for a chunk");
        return false;
    }
    frame.tag.assign(reinterpret_cast<const char*>(data_.data()) + at, 4);
    frame.at = at;
    frame.length = LoadU32(data_.data() + at + 4);
    frame.version = LoadU32(data_.data() + at + 8);
    if (frame.length < 4 || frame.length > end - at - 8) {  // the version at least
        Damaged(depth, at,
                "chunk \"" + Printable(frame.tag) + "\" claims " + std::to_string(frame.length) +
                    " bytes where " + std::to_string(end - at - 8) + " are left");
        return false;
    }
    return true;
}

bool Walker::ReadExpected(const char* tag, size_t at, size_t end, int depth, Frame& frame) {
    if (!ReadFrame(at, end, depth, frame)) return false;
    if (frame.tag == tag) return true;
    Damaged(depth, at,
            std::string("expected \"") + tag + "\", found \"" + Printable(frame.tag) + "\"");
    return false;
}

// The chunk's line; false when its version has a layout the walk does not know.
bool Walker::ChunkLine(const Frame& frame, int depth) {
    char text[96];
    std::snprintf(text, sizeof text, "  offset %zu  length %u  version %u", frame.at, frame.length,
                  frame.version);
    Line(depth, Printable(frame.tag) + text);
    if (frame.version == 0) return true;
    Unknown(depth + 1, frame.body(), "the fields of version " + std::to_string(frame.version));
    return false;
}

template <class Reading>
void Walker::Fields(const Frame& frame, int depth, const char* failure, Reading read) {
    ByteReader in(data_.data() + frame.body(), frame.end() - frame.body(), failure);
    try {
        read(in);
    } catch (const EngineError& error) {
        Damaged(depth, frame.body() + in.position(), error.what());
    }
}

void Walker::Locations(const Frame& locs) {
    if (!ChunkLine(locs, 0)) return;
    Fields(locs, 1, "the continent count is cut short", [&](ByteReader& in) {
        const uint32_t count = in.U32();
        for (uint32_t i = 0; i < count; ++i) {
            Frame loc;
            if (!ReadExpected("loc ", locs.body() + in.position(), locs.end(), 1, loc)) return;
            Location(loc);
            in.Seek(loc.end() - locs.body());
        }
        if (in.remaining() > 0) {
            Unknown(1, locs.body() + in.position(),
                    std::to_string(in.remaining()) + " bytes after the last loc record");
        }
    });
}

void Walker::Location(const Frame& loc) {
    if (!ChunkLine(loc, 1)) return;
    Fields(loc, 2, "the loc record ends inside its fields", [&](ByteReader& in) {
        const uint32_t objects = in.U32();
        const std::string id = in.Text(kLocationId);
        if (id[0] == '\0') {
            // A continent slot the rules leave empty: the game reads no more.
            if (in.remaining() > 0) {
                Unknown(2, loc.body() + in.position(),
                        std::to_string(in.remaining()) + " bytes in an empty slot");
            }
            return;
        }
        const size_t terrainAt = loc.body() + in.position();
        const uint32_t terrain = in.U32();
        if (terrain != kTerrainBytes) {
            Damaged(2, terrainAt, "terrain of " + std::to_string(terrain) + " bytes, not 4096");
            return;
        }
        in.Skip(kTerrainBytes);
        if (Objects(in, loc.body(), objects)) SubRecords(in, loc.body());
    });
}

// What each saved object type writes after its base fields, which carry no
// length: "s" a stored string, "i" a 32-bit number, "b" a byte, "r" a
// castle's ruler type, followed by the villain's number byte for "Vil".
const char* OwnFields(const std::string& type) {
    static const std::map<std::string, const char*> fields = {
        {"Enemy", "s"},      {"Join", "s"},   {"RndBonus", ""}, {"Art", ""},
        {"Teleport", "ii"},  {"ShowMap", ""}, {"NextMap", "s"}, {"Recr", "si"},
        {"TeachSpell", "i"}, {"Sail", "b"},   {"King", ""},     {"Castle", "isr"},
        {"Town", "ssb"}};
    const auto found = fields.find(type);
    return found == fields.end() ? nullptr : found->second;
}

// False when an object of a type or version the walk does not know stops it.
bool Walker::Objects(ByteReader& in, size_t base, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = base + in.position();
        const uint8_t version = in.U8();
        const std::string type = StoredString(in);
        const std::string name = StoredString(in);
        const int32_t x = in.I32();
        const int32_t y = in.I32();
        std::string line = "object  offset " + std::to_string(at) + "  version " +
                           std::to_string(version) + "  type " + Printable(type) + "  name " +
                           Printable(name) + "  cell " + std::to_string(x) + "," +
                           std::to_string(y);
        const char* own = OwnFields(type);
        if (!own || version != 0) {
            Line(2, line);
            Unknown(2, base + in.position(),
                    "the fields of a \"" + Printable(type) + "\" object, then the rest of " +
                        std::to_string(count - i) + " objects and the sub-records");
            return false;
        }
        for (const char* field = own; *field; ++field) {
            if (*field == 's') line += "  " + Printable(StoredString(in));
            if (*field == 'i') line += "  " + std::to_string(in.I32());
            if (*field == 'b') line += "  " + std::to_string(in.U8());
            if (*field == 'r') {
                const std::string ruler = StoredString(in);
                line += "  " + Printable(ruler);
                if (ruler == "Vil") line += "  " + std::to_string(in.U8());
            }
        }
        Line(2, line);
    }
    return true;
}

void Walker::SubRecords(ByteReader& in, size_t base) {
    while (in.remaining() > 0) {
        const size_t at = base + in.position();
        const std::string tag = in.Text(4);
        const uint32_t size = in.U32();
        if (size > in.remaining()) {
            Damaged(2, at,
                    "sub-record \"" + Printable(tag) + "\" claims " + std::to_string(size) +
                        " bytes where " + std::to_string(in.remaining()) + " are left");
            return;
        }
        if (tag != "Stop" && tag != "Pos0") {
            Unknown(2, at,
                    "sub-record \"" + Printable(tag) + "\" of " + std::to_string(size) + " bytes");
        } else {
            Line(2, tag + "  offset " + std::to_string(at) + "  length " + std::to_string(size));
            const bool fits =
                tag == "Pos0" ? size >= kPos0Size
                              : size >= 4 && LoadU32(in.data() + in.position()) <= (size - 4) / 8;
            if (!fits) {
                Damaged(3, at + kSubFrame,
                        "its fields do not fit its " + std::to_string(size) + " bytes");
            }
        }
        in.Skip(size);
    }
}

// The hero's own data, up to where "SPLS" begins.
void Walker::SkipHeroData(ByteReader& in) {
    in.Skip(kHeroBeforeCounts);
    const uint16_t villains = in.U16();
    const uint16_t artifacts = in.U16();
    in.Skip(kHeroAfterCounts);
    in.Skip(size_t{in.U16()} * 2);                 // the name, UTF-16
    for (int i = 0; i < 3; ++i) StoredString(in);  // class, title, instant army unit
    in.Skip(size_t{villains} * 4);                 // villains caught
    for (int i = 0; i < artifacts; ++i) StoredString(in);
    StoredString(in);  // the army
}

void Walker::Hero(const Frame& hero) {
    if (!ChunkLine(hero, 0)) return;
    Fields(hero, 1, "the hero's data runs past the HERO chunk", [&](ByteReader& in) {
        SkipHeroData(in);
        Frame spells;
        if (!ReadExpected("SPLS", hero.body() + in.position(), hero.end(), 1, spells)) return;
        ChunkLine(spells, 1);
        if (spells.end() < hero.end()) {
            Unknown(1, spells.end(),
                    std::to_string(hero.end() - spells.end()) + " bytes after SPLS");
        }
    });
}

// One line a villain: his number, seen flag, army and castle.
void Walker::Villains(const Frame& vils) {
    if (!ChunkLine(vils, 0)) return;
    Fields(vils, 1, "the villain records run past the VILS chunk", [&](ByteReader& in) {
        const uint32_t count = in.U32();
        for (uint32_t i = 0; i < count; ++i) {
            const size_t at = vils.body() + in.position();
            const unsigned number = in.U8();
            const unsigned seen = in.U8();
            const std::string army = StoredString(in);
            const std::string castle = StoredString(in);
            Line(1, "villain  offset " + std::to_string(at) + "  number " + std::to_string(number) +
                        "  seen " + std::to_string(seen) + "  army " + Printable(army) +
                        "  castle " + Printable(castle));
        }
        if (in.remaining() > 0) {
            Unknown(1, vils.body() + in.position(),
                    std::to_string(in.remaining()) + " bytes after the last villain");
        }
    });
}

ChunkDump Walker::Walk() {
    for (size_t at = 0; at < data_.size();) {
        Frame chunk;
        if (!ReadFrame(at, data_.size(), 0, chunk)) break;
        if (chunk.tag == "LOCS") {
            Locations(chunk);
        } else if (chunk.tag == "HERO") {
            Hero(chunk);
        } else if (chunk.tag == "VILS") {
            Villains(chunk);
        } else {
            const bool known = chunk.tag == "TIME";  // nothing nested
            if (ChunkLine(chunk, 0) && !known) {
                Unknown(1, chunk.body(), "the fields of an unknown chunk");
            }
        }
        at = chunk.end();
    }
    return dump_;
}

}  // namespace

ChunkDump DumpGameData(const std::vector<uint8_t>& data) {
    return Walker(data).Walk();
}

}  // namespace cv::tools
