#include "gfx/font_registry.h"

#include <map>

#include "gfx/graphics_device.h"

namespace cv {
namespace {

std::map<std::string, Ref<Font>>& Registry() {
    static std::map<std::string, Ref<Font>> fonts;
    return fonts;
}

}  // namespace

void RegisterFont(const std::string& name, Ref<Font> font) {
    Registry()[name] = std::move(font);
}

Font* FindFont(const std::string& name) {
    auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second.get();
}

void ResetFonts() {
    Registry().clear();
}

Point JustifiedPosition(Size size, const Rect& rect, const std::string& justification) {
    const char across = justification.size() > 0 ? justification[0] : 'L';
    const char down = justification.size() > 1 ? justification[1] : 'T';
    Point p{rect.x, rect.y};
    if (across == 'C') p.x = rect.x + rect.width / 2 - size.width / 2;
    if (across == 'R') p.x = rect.x + rect.width - size.width - 1;
    if (down == 'C') p.y = rect.y + rect.height / 2 - size.height / 2;
    if (down == 'B') p.y = rect.y + rect.height - size.height - 1;
    return p;
}

void drawTextIn(const std::u16string& text, const Rect& rect, const std::string& justification,
                Font* font) {
    if (!font) font = FindFont("Default");
    IPainter* painter = CurrentPainter();
    if (!font || !painter) return;
    font->drawText(*painter, JustifiedPosition(font->getTextSize(text), rect, justification), text);
}

}  // namespace cv
