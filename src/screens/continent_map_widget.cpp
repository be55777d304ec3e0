#include "screens/continent_map_widget.h"

#include <algorithm>

#include "gfx/graphics_device.h"
#include "gui/form.h"
#include "gui/gui_message.h"

namespace cv {
namespace {

constexpr int kMargin = 16;  // room for the frame around the map
constexpr uint32_t kGround = 0xFF1C140Cu;
constexpr uint32_t kGilt = 0xFFD8B060u;
constexpr uint32_t kUnexplored = 0xFF080808u;
constexpr uint32_t kOutline = 0xFF000000u;
constexpr uint32_t kHero = 0xFFFFFFFFu;
constexpr uint32_t kCursor = 0xFFFFE070u;

void Fill(const Rect& rect, uint32_t colour) {
    if (UsePaintColor(colour)) CurrentPainter()->fillRect(rect);
}

void Frame(const Rect& rect, uint32_t colour) {
    if (UsePaintColor(colour)) CurrentPainter()->drawRect(rect);
}

Rect Grown(const Rect& rect, int by) {
    return {rect.x - by, rect.y - by, rect.width + 2 * by, rect.height + 2 * by};
}

}  // namespace

void ContinentMapWidget::show(const Location* continent, bool whole, std::optional<Cell> hero) {
    continent_ = continent;
    whole_ = whole;
    hero_ = hero;
    requestRedraw();
}

void ContinentMapWidget::setCursor(Cell cell) {
    cursor_ = {std::clamp(cell.x, 0, kContinentSize - 1),
               std::clamp(cell.y, 0, kContinentSize - 1)};
    requestRedraw();
}

int ContinentMapWidget::cellSize() const {
    const int side = std::min(bounds().width, bounds().height) - 2 * kMargin;
    return std::max(1, side / kContinentSize);
}

// The top-left corner of the map, which is centred in the widget.
Point ContinentMapWidget::origin() const {
    const int side = cellSize() * kContinentSize;
    return {bounds().x + (bounds().width - side) / 2, bounds().y + (bounds().height - side) / 2};
}

Rect ContinentMapWidget::cellRect(Cell cell) const {
    const int size = cellSize();
    const Point at = origin();
    return {at.x + cell.x * size, at.y + (kContinentSize - 1 - cell.y) * size, size, size};
}

std::optional<Cell> ContinentMapWidget::cellAt(Point point) const {
    const int size = cellSize();
    const Point at = origin();
    if (point.x < at.x || point.y < at.y) return std::nullopt;
    const Cell cell{(point.x - at.x) / size, kContinentSize - 1 - (point.y - at.y) / size};
    if (!IsOnContinent(cell)) return std::nullopt;
    return cell;
}

bool ContinentMapWidget::isShown(Cell cell) const {
    return whole_ || (continent_ && continent_->terrain().IsExplored(cell));
}

void ContinentMapWidget::paint() {
    paintGround();
    if (!continent_) return;
    paintTerrain();
    paintObjects();
    paintMarks();
}

void ContinentMapWidget::paintGround() const {
    Fill(bounds(), kGround);
    const int side = cellSize() * kContinentSize;
    const Rect map{origin().x, origin().y, side, side};
    Frame(Grown(map, 2), kGilt);
    Frame(Grown(map, 1), kOutline);
}

// A row at a time, each run of one colour as one rectangle.
void ContinentMapWidget::paintTerrain() const {
    const TerrainKindTable& kinds = TerrainKinds();
    const auto colourAt = [&](Cell cell) {
        return isShown(cell) ? kinds[continent_->TerrainAt(cell)].colour : kUnexplored;
    };
    for (int y = 0; y < kContinentSize; ++y) {
        int start = 0;
        while (start < kContinentSize) {
            const uint32_t colour = colourAt({start, y});
            int end = start + 1;
            while (end < kContinentSize && colourAt({end, y}) == colour) ++end;
            const Rect first = cellRect({start, y});
            Fill({first.x, first.y, (end - start) * first.width, first.height}, colour);
            start = end;
        }
    }
}

void ContinentMapWidget::paintObjects() const {
    for (const Ref<MapObj>& object : continent_->objects()) {
        if (!IsOnContinent(object->cell()) || !isShown(object->cell())) continue;
        const Rect cell = cellRect(object->cell());
        Fill(cell, kOutline);
        Fill(Grown(cell, -1), object->MapColor());
    }
}

void ContinentMapWidget::paintMarks() const {
    if (hero_) {
        const Rect cell = cellRect(*hero_);
        Fill(Grown(cell, 1), kOutline);
        Fill(cell, kHero);
    }
    // Edged in black to stand out on pale ground.
    const Rect cursor = cellRect(cursor_);
    Frame(Grown(cursor, 4), kOutline);
    Frame(Grown(cursor, 3), kCursor);
    Frame(Grown(cursor, 2), kCursor);
}

bool ContinentMapWidget::onPointer(const PointerEvent& event) {
    if (!contains({event.x, event.y})) return false;
    const bool held = event.kind == PointerEvent::Move && (event.modifiers & PointerEvent::Left);
    if (event.kind != PointerEvent::Press && event.kind != PointerEvent::Release && !held) {
        return true;
    }
    const std::optional<Cell> cell = cellAt({event.x, event.y});
    if (!cell || *cell == cursor_) return true;
    setCursor(*cell);
    Ref<ContinentMapWidget> keep(this);
    sendMessage(this, parent(), Message{"CursorMoved", "", 0, nullptr});
    return true;
}

}  // namespace cv
