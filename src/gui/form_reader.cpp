#include "gui/form_reader.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/resource_groups.h"
#include "gfx/image_cache.h"
#include "gui/image_widget.h"
#include "gui/picture_button.h"

namespace cv {
namespace {

// Reads `count` integers separated by "," (blanks before a number allowed,
// anything after the last one ignored); false when one is missing or does
// not fit in 32 bits.
bool ParseInts(const std::string& text, int count, std::vector<int64_t>& out) {
    const char* at = text.c_str();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && *at++ != ',') return false;
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(at, &end, 10);
        if (end == at || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return false;
        out.push_back(value);
        at = end;
    }
    return true;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Splits at the first separator; false when there is none.
bool Split(const std::string& line, char separator, std::string& key, std::string& value) {
    const size_t at = line.find(separator);
    if (at == std::string::npos) return false;
    key = Trim(line.substr(0, at));
    value = Trim(line.substr(at + 1));
    return true;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// The colour slot of a "Color" state name, or -1.
int ColorSlotOf(const std::string& state) {
    if (state == "Norm") return kColorNorm;
    if (state == "Select") return kColorSelect;
    if (state == "Pressed") return kColorPressed;
    if (state == "Gray") return kColorGray;
    return -1;
}

// The button state of a picture key, or -1.
int PictureStateOf(const std::string& key) {
    if (key == "Norm") return Button::kNormal;
    if (key == "Select") return Button::kSelected;
    if (key == "Pressed") return Button::kPressed;
    if (key == "Gray") return Button::kGrey;
    return -1;
}

class FormReader {
public:
    FormReader(Form& form, std::string folder) : form_(form), folder_(std::move(folder)) {}

    void read(const std::string& bytes) {
        for (const std::string& line : Lines(bytes)) readLine(Trim(line));
        if (hasTabOrder_) form_.applyTabOrder(tabOrder_);
        form_.onLoaded();
    }

private:
    void readLine(const std::string& line) {
        if (block_ && line == "END") {
            block_ = nullptr, button_ = nullptr;
            return;
        }
        std::string key, value;
        if (!Split(line, block_ ? ':' : '=', key, value)) return;
        if (!block_) return readTopLevel(key, value);
        if (key == "Bounds") {
            if (auto rect = ParseFormRect(value)) block_->setBounds(*rect);
        } else if (button_) {
            readButtonKey(key, value);
        }
    }

    void readTopLevel(const std::string& key, const std::string& value) {
        if (key == "Back") {
            form_.setBackground(loadImage(folder_ + value));
        } else if (key == "TabOrder") {
            tabOrder_ = value, hasTabOrder_ = true;
        } else if (key == "DefaultButton") {
            form_.setDefaultButton(value);
        } else if (key == "Color") {
            readColor(value);
        } else if (key == "Layer") {
            Ref<Image> layer = MakeRef<Image>();
            layer->setPicture(getImage(folder_ + value));
            enter(layer, value, false);
        } else if (key == "ButtonImg") {
            enter(MakeRef<PictureButton>(), value, true);
        } else if (key.rfind("Item:", 0) == 0) {
            enter(form_.createWidget(key.substr(5)), value, true);
        }
    }

    // Adds the element, names it and reads its block.
    void enter(Ref<GuiElement> element, const std::string& name, bool named) {
        form_.addChild(element);
        if (named) element->setName(name);
        block_ = element;
        button_ = dynamic_cast<PictureButton*>(element.get());
    }

    void readColor(const std::string& value) {
        const size_t hash = value.find('#');
        if (hash == std::string::npos) return;
        const int slot = ColorSlotOf(value.substr(0, hash));
        const char* digits = value.c_str() + hash + 1;
        char* end = nullptr;
        const unsigned long colour = std::strtoul(digits, &end, 16);
        if (slot < 0 || end == digits || *digits == '-' || *digits == '+') return;
        form_.setColor(slot, static_cast<uint32_t>(colour));
    }

    void readButtonKey(const std::string& key, const std::string& value) {
        if (key == "Org") {
            if (auto point = ParseFormPoint(value)) button_->setOrigin(*point);
        } else if (int state = PictureStateOf(key); state >= 0) {
            button_->setPicture(state, getImage(folder_ + value));
        }
    }

    Form& form_;
    std::string folder_;
    Ref<GuiElement> block_;
    PictureButton* button_ = nullptr;
    std::string tabOrder_;
    bool hasTabOrder_ = false;
};

}  // namespace

std::optional<Rect> ParseFormRect(const std::string& text) {
    std::vector<int64_t> v;
    if (!ParseInts(text, 4, v) || v[2] < v[0] || v[3] < v[1]) return std::nullopt;
    const int64_t width = v[2] - v[0] + 1, height = v[3] - v[1] + 1;
    if (width > INT32_MAX || height > INT32_MAX) return std::nullopt;
    return Rect{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(width),
                static_cast<int>(height)};
}

std::optional<Point> ParseFormPoint(const std::string& text) {
    std::vector<int64_t> v;
    if (!ParseInts(text, 2, v)) return std::nullopt;
    return Point{static_cast<int>(v[0]), static_cast<int>(v[1])};
}

void loadForm(Form& form, const std::string& name) {
    if (form.name().empty()) form.setName(name);
    const std::string folder = "Forms\\" + name + "\\";
    Ref<Stream> stream = OpenResourceOrFail(folder + "form.txt");
    FormReader(form, folder).read(ReadAll(*stream));
}

}  // namespace cv
