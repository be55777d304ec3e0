#include "core/language.h"

#include "core/resource_groups.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "platform/utf.h"

namespace cv {
namespace {

struct LanguageState {
    LanguageTable table;
    std::string name;
    std::string file;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

std::string LanguageNameOf(const std::string& fileName) {
    return fileName.substr(0, fileName.find('.'));
}

}  // namespace

void LoadLanguage(const std::string& fileName) {
    LanguageState& state = State();
    state.name = LanguageNameOf(fileName);
    state.file = fileName;
    SelectGroup(state.name);
    state.table.clear();
    Ref<Stream> stream = OpenResourceOrFail(fileName);
    state.table = ParseLanguageFile(ReadAll(*stream), fileName);
    CfgSet("CurLanguage", state.name);
    CfgSave();
}

const std::string& CurrentLanguage() {
    return State().name;
}

const std::string& CurrentLanguageFile() {
    return State().file;
}

std::u16string GetText(const std::string& id) {
    const LanguageTable& table = State().table;
    auto found = table.find(id);
    return found != table.end() ? found->second : Utf8ToUtf16(id);
}

std::u16string GetText(const std::string& id, const std::string& qualifier) {
    const LanguageTable& table = State().table;
    auto found = table.find(id + "|" + qualifier);
    return found != table.end() ? found->second : GetText(id);
}

void ReplacePlaceholder(std::u16string& text, const std::u16string& placeholder,
                        const std::u16string& value) {
    size_t at = text.find(placeholder);
    if (placeholder.empty() || at == std::u16string::npos) return;
    text.replace(at, placeholder.size(), value);
}

void ReplacePlaceholder(std::u16string& text, const std::u16string& placeholder, int value) {
    ReplacePlaceholder(text, placeholder, Utf8ToUtf16(std::to_string(value)));
}

bool LanguageAvailable(size_t index) {
    if (index >= GroupCount()) return false;
    const std::string name = GroupName(index);
    ResourceGroup* group = FindGroup(name);
    return group && group->Open(name + ".lng.txt");
}

bool LanguageFileExists(const std::string& fileName) {
    for (ResourceGroup* group : {FindGroup(LanguageNameOf(fileName)), DefaultGroup()}) {
        if (group && group->Open(fileName)) return true;
    }
    return false;
}

const LanguageTable& LanguageTexts() {
    return State().table;
}

void ResetLanguage() {
    State() = LanguageState();
}

}  // namespace cv
