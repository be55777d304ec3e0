#include "core/save_info.h"

#include <cstdio>
#include <tuple>

#include "core/file_stream.h"
#include "core/save_format.h"
#include "core/save_game.h"
#include "platform/utf.h"

namespace cv {
namespace {

void ApplyRecord(SaveEntry& entry, const SaveInfoRecord& record) {
    if (record.key == "Name") {
        entry.displayName = record.value;
    } else if (record.key == "Class") {
        entry.portrait = "Img\\Heroes\\" + Utf16ToUtf8(record.value);
    } else if (record.key == "Difficulty") {
        entry.difficulty = record.value;
    } else if (record.key == "Days Left") {
        entry.daysLeft = record.value;
    } else if (record.key == "Week") {
        entry.week = record.value;
    }
}

}  // namespace

std::string SaveEntry::DateText() const {
    char text[64];
    std::snprintf(text, sizeof text, "%2d:%02d  %2d.%02d.%4d", hour, minute, day, month, year);
    return text;
}

bool SavedBefore(const SaveEntry& a, const SaveEntry& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second, a.millisecond) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second, b.millisecond);
}

SaveEntry ReadSaveInfo(const std::string& name) {
    const std::string path = SavePath(name);
    SaveFileReader save(MakeRef<FileStream>(path, 'r'), path);
    SaveEntry entry;
    entry.saveName = name;
    entry.displayName = Utf8ToUtf16(name);
    const std::string language = save.LanguageFile();
    entry.language = language.substr(0, language.find('.'));
    const SaveHeader& header = save.header();
    entry.year = static_cast<int>(header.date >> 16);
    entry.month = static_cast<int>((header.date >> 8) & 0xFF) + 1;
    entry.day = static_cast<int>(header.date & 0xFF) + 1;
    entry.hour = static_cast<int>(header.time >> 8);
    entry.minute = static_cast<int>(header.time & 0xFF);
    for (const SaveInfoRecord& record : save.InfoRecords()) ApplyRecord(entry, record);
    return entry;
}

}  // namespace cv
