#pragma once

#include <string>

#include "core/language_file.h"

namespace cv {

// Loads a language file (found through the resource groups): the language
// name is the file name up to its first "."; its resource group becomes the
// current one; the table is replaced; "CurLanguage" is set and the CFG saved.
// A missing file ends with "Resource not found: %s".
void LoadLanguage(const std::string& fileName);

// "English" and "English.lng.txt" after loading that file; empty before.
const std::string& CurrentLanguage();
const std::string& CurrentLanguageFile();

// The text for `id`; with a qualifier ("F", a number's decimal text) the entry
// id + "|" + qualifier is preferred. Without any entry, the identifier itself.
std::u16string GetText(const std::string& id);
std::u16string GetText(const std::string& id, const std::string& qualifier);

// Replaces the first occurrence of `placeholder` ("<NAME>") with `value`; a
// text without it stays as it is.
void ReplacePlaceholder(std::u16string& text, const std::u16string& placeholder,
                        const std::u16string& value);
// A number goes in as its decimal text.
void ReplacePlaceholder(std::u16string& text, const std::u16string& placeholder, int value);

// True when the index-th resource group (name order) itself holds the file
// named after the group followed by ".lng.txt".
bool LanguageAvailable(size_t index);

// True when LoadLanguage(fileName) would find the file: in the language's own
// group or in the default group (whatever group is current now).
bool LanguageFileExists(const std::string& fileName);

// The loaded table, and a way back to no language at all (for tests).
const LanguageTable& LanguageTexts();
void ResetLanguage();

}  // namespace cv
