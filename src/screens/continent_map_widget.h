#pragma once

#include <optional>

#include "game/world/location.h"
#include "gui/gui_element.h"

namespace cv {

// A whole continent at a few pixels a cell, row y = 63 on top: each cell in
// its terrain kind's colour, each object a dot of its map colour, the cells
// the hero has not explored dark unless the whole map is shown. The hero's
// cell is marked while his continent is shown and the cursor cell is framed.
// A tap, or a slide with the stylus down, moves the cursor and tells the
// parent "CursorMoved". Form files ask for it with "Item:ContinentMap".
class ContinentMapWidget : public GuiElement {
public:
    // `continent` must outlive the widget's use of it (the game keeps its
    // continents); `hero` is none while he stands on another continent.
    void show(const Location* continent, bool whole, std::optional<Cell> hero);
    // Kept inside the continent.
    void setCursor(Cell cell);
    void moveCursor(int dx, int dy) { setCursor({cursor_.x + dx, cursor_.y + dy}); }
    Cell cursor() const { return cursor_; }

    // Where a cell is drawn, and the cell drawn at a point (none off the map).
    Rect cellRect(Cell cell) const;
    std::optional<Cell> cellAt(Point point) const;

    void paint() override;
    bool onPointer(const PointerEvent& event) override;

private:
    int cellSize() const;
    Point origin() const;
    bool isShown(Cell cell) const;
    void paintGround() const;
    void paintTerrain() const;
    void paintObjects() const;
    void paintMarks() const;

    const Location* continent_ = nullptr;
    bool whole_ = false;
    std::optional<Cell> hero_;
    Cell cursor_;
};

}  // namespace cv
