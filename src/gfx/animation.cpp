#include "gfx/animation.h"

#include <map>
#include <numeric>

#include "app/app_globals.h"
#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/resource_groups.h"
#include "gfx/image_cache.h"

namespace cv {
namespace {

struct TableEntry {
    std::string firstFrame;
    int delay = 1;
    int count = 1;
};

std::map<std::string, TableEntry>& Table() {
    static std::map<std::string, TableEntry> table;
    return table;
}

int IntOr(Dispatcher* node, const std::string& name, int fallback) {
    int32_t value = fallback;
    if (Value* v = FindValue(node, name)) v->GetInt(value);
    return value;
}

// The entry `node` holds under `name`; false when it names no first frame.
bool ReadEntry(Dispatcher* node, const std::string& name) {
    Value* first = node ? FindValue(node, "Name1st") : nullptr;
    TableEntry entry;
    if (!first || !first->GetString(entry.firstFrame)) return false;
    entry.delay = IntOr(node, "Delay", 1);
    entry.count = IntOr(node, "Count", 1);
    Table()[name] = entry;
    return true;
}

Ref<Animation> BuildAnimation(std::string name, int count, int delay) {
    Ref<Animation> animation = MakeRef<Animation>();
    for (int i = 0; i < count; ++i) {
        animation->addFrame(delay, loadImage(name));
        if (AnimationsDisabled()) break;
        name = NextFrameName(std::move(name));
    }
    return animation;
}

}  // namespace

bool& AnimationsDisabled() {
    static bool disabled = false;
    return disabled;
}

void Animation::addFrame(int delay, Ref<Sprite> sprite) {
    frames_.push_back({delay, std::move(sprite)});
}

void Animation::setPosition(Point position) {
    if (position == position_) return;
    position_ = position;
    RedrawRequested() = true;
}

void Animation::setMode(int mode) {
    if (mode == mode_) return;
    mode_ = mode;
    RedrawRequested() = true;
}

void Animation::setFrame(int index) {
    if (index == index_ || index < 0 || index >= frameCount()) return;
    index_ = index;
    RedrawRequested() = true;
}

void Animation::paint() const {
    if (index_ < frameCount()) frames_[index_].sprite->draw(position_, mode_);
}

void Animation::tick() {
    if (paused_ || AnimationsDisabled() || frames_.empty()) return;
    if (--ticksLeft_ > 0) return;
    const int previous = index_;
    index_ = (index_ + 1) % frameCount();
    ticksLeft_ = frames_[index_].delay;
    if (index_ != previous) RedrawRequested() = true;
}

int Animation::getDuration() const {
    return std::accumulate(frames_.begin(), frames_.end(), 0,
                           [](int sum, const Frame& f) { return sum + f.delay; });
}

std::string NextFrameName(std::string name) {
    for (size_t i = name.size(); i-- > 0;) {
        if (++name[i] <= '9') break;
        name[i] = '0';
    }
    return name;
}

Ref<Animation> createAnimation(const std::string& firstFrame, int count) {
    return BuildAnimation(firstFrame, count, 1);
}

Ref<Animation> createAnimationById(const std::string& name) {
    auto it = Table().find(name);
    if (it == Table().end()) return nullptr;
    return BuildAnimation(it->second.firstFrame, it->second.count, it->second.delay);
}

void LoadAnimationTable() {
    Dispatcher root;
    Parse(root, ReadAll(*OpenResourceOrFail("anim.ini")));
    Table().clear();
    for (const auto& [name, item] : root.children()) {
        Dispatcher* node = item->AsDispatcher();
        if (!node || ReadEntry(node, name)) continue;
        // A group: a name in the file cannot hold the ":" of "Army:<unit>".
        for (const auto& [inner, child] : node->children()) {
            ReadEntry(child->AsDispatcher(), name + ":" + inner);
        }
    }
}

void RegisterStillAnimation(const std::string& name, const std::string& picture) {
    Table().try_emplace(name, TableEntry{picture, 1, 1});
}

std::vector<std::string> AnimationNames() {
    std::vector<std::string> names;
    for (const auto& [name, entry] : Table()) names.push_back(name);
    return names;
}

}  // namespace cv
