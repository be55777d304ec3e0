#pragma once

#include <string>

namespace cv {

// A save as the load screen lists it.
struct SaveEntry {
    std::string saveName;
    std::u16string displayName;  // the "Name" record, else the save name
    std::string language;        // the save's language name ("English")
    std::string portrait;        // "Img\Heroes\" + the hero's class
    std::u16string difficulty;
    std::u16string daysLeft;
    std::u16string week;  // empty in saves written before it was recorded
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    // Its header or info records cannot be read: only the save name is known.
    bool damaged = false;

    // "%2d:%02d  %2d.%02d.%4d": hour, minute, day, month, year.
    std::string DateText() const;
};

// Earlier saving time first (year, month, day, hour, minute, second, ms).
bool SavedBefore(const SaveEntry& a, const SaveEntry& b);

// Reads the header, language and info records of the save `name`, never its
// game data (the load list opens every save). A save whose header or info
// records cannot be read throws DamagedSave.
SaveEntry ReadSaveInfo(const std::string& name);

}  // namespace cv
