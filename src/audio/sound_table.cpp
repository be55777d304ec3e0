#include "audio/sound_table.h"

#include <fstream>
#include <iterator>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/name_list.h"

namespace cv {
namespace {

// Each string value of the block `name`, by its key.
std::map<std::string, std::string> StringsOf(Dispatcher& root, const char* name,
                                             std::vector<std::string>& unknown) {
    std::map<std::string, std::string> strings;
    Dispatcher* block = FindNode(&root, name);
    if (!block) return strings;
    for (const auto& [key, item] : block->children()) {
        std::string text;
        Value* value = item->AsValue();
        if (value && value->GetString(text)) {
            strings[key] = text;
        } else {
            unknown.push_back(std::string(name) + "." + key);
        }
    }
    return strings;
}

void ReadUnitSounds(Dispatcher& root, const char* block, std::map<std::string, SoundEvent>& out,
                    std::vector<std::string>& unknown) {
    for (const auto& [unit, name] : StringsOf(root, block, unknown)) {
        if (const auto event = SoundEventNamed(name)) {
            out[unit] = *event;
        } else {
            unknown.push_back(name);
        }
    }
}

}  // namespace

SoundEvent SoundTable::StrikeOf(const std::string& unit, bool shot) const {
    const std::map<std::string, SoundEvent>& sounds = shot ? shots : strikes;
    const auto found = sounds.find(unit);
    if (found != sounds.end()) return found->second;
    return shot ? SoundEvent::ShotArrow : SoundEvent::StrikeBlade;
}

SoundTable ParseSoundTable(const std::string& text) {
    const Ref<Dispatcher> root = MakeRef<Dispatcher>();
    Parse(*root, text);
    SoundTable table;
    for (const auto& [name, file] : StringsOf(*root, "Sounds", table.unknown)) {
        if (const auto event = SoundEventNamed(name)) {
            table.files[static_cast<size_t>(*event)] = file;
        } else {
            table.unknown.push_back(name);
        }
    }
    for (const auto& [name, list] : StringsOf(*root, "Music", table.unknown)) {
        const auto mood = MusicMoodNamed(name);
        if (mood && *mood != MusicMood::None) {
            table.pieces[static_cast<size_t>(*mood)] = SplitNameList(list);
        } else {
            table.unknown.push_back(name);
        }
    }
    ReadUnitSounds(*root, "Strikes", table.strikes, table.unknown);
    ReadUnitSounds(*root, "Shots", table.shots, table.unknown);
    return table;
}

SoundTable ReadSoundTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return ParseSoundTable(std::string(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace cv
