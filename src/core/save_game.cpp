#include "core/save_game.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "core/language.h"
#include "core/save_damage.h"
#include "core/save_format.h"
#include "core/save_recovery.h"
#include "core/settings.h"
#include "core/zlib_codec.h"
#include "platform/platform.h"
#include "platform/utf.h"

namespace cv {
namespace {

constexpr size_t kDeflatePiece = 8192;

platform::LocalTime Now() {
    return platform::HasCurrent() ? platform::Current().Now() : platform::SystemLocalTime();
}

std::vector<SaveInfoRecord> InfoRecordsOf(const SaveSummary& summary) {
    std::u16string name = GetText("<NAME> the <TITLE>");
    ReplacePlaceholder(name, u"<NAME>", summary.heroName);
    ReplacePlaceholder(name, u"<TITLE>", summary.rankTitle);
    return {{"Name", name},
            {"Class", Utf8ToUtf16(summary.heroClass)},
            {"Difficulty", Utf8ToUtf16(std::to_string(summary.difficulty))},
            {"Days Left", Utf8ToUtf16(std::to_string(summary.daysLeft))},
            {"Week", Utf8ToUtf16(std::to_string(summary.week))}};
}

// The old save becomes the backup, so a failed write loses nothing.
void KeepBackup(const std::string& name) {
    const std::string save = SavePath(name), backup = BackupPath(name);
    if (!FileExists(save)) return;
    std::remove(backup.c_str());
    if (std::rename(save.c_str(), backup.c_str()) != 0) {
        FatalError("Write error in %s", backup.c_str());
    }
}

uint32_t Position32(Stream& out) {
    const int64_t position = out.Tell();
    if (position > INT64_C(0xFFFFFFFF)) FatalError("Write error in %s", out.Name().c_str());
    return static_cast<uint32_t>(position);
}

void WriteGameData(Stream& out, const SaveableGame& game) {
    MemoryStream data;
    ChunkWriter chunks(data);
    game.WriteChunks(chunks);
    WritePackedBlock(out, data.Data(), data.bytes().size(), kDeflatePiece);
}

// The file names of the game folder's saves as they are on disk: the
// extension ".sav" in any case ("2.SAV" copied from another system).
std::vector<std::string> SaveFileNames() {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code error;
    const fs::path folder = SaveDir().empty() ? fs::path(".") : fs::path(SaveDir());
    fs::directory_iterator it(folder, error), end;
    for (; !error && it != end; it.increment(error)) {
        std::string extension = it->path().extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::error_code typeError;
        if (extension == ".sav" && it->is_regular_file(typeError)) {
            files.push_back(it->path().filename().string());
        }
    }
    return files;
}

std::string StemOf(const std::string& file) {
    return file.substr(0, file.size() - 4);
}

}  // namespace

std::string SavePath(const std::string& name) {
    const std::string written = SaveDir() + name + ".sav";
    if (FileExists(written)) return written;
    for (const std::string& file : SaveFileNames()) {
        if (StemOf(file) == name) return SaveDir() + file;
    }
    return written;
}

// Not resolved on disk: the old save, whatever its case, is renamed to this,
// and the new save written as name + ".sav" finds it again to remove it.
std::string BackupPath(const std::string& name) {
    return SaveDir() + name + ".sav.bak";
}

std::string NewSaveName() {
    const std::vector<std::string> taken = ListSaves();
    for (int n = 1;; ++n) {
        const std::string name = std::to_string(n);
        if (std::find(taken.begin(), taken.end(), name) == taken.end()) return name;
    }
}

void SaveGame(const SaveableGame& game, std::string& name) {
    if (name.empty()) name = NewSaveName();
    RecoverInterruptedSave(name);
    KeepBackup(name);
    Ref<FileStream> file = MakeRef<FileStream>(SavePath(name), 'c');
    file->Open();
    const platform::LocalTime now = Now();
    SaveHeader header;
    header.date = static_cast<uint32_t>(now.year * 65536 + (now.month - 1) * 256 + now.day - 1);
    header.time = static_cast<uint32_t>(now.hour * 256 + now.minute);
    WriteSaveHeader(*file, header);
    ChunkWriter(*file).StoredString(CurrentLanguageFile());
    header.infoOffset = Position32(*file);
    for (const SaveInfoRecord& record : InfoRecordsOf(game.Summary())) {
        WriteSaveInfoRecord(*file, record);
    }
    header.infoLength = Position32(*file) - header.infoOffset;
    header.dataOffset = Position32(*file);
    WriteGameData(*file, game);
    header.dataLength = Position32(*file) - header.dataOffset;
    header.totalLength = static_cast<uint32_t>(file->Size());
    file->Seek(0);
    WriteSaveHeader(*file, header);
    file->Close();
    std::remove(BackupPath(name).c_str());
}

void LoadGame(const std::string& name, SaveableGame& game) {
    RecoverInterruptedSave(name);
    const std::string path = SavePath(name);
    Ref<FileStream> file = MakeRef<FileStream>(path, 'r');
    SaveFileReader save(ReadingSave([&] { return ReadAll(*file); }), path);
    if (save.header().version > kSaveVersion) {
        throw DamagedSave(InvalidVersion(save.header().version, "Game Save data"));
    }
    const std::string language = save.LanguageFile();
    Ref<MemoryStream> data = save.GameData();
    ChunkReader chunks(*data);
    game.ReadChunks(chunks);
    // Only a save read whole changes the language: a damaged one leaves the
    // game in play as it was. Looked up where LoadLanguage will look, not in
    // the current language's group.
    if (LanguageFileExists(language)) LoadLanguage(language);
}

std::vector<std::string> ListSaves() {
    RecoverInterruptedSaves();
    std::vector<std::string> names;
    for (const std::string& file : SaveFileNames()) names.push_back(StemOf(file));
    return names;
}

void EraseSave(const std::string& name) {
    std::remove(SavePath(name).c_str());
    std::remove(BackupPath(name).c_str());
}

}  // namespace cv
