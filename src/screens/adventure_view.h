#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/world/running_game.h"
#include "game/world/terrain_kinds.h"
#include "gfx/animation.h"
#include "gfx/geometry.h"
#include "gfx/sprite.h"

namespace cv {

// The 5 x 5 cells of the hero's continent around him, as the adventure
// screen draws them: terrain, the objects standing there, the hero in the
// centre, the arrow of a held cell and the week overlay.
class AdventureView {
public:
    static constexpr int kCells = 5;

    // A map object's picture and the view cell it is centred in.
    struct PlacedPicture {
        std::string picture;
        Rect cell;
    };

    // The rectangle the cells share; each gets a fifth of it either way.
    void setArea(const Rect& area) { area_ = area; }
    const Rect& area() const { return area_; }
    // Column 0..4 from the left, row 0..4 from the top.
    Rect cellRect(int column, int row) const;
    // The continent cell a view cell shows: row 0 is hero y + 2.
    static Cell MapCellAt(Cell hero, int column, int row);
    // The view cell (column, row) that shows a continent cell; none when it
    // lies outside the window.
    static std::optional<Point> ViewCellOf(Cell hero, Cell cell);
    // The pictures of the objects of the hero's continent that stand in the
    // window, in the continent's order; objects without a picture are left out.
    std::vector<PlacedPicture> objectPictures(const RunningGame& game) const;

    // The arrow picture ("Img\Arrows\8") over a cell; an empty name removes it.
    void setArrow(const std::string& picture, const Rect& cell);
    void setWeekOverlay(bool shown) { weekOverlay_ = shown; }

    void paint(const RunningGame& game);
    // One timer tick of the hero's animation.
    void tick();

private:
    void paintCell(const Location& location, Cell cell, const Rect& rect);
    // Kept once found: the cells are drawn every frame.
    Sprite& terrainPicture(int kind);
    void paintHero(const Hero& hero);
    void paintWeekOverlay(const TimeSystem& time);
    Animation* heroAnimation(TravelMode mode);

    Rect area_{0, 0, 480, 480};
    std::string arrow_;
    Rect arrowCell_;
    bool weekOverlay_ = false;
    TravelMode shownMode_ = TravelMode::kLand;
    std::array<Ref<Animation>, 3> heroAnimations_;
    std::array<bool, 3> heroAnimationLoaded_ = {};
    std::array<Ref<Sprite>, kTerrainKindCount> terrainPictures_;
};

}  // namespace cv
