// The objects on the adventure map: which of them the 5 x 5 window shows and
// in which cell, and their reaction each time the map is shown again.
#include <gtest/gtest.h>

#include <map>

#include "app/app_core.h"
#include "screens_test_support.h"
#include "test_marker.h"

namespace cv {
namespace {

// A marker that names a picture for the map and counts how often the map
// was shown to it.
class Pictured : public test::Marker {
public:
    std::string MapPicture(const RunningGame&) const override { return picture; }
    void OnScreenOpen(RunningGame&) override { ++shown; }

    std::string picture;
    int shown = 0;
};

Ref<Pictured> AddPictured(RunningGame& game, Cell cell, std::string picture) {
    auto object = MakeRef<Pictured>();
    object->SetCell(cell);
    object->picture = std::move(picture);
    game.here().AddObject(object);
    return object;
}

// A picture name of its own for the object on each cell.
std::string PictureAt(Cell cell) {
    return "Img\\" + std::to_string(cell.x) + "_" + std::to_string(cell.y);
}

using AdventureObjects = test::OnIsle;

TEST_F(AdventureObjects, EachObjectInTheWindowIsDrawnInItsCellAndNoneOutside) {
    game->PlaceHero(0, {4, 3});  // the window spans x 2..6 and y 1..5
    // The cell each object stands on, and the marker of the view cell that
    // must show it; none for a cell just outside the window.
    const struct {
        Cell cell;
        const char* viewCell;
    } cases[] = {{{6, 1}, "E5"}, {{7, 1}, nullptr}, {{6, 0}, nullptr},
                 {{2, 5}, "A1"}, {{1, 5}, nullptr}, {{2, 6}, nullptr},
                 {{3, 4}, "B2"}, {{5, 2}, "D4"},    {{4, 3}, "C3"}};
    for (const auto& c : cases) AddPictured(*game, c.cell, PictureAt(c.cell));
    AddPictured(*game, {4, 2}, "");  // shows through its ground

    std::map<std::string, Rect> drawn;
    for (const auto& placed : adventure->view().objectPictures(*game)) {
        EXPECT_FALSE(placed.picture.empty());
        drawn[placed.picture] = placed.cell;
    }
    for (const auto& c : cases) {
        const std::string picture = PictureAt(c.cell);
        SCOPED_TRACE(picture);
        if (!c.viewCell) {
            EXPECT_FALSE(drawn.count(picture));
            continue;
        }
        ASSERT_TRUE(drawn.count(picture));
        EXPECT_EQ(drawn[picture], adventure->findChild(c.viewCell)->bounds());
    }
}

TEST_F(AdventureObjects, TheContinentHearsEachTimeTheMapComesBack) {
    AppCore app;
    const Ref<Pictured> object = AddPictured(*game, {0, 0}, "Img\\treasure");
    app.SetScreen(adventure.get());
    EXPECT_EQ(object->shown, 1);

    ShowGameMenu();  // a dialog over the map leaves it shown
    EXPECT_EQ(object->shown, 1);

    const Ref<Form> battle = MakeRef<Form>();
    app.SetScreen(battle.get());
    EXPECT_EQ(object->shown, 1);
    app.SetScreen(adventure.get());
    EXPECT_EQ(object->shown, 2);
    app.SetScreen(nullptr);
}

}  // namespace
}  // namespace cv
