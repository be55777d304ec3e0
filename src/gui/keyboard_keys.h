#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gui/text_button.h"

namespace cv {

class VirtualKeyboard;

// A key of the virtual keyboard: a text button sized to its caption plus 4
// pixels each way, placed at an offset within its keyboard.
class KeyboardKey : public TextButton {
public:
    void paint() override;
    // Shows the caption the partition's mode asks for.
    virtual void showMode(const std::string& mode);
    virtual Size naturalSize() const;

    Point offset() const { return offset_; }
    void setOffset(Point offset) { offset_ = offset; }

protected:
    // The colour slot of the caption: that of the state.
    virtual int captionSlot() const { return shownState(); }
    // Hands the character to the outermost form, as if typed on a keyboard.
    void type(char16_t ch);
    VirtualKeyboard* keyboard() const;

private:
    Point offset_;
};

// Types the character of the current mode (the default mode's when the mode
// has none of its own).
class CharKey : public KeyboardKey {
public:
    using Entry = std::pair<std::string, char16_t>;  // mode name, character
    explicit CharKey(std::vector<Entry> entries);

    void click() override;
    void showMode(const std::string& mode) override;
    Size naturalSize() const override;

    char16_t characterFor(const std::string& mode) const;
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
    char16_t shown_ = 0;
};

// A fixed-width key that types one control or blank character.
class TypingKey : public KeyboardKey {
public:
    TypingKey(const std::u16string& caption, char16_t ch, int width);
    void click() override;
    Size naturalSize() const override;

private:
    char16_t ch_;
    int width_;
};

// Switches the keyboard into its mode, or back to the default mode when that
// mode is already on; shows itself selected while its mode is on.
class ModeKey : public KeyboardKey {
public:
    // `flag` is "#" or "@": kept, with no meaning of its own.
    ModeKey(const std::u16string& caption, std::string mode, char16_t flag);
    void click() override;
    void showMode(const std::string& mode) override;

    const std::string& mode() const { return mode_; }
    char16_t flag() const { return flag_; }

protected:
    int captionSlot() const override;

private:
    std::string mode_;
    char16_t flag_;
    bool on_ = false;
};

// Shows the next partition; its caption names that partition.
class SwitchKey : public KeyboardKey {
public:
    void click() override;
    Size naturalSize() const override;
    // `next`: the partition it shows; `width`: the longest partition name's.
    void setTarget(size_t next, const std::u16string& name, int width);

private:
    size_t next_ = 0;
    int width_ = 0;
};

}  // namespace cv
