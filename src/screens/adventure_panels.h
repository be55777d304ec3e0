#pragma once

#include <array>
#include <string>

#include "game/world/puzzle_map.h"
#include "game/world/running_game.h"
#include "gui/animation_widget.h"
#include "gui/form.h"
#include "screens/screen_area.h"

namespace cv {

// One of the information panels beside the adventure map: a cell framed by
// "Img\$HiCell" that shows something of the game in play, follows the game
// and, when tapped (or Space or Enter while it has the focus), sends its
// message to its form.
class AdventurePanel : public AnimationWidget {
public:
    explicit AdventurePanel(std::string message) : message_(std::move(message)) {}

    // Takes what it shows from the game; only a change redraws it.
    virtual void follow(const RunningGame& game) = 0;

    const std::string& message() const { return message_; }
    // The picture, or the animation of the table, the cell shows now.
    const std::string& look() const { return look_; }

    void paint() override;
    bool onPointer(const PointerEvent& event) override;
    bool onKey(int key, bool down) override;

protected:
    // The animation is made when the panel is next drawn, so that a look
    // that comes and goes between two frames loads nothing.
    void show(const std::string& name, bool animated);
    // The framed square at the panel's left.
    Rect cell() const;
    // Within the cell's frame.
    Rect inside() const;
    // Where the picture's top left corner goes: centred inside the frame.
    virtual Point pictureOrigin(Size picture) const;
    // Drawn after the picture, before the frame.
    virtual void paintOver(Point /*pictureAt*/, Size /*picture*/) {}
    // Names what paintOver draws, for the kept pixels.
    virtual std::string overKey() const { return {}; }

private:
    void build();
    void tell();
    // Names everything the panel draws with the picture's frame `frame`.
    std::string paintKey(int frame) const;

    std::string message_;
    std::string look_;
    bool animated_ = false;
    std::string built_;
    bool pressed_ = false;
    ScreenPatch patch_;
};

// What a panel that shows one thing shows: a still picture or an animation
// of the table.
struct PanelLook {
    std::string name;
    bool animated = false;
};

// The contract, siege weapon and spell panels: one look taken from the game.
// The contract's villain is a portrait larger than the cell, of which his face
// (the top middle) shows.
class ShowcasePanel : public AdventurePanel {
public:
    using LookOf = PanelLook (*)(const RunningGame&);
    ShowcasePanel(std::string message, LookOf lookOf, bool faceFirst)
        : AdventurePanel(std::move(message)), lookOf_(lookOf), faceFirst_(faceFirst) {}

    void follow(const RunningGame& game) override;

protected:
    Point pictureOrigin(Size picture) const override;

private:
    LookOf lookOf_;
    bool faceFirst_;
};

// The puzzle panel: "Img\UI\map" split into the 5 x 5 places of the puzzle,
// a brick "Img\UI\brick" on each place whose piece is still covered. Where
// two pieces share a place the later one decides, as on the puzzle itself; a
// place no piece belongs to never opens.
class PuzzlePanel : public AdventurePanel {
public:
    PuzzlePanel();
    void follow(const RunningGame& game) override;
    bool covered(int column, int row) const { return covered_[row * kPuzzleSize + column]; }

protected:
    void paintOver(Point pictureAt, Size picture) override;
    std::string overKey() const override;

private:
    std::array<bool, kPuzzleSize * kPuzzleSize> covered_{};
};

// The gold panel: the coins "Img\UI\gold" in the cell, the hero's gold
// beside it.
class GoldPanel : public AdventurePanel {
public:
    GoldPanel();
    void follow(const RunningGame& game) override;

protected:
    void paintOver(Point pictureAt, Size picture) override;
    std::string overKey() const override;
};

// The panel of a form file's type name ("ContractInfo", "WeaponInfo",
// "SpellInfo", "MapPieces", "GoldInfo"); null for any other name.
Ref<GuiElement> CreateAdventurePanel(const std::string& type);

// Every panel of the form follows the game.
void FollowGame(Form& form, const RunningGame& game);

}  // namespace cv
