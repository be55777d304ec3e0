#pragma once

#include <map>
#include <optional>
#include <string>

#include "game/combat/battle.h"
#include "gfx/animation.h"
#include "gui/gui_element.h"

namespace cv {

// The "BattleField" widget of the "Tactics" form: the 6 x 5 cells of a
// battle, each from its "TacticsMap" picture, with y growing upwards as on
// the map, so that the direction keys and the picture agree. Every squad
// stands at its cell with its battle animation (the enemy's mirrored) and
// its count on a dark plate; a frozen squad is frosted, a halved one shows
// "HALF" for a moment, the active squad is framed, and the cell held under
// the stylus shows its cursor.
class BattleFieldWidget : public GuiElement {
public:
    static constexpr int kHalfTicks = 6;

    // The battle shown; null shows nothing.
    void attach(Battle* battle);
    Rect cellRect(Cell cell) const;
    // The field cell under a point of the screen; none outside the field.
    std::optional<Cell> cellAt(Point point) const;
    // The cursor picture ("Img\Arrows\" + name) over a cell; "" hides it.
    void setCursor(Cell cell, const std::string& name);
    const std::string& cursor() const { return cursor_; }
    void showHalf(const Squad& target);
    // The squad whose "HALF" shows now, if any.
    const Squad* halfShown() const { return halfTicks_ > 0 ? half_ : nullptr; }

    void paint() override;
    void onTimer() override;

private:
    void paintSquad(const Squad& squad, int side);
    void paintCount(const Squad& squad, const Rect& cell);
    Animation* animationOf(const Squad& squad);

    struct Shown {
        std::string unit;  // a new squad at a dead one's address gets its own
        Ref<Animation> animation;
    };
    Battle* battle_ = nullptr;
    std::map<const Squad*, Shown> animations_;
    std::string cursor_;
    Cell cursorCell_;
    const Squad* half_ = nullptr;
    int halfTicks_ = 0;
};

}  // namespace cv
