#include "gfx/image_cache.h"

#include <map>

#include "core/resource_groups.h"
#include "gfx/graphics_device.h"

namespace cv {
namespace {

std::map<std::string, Ref<Sprite>>& Cache() {
    static std::map<std::string, Ref<Sprite>> cache;
    return cache;
}

}  // namespace

std::string& ImageExtension() {
    static std::string extension = ".tga";
    return extension;
}

Ref<Sprite> getImage(const std::string& name) {
    auto& cache = Cache();
    if (auto it = cache.find(name); it != cache.end()) return it->second;
    Ref<Sprite> sprite = loadImage(name);
    cache.emplace(name, sprite);
    return sprite;
}

void purgeImages() {
    auto& cache = Cache();
    for (auto it = cache.begin(); it != cache.end();) {
        it = it->second->useCount() == 1 ? cache.erase(it) : std::next(it);
    }
}

Ref<Sprite> loadImage(const std::string& name) {
    Ref<Stream> stream = OpenResourceOrFail(name + ImageExtension());
    IGraphicsDevice* device = GraphicsDevice();
    Ref<Sprite> sprite = device ? device->createSprite() : MakeRef<Sprite>();
    sprite->load(*stream);
    return sprite;
}

int BuildModeOfName(const std::string& name) {
    const size_t slash = name.find_last_of("\\/");
    const char first = name[slash == std::string::npos ? 0 : slash + 1];
    return first == '#' ? kBuildOpaque : first == '$' ? kBuildScreen : kBuildAlpha;
}

}  // namespace cv
