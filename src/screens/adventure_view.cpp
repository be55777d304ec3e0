#include "screens/adventure_view.h"

#include "core/language.h"
#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/gui_element.h"

namespace cv {
namespace {

constexpr uint32_t kUnexploredColour = 0xFF000000u;
constexpr uint32_t kOverlayShade = 0xFF141A2Eu;
constexpr uint32_t kOverlayText = 0xFFEBD9A0u;
constexpr int kOverlayHeight = 150;

const char* const kHeroAnimations[] = {"MainHeroLand", "Sail", "MainHeroAir"};

void FillRect(const Rect& rect, uint32_t colour) {
    if (UsePaintColor(colour)) CurrentPainter()->fillRect(rect);
}

// The sprite's top-left corner that centres it in the rectangle.
Point CentredIn(const Sprite& sprite, const Rect& rect) {
    const Size size = sprite.getSize();
    return {rect.x + (rect.width - size.width) / 2, rect.y + (rect.height - size.height) / 2};
}

void DrawCentred(const std::string& picture, const Rect& rect) {
    const Ref<Sprite> sprite = getImage(picture);
    sprite->draw(CentredIn(*sprite, rect), kDrawPlain);
}

}  // namespace

Rect AdventureView::cellRect(int column, int row) const {
    const int width = area_.width / kCells, height = area_.height / kCells;
    return {area_.x + column * width, area_.y + row * height, width, height};
}

Cell AdventureView::MapCellAt(Cell hero, int column, int row) {
    return {hero.x - kCells / 2 + column, hero.y + kCells / 2 - row};
}

std::optional<Point> AdventureView::ViewCellOf(Cell hero, Cell cell) {
    const Point at{cell.x - hero.x + kCells / 2, hero.y + kCells / 2 - cell.y};
    if (at.x < 0 || at.x >= kCells || at.y < 0 || at.y >= kCells) return std::nullopt;
    return at;
}

std::vector<AdventureView::PlacedPicture> AdventureView::objectPictures(
    const RunningGame& game) const {
    std::vector<PlacedPicture> placed;
    const Cell hero = game.hero().position();
    for (const Ref<MapObj>& object : game.here().objects()) {
        const std::optional<Point> at = ViewCellOf(hero, object->cell());
        if (!at) continue;
        std::string picture = object->MapPicture(game);
        if (!picture.empty()) placed.push_back({std::move(picture), cellRect(at->x, at->y)});
    }
    return placed;
}

void AdventureView::setArrow(const std::string& name, const Rect& cell) {
    if (name == arrow_ && cell == arrowCell_) return;
    arrow_ = name;
    arrowCell_ = cell;
    requestRedraw();
}

void AdventureView::paint(const RunningGame& game) {
    const Hero& hero = game.hero();
    const Location& location = game.here();
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            paintCell(location, MapCellAt(hero.position(), column, row), cellRect(column, row));
        }
    }
    // After all the ground, so that a picture taller than its cell is not
    // cut by the next row's tile.
    for (const PlacedPicture& object : objectPictures(game))
        DrawCentred(object.picture, object.cell);
    paintHero(hero);
    if (!arrow_.empty()) DrawCentred(arrow_, arrowCell_);
    if (weekOverlay_) paintWeekOverlay(game.time());
}

// Beyond the continent lies open sea; unexplored land stays dark.
void AdventureView::paintCell(const Location& location, Cell cell, const Rect& rect) {
    const bool onMap = IsOnContinent(cell);
    if (onMap && !location.terrain().IsExplored(cell)) {
        FillRect(rect, kUnexploredColour);
        return;
    }
    const int kind = onMap ? location.TerrainAt(cell) : 0;
    terrainPicture(kind).draw({rect.x, rect.y}, kDrawPlain);
}

Sprite& AdventureView::terrainPicture(int kind) {
    if (kind < 0 || kind >= kTerrainKindCount) return *getImage(TerrainImageName(kind));
    Ref<Sprite>& picture = terrainPictures_[static_cast<size_t>(kind)];
    if (!picture) picture = getImage(TerrainImageName(kind));
    return *picture;
}

void AdventureView::paintHero(const Hero& hero) {
    Animation* animation = heroAnimation(hero.travelMode());
    if (!animation || animation->frameCount() == 0) return;
    shownMode_ = hero.travelMode();
    // The pictures face right; on the turned screen a logical mirror runs
    // along the stored columns.
    animation->setPosition(CentredIn(*animation->frameSprite(0), cellRect(kCells / 2, kCells / 2)));
    animation->setMode(hero.facingLeft() ? kDrawMirrorColumns : kDrawPlain);
    animation->paint();
}

void AdventureView::paintWeekOverlay(const TimeSystem& time) {
    const Rect band{area_.x, area_.y + (area_.height - kOverlayHeight) / 2, area_.width,
                    kOverlayHeight};
    FillRect(band, kOverlayShade);
    DrawCentred("Img\\Arrows\\selOk", band);
    std::u16string week = GetText("Week #<N>");
    ReplacePlaceholder(week, u"<N>", time.week());
    if (!UsePaintColor(kOverlayText)) return;
    const int line = kOverlayHeight / 4;
    drawTextIn(week, {band.x, band.y + line / 2, band.width, line}, "CC", nullptr);
    drawTextIn(GetText(time.unitOfWeek()),
               {band.x, band.y + band.height - line * 3 / 2, band.width, line}, "CC", nullptr);
}

void AdventureView::tick() {
    if (Animation* animation = heroAnimation(shownMode_)) animation->tick();
}

Animation* AdventureView::heroAnimation(TravelMode mode) {
    const auto index = static_cast<size_t>(mode);
    if (!heroAnimationLoaded_[index]) {
        heroAnimationLoaded_[index] = true;
        heroAnimations_[index] = createAnimationById(kHeroAnimations[index]);
    }
    return heroAnimations_[index].get();
}

}  // namespace cv
