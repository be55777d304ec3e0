#include "mapgen/map_preview.h"

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "core/file_stream.h"

namespace cv::tool {
namespace {

constexpr int kGrid = 64;
constexpr int kContinentPixels = kGrid * MapPicture::kCellPixels;
constexpr int kGap = 8;

struct Colour {
    uint8_t r, g, b;
};

constexpr Colour Rgb(uint32_t value) {
    return {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value)};
}

// Close to the small-map colours of the rules' terrain palette.
Colour TileColour(uint8_t tile) {
    if (tile == 0) return Rgb(0x2050B0);
    if (tile == 2 || (tile >= 20 && tile <= 31)) return Rgb(0x8C7860);
    if (tile == 5 || (tile >= 32 && tile <= 43)) return Rgb(0x206020);
    if (tile == 4 || (tile >= 44 && tile <= 55)) return Rgb(0x6E7A3C);
    if (tile >= 56 && tile <= 66) return Rgb(0xD8C888);
    if (tile == 13) return Rgb(0x707070);  // the gate
    if (tile >= 7 && tile <= 12) return Rgb(0xC0C0C0);
    return Rgb(0x50A040);
}

struct Marker {
    const char* node;
    Colour colour;
};

// What each list of a continent is marked with.
constexpr Marker kMarkers[] = {{"Bonuses", Rgb(0xFFE000)},
                               {"Armies", Rgb(0xE02020)},
                               {"Towns", Rgb(0xFF40FF)},
                               {"Castles", Rgb(0x202020)},
                               {"Misc", Rgb(0x00E0E0)}};

class Canvas {
public:
    explicit Canvas(MapPicture& picture) : picture_(picture) {}

    void Fill(int x, int y, int size, Colour colour) {
        for (int row = y; row < y + size; ++row) {
            for (int column = x; column < x + size; ++column) {
                uint8_t* pixel = &picture_.rgb[(row * picture_.width + column) * 3];
                pixel[0] = colour.r;
                pixel[1] = colour.g;
                pixel[2] = colour.b;
            }
        }
    }

private:
    MapPicture& picture_;
};

std::string ReadFile(const std::string& path) {
    Ref<FileStream> file = MakeRef<FileStream>(path, 'r');
    return ReadAll(*file);
}

void DrawTerrain(Canvas& canvas, int left, const std::string& bytes) {
    for (int row = 0; row < kGrid; ++row) {
        for (int x = 0; x < kGrid; ++x) {
            const uint8_t tile = static_cast<uint8_t>(bytes[row * kGrid + x]) & 0x7F;
            canvas.Fill(left + x * MapPicture::kCellPixels, row * MapPicture::kCellPixels,
                        MapPicture::kCellPixels, TileColour(tile));
        }
    }
}

void DrawMarkers(Canvas& canvas, int left, const std::string& id, Dispatcher* continent) {
    const std::string requester = "Location " + id;
    for (const Marker& marker : kMarkers) {
        Dispatcher* list = FindNode(continent, marker.node);
        if (!list) continue;
        for (const auto& [name, item] : list->children()) {
            Dispatcher* entry = item->AsDispatcher();
            int32_t x = 0, y = 0;
            GetInt(requester, entry, "X", x);
            GetInt(requester, entry, "Y", y);
            if (x < 0 || x >= kGrid || y < 0 || y >= kGrid) continue;
            canvas.Fill(left + x * MapPicture::kCellPixels + 1,
                        (kGrid - 1 - y) * MapPicture::kCellPixels + 1, MapPicture::kCellPixels - 2,
                        marker.colour);
        }
    }
}

}  // namespace

MapPicture DrawMapSet(const std::string& folder) {
    Dispatcher root;
    Parse(root, ReadFile(folder + "\\map.ini"));
    Dispatcher* maps = FindNode(&root, "Maps");
    if (!maps) FatalError("'Maps' Object not found in global Root");
    int count = 0;
    for (const auto& [id, item] : maps->children()) {
        int32_t index = 0;
        GetInt("Location " + id, item->AsDispatcher(), "Index", index);
        if (index < 0 || index > 15)
            FatalError("Invalid Index=%d in map '%s'", index + 1, id.c_str());
        count = std::max(count, index + 1);
    }
    MapPicture picture;
    picture.width = count * kContinentPixels + std::max(count - 1, 0) * kGap;
    picture.height = kContinentPixels;
    picture.rgb.assign(static_cast<size_t>(picture.width) * picture.height * 3, 255);
    Canvas canvas(picture);
    for (const auto& [id, item] : maps->children()) {
        Dispatcher* continent = item->AsDispatcher();
        int32_t index = 0;
        GetInt("Location " + id, continent, "Index", index);
        const std::string path = folder + "\\Terr\\" + id + ".cvmap";
        const std::string bytes = ReadFile(path);
        if (bytes.size() != kGrid * kGrid) FatalError("Invalid map size: %s", path.c_str());
        const int left = index * (kContinentPixels + kGap);
        DrawTerrain(canvas, left, bytes);
        DrawMarkers(canvas, left, id, continent);
    }
    return picture;
}

}  // namespace cv::tool
