// A damaged save is refused with a message, from the title and from a running
// game, and the game in play goes on; only the rules still end the program.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/language.h"
#include "core/save_damage.h"
#include "gui/form_reader.h"
#include "screens/game_menu.h"
#include "screens/list_box.h"
#include "screens/load_game_dialog.h"
#include "screens_test_support.h"

namespace cv {
namespace {

using Bytes = std::vector<uint8_t>;
using test::Patched;
using test::U32At;

std::string Le32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

Bytes Cut(const Bytes& bytes, size_t size) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

// Adds `delta` to the 32-bit number at `at`.
Bytes Shifted(const Bytes& bytes, size_t at, int delta) {
    return Patched(bytes, at, Le32(U32At(bytes, at) + static_cast<uint32_t>(delta)));
}

size_t TagAt(const Bytes& chunks, const std::string& tag) {
    return static_cast<size_t>(std::search(chunks.begin(), chunks.end(), tag.begin(), tag.end()) -
                               chunks.begin());
}

// The save with its chunk stream changed and packed again, every length in
// the header matching, so that only the chunk is wrong.
Bytes WithChunks(const Bytes& save, const std::function<Bytes(const Bytes&)>& change) {
    const uint32_t data = U32At(save, 28);
    Bytes chunks(U32At(save, data));
    uLongf size = chunks.size();
    EXPECT_EQ(uncompress(chunks.data(), &size, save.data() + data + 4, save.size() - data - 4),
              Z_OK);
    chunks = change(chunks);
    uLongf packedSize = compressBound(chunks.size());
    Bytes packed(packedSize);
    EXPECT_EQ(compress(packed.data(), &packedSize, chunks.data(), chunks.size()), Z_OK);
    Bytes out = Cut(save, data);
    const std::string length = Le32(static_cast<uint32_t>(chunks.size()));
    out.insert(out.end(), length.begin(), length.end());
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
    out = Patched(out, 16, Le32(static_cast<uint32_t>(out.size())));
    return Patched(out, 32, Le32(static_cast<uint32_t>(out.size() - data)));
}

struct Damage {
    const char* part;
    std::function<Bytes(const Bytes&)> make;
    bool listedDamaged;  // the header or info records cannot be read
};

const Damage kDamages[] = {
    {"header one byte short", [](const Bytes& b) { return Cut(b, 47); }, true},
    {"language name cut short", [](const Bytes& b) { return Cut(b, 49); }, true},
    {"version 2", [](const Bytes& b) { return Patched(b, 12, Le32(2)); }, false},
    {"info block one byte past the file",
     [](const Bytes& b) {
         return Patched(b, 24, Le32(static_cast<uint32_t>(b.size() - U32At(b, 20) + 1)));
     },
     true},
    {"info block one byte short of its last record",
     [](const Bytes& b) { return Shifted(b, 24, -1); }, true},
    {"game data one byte past the file", [](const Bytes& b) { return Shifted(b, 32, 1); }, false},
    {"unpacked length one more", [](const Bytes& b) { return Shifted(b, U32At(b, 28), 1); }, false},
    {"unpacked length one less", [](const Bytes& b) { return Shifted(b, U32At(b, 28), -1); },
     false},
    {"compressed data's checksum",
     [](const Bytes& b) {
         return Patched(b, b.size() - 1, std::string(1, static_cast<char>(b.back() ^ 0x5A)));
     },
     false},
    {"a chunk's tag",
     [](const Bytes& b) {
         return WithChunks(b, [](const Bytes& c) { return Patched(c, TagAt(c, "HERO"), "HERX"); });
     },
     false},
    {"a chunk's version",
     [](const Bytes& b) {
         return WithChunks(b, [](const Bytes& c) { return Shifted(c, TagAt(c, "TIME") + 8, 1); });
     },
     false},
    {"the last chunk's length one past the data",
     [](const Bytes& b) {
         return WithChunks(b, [](const Bytes& c) { return Shifted(c, TagAt(c, "VILS") + 4, 1); });
     },
     false},
};

class DamagedSaves : public test::OnIsle {
protected:
    void SetUp() override {
        WriteForms({"LoadGame"});
        WritePictures({"Img/Heroes/Knight"});
        WritePackagedRules();
        OnIsle::SetUp();
        session->Save();
        const std::string saved = folder.Read("1.sav");
        good.assign(saved.begin(), saved.end());
        hero().SetGold(4321);  // not in the save: a load would lose it
    }
    void WriteSave(const Bytes& bytes) const {
        folder.Write("1.sav", std::string(bytes.begin(), bytes.end()));
    }
    // The list of saves as the title or the game menu opens it.
    Ref<Form> OpenList(DialogHost& host, bool fromGame) {
        if (fromGame) {
            Click(*OpenMenu(), "Load");
        } else {
            ShowLoadGame(host);
        }
        return Ref<Form>(host.dialog());
    }
    static std::u16string Listed(Form& list) {
        return dynamic_cast<ListBox&>(*list.findChild("GamesList")).items().at(0);
    }

    Bytes good;
};

TEST_F(DamagedSaves, AreRefusedWithAMessageAndTheGameInPlayGoesOn) {
    const std::u16string refused = u"This saved game is damaged and cannot be loaded.";
    const std::string language = CurrentLanguageFile();
    Ref<DialogHost> title = MakeRef<DialogHost>();
    for (const Damage& damage : kDamages) {
        for (bool fromGame : {false, true}) {
            SCOPED_TRACE(std::string(damage.part) +
                         (fromGame ? " from the game" : " from the title"));
            WriteSave(damage.make(good));
            DialogHost& host = fromGame ? static_cast<DialogHost&>(*adventure) : *title;
            Ref<Form> list = OpenList(host, fromGame);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(Listed(*list), damage.listedDamaged ? u"1 (damaged)" : u"Arthur the Squire");
            EXPECT_EQ(list->findChild("Status")->text() == refused, damage.listedDamaged);

            Click(*list, "Start Game");
            ASSERT_NE(host.dialog(), list.get()) << "no message";
            EXPECT_EQ(host.dialog()->findChild("Text")->text(), refused);
            Click(*host.dialog(), "Button0");
            EXPECT_EQ(host.dialog(), list.get()) << "not back at the list";
            EXPECT_EQ(Listed(*list), u"1 (damaged)");
            EXPECT_TRUE(list->findChild("Erase")->isEnabled());
            EXPECT_EQ(CurrentSession(), session.get());
            EXPECT_EQ(hero().gold(), 4321);
            EXPECT_EQ(CurrentLanguageFile(), language);
            Click(*list, "Cancel");
        }
    }
    // The same path loads the save when nothing is wrong with it.
    WriteSave(good);
    Click(*OpenList(*adventure, true), "Start Game");
    ASSERT_NE(CurrentSession(), session.get());
    EXPECT_NE(CurrentGame()->hero().gold(), 4321);
}

TEST_F(DamagedSaves, ADamagedEntryCanBeErased) {
    WriteSave(Cut(good, 47));
    Ref<DialogHost> title = MakeRef<DialogHost>();
    Ref<Form> list = OpenList(*title, false);
    Click(*list, "Erase");
    Click(*title->dialog(), "Button0");  // Yes
    EXPECT_FALSE(folder.Has("1.sav"));
    EXPECT_EQ(list->findChild("Title")->text(), u"No one save files found");
}

// The rules are the game's, not the player's: they still end the program.
TEST_F(DamagedSaves, ARulesErrorWhileLoadingIsNoDamagedSave) {
    WriteSave(good);
    std::filesystem::remove(folder / "cv.ini");
    Ref<Form> list = OpenList(*adventure, true);
    try {
        Click(*list, "Start Game");
        ADD_FAILURE() << "loaded without rules";
    } catch (const DamagedSave& error) {
        ADD_FAILURE() << "taken for a damaged save: " << error.what();
    } catch (const EngineError& error) {
        EXPECT_EQ(std::string(error.what()), "Resource not found: cv.ini");
    }
}

}  // namespace
}  // namespace cv
