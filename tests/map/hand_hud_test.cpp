// hand_hud_test.cpp -- the hand and the heads-up display in real frames: greying, costs, the
// flask, the change display and the card description tooltip.
#include <filesystem>
#include <fstream>

#include "map_fixture.h"
#include "state/card_costs.h"
#include "toolkit/raster/canvas.h"

namespace vm::testing {
namespace {

constexpr tk::Color kBlack = 0x000000;

// The first card with its price in `which` above 0 (more) or at 0 (!more).
int CardWhere(int CardCost::*which, bool more) {
    for (int n = 1; n <= 70; ++n)
        if ((kCardCosts[std::size_t(n - 1)].*which > 0) == more) return n;
    ADD_FAILURE() << "no such card";
    return 1;
}

TEST_F(MapScreen, ACardShortOfOneResourceIsHatchedAndLabelledDiscardAndOthersAreNot) {
    EnterBattle();
    Rich();
    const int dear = CardWhere(&CardCost::yellow, true);
    const int free = CardWhere(&CardCost::yellow, false);
    s.PlayerYellow = kCardCosts[std::size_t(dear - 1)].yellow - 1;
    s.HandCard = {0, free, dear, free, free, free};
    Tick();
    const int x0 = SlotLeft(W(), 2);
    const tk::Picture& label = Picture("Form6.Image13");
    int hatched = 0, notBlack = 0;
    for (int l = 2; l <= 160; l += 2)
        for (int y = 0; y < 280; ++y) {
            if (y >= 181 && y <= 240) continue;  // the cost box comes later
            const int lx = l - 20, ly = y - 40;  // and so does the label
            if (label.Pixels().Contains(lx, ly) && label.Pixels().At(lx, ly) != label.KeyColor())
                continue;
            (Pixel(x0 + l, y) == kBlack ? hatched : notBlack) += 1;
        }
    EXPECT_GT(hatched, 12000);
    EXPECT_EQ(notBlack, 0);
    const tk::Picture& card = *MapPictures(Assets()).Card(dear);
    EXPECT_TRUE(PictureAt(Frame(), card, x0, 10, 1, 0, 1, 170).All());  // odd columns stay
    EXPECT_TRUE(PictureAt(Frame(), card, x0, 10, 3, 0, 1, 170).All());
    EXPECT_TRUE(PictureAt(Frame(), Picture("Form6.Image13"), x0 + 20, 40).All());

    const tk::Picture& other = *MapPictures(Assets()).Card(free);
    const int x1 = SlotLeft(W(), 1);
    EXPECT_TRUE(PictureAt(Frame(), other, x1, 10, 0, 0, 160, 170).All());
}

TEST_F(MapScreen, EveryCostIsDrawnInItsColourAndPlaceZerosIncluded) {
    EnterBattle();
    const int card = CardWhere(&CardCost::redRare, false);
    s.HandCard = {0, card, card, card, card, card};
    Tick();
    const int x0 = SlotLeft(W(), 3);
    // The box is black, so the figure alone must give the same pixels as the digit "0".
    tk::Bitmap expected(40, 20, kBlack);
    tk::Canvas c(expected);
    c.SetFontColor(0xFFAAAA);
    c.TextOut(4, 2, "0");
    int differing = 0, lit = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            differing += Pixel(x0 + 66 + x, 203 + y) != expected.At(x, y);
            lit += expected.At(x, y) != kBlack;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(lit, 10);
}

TEST_F(MapScreen, TheFlaskBarIsOneRedRowWhenEmptyAnd81GreenRowsWhenFull) {
    EnterBattle();
    const tk::Picture& flask = Picture("Form5.Image9");
    const tk::Bitmap& glass = flask.Pixels();
    // Where the flask picture is see-through, the bar shows.
    auto rowsIn = [&](tk::Color colour, int y) {
        int coloured = 0, open = 0;
        for (int x = 3; x < 62; ++x) {
            if (glass.At(x, y - 100) != flask.KeyColor()) continue;
            ++open;
            coloured += Pixel(x, y) == colour;
        }
        return std::pair{coloured, open};
    };
    s.Flask = 0;
    Tick();
    auto [red198, open198] = rowsIn(0xFF0000, 198);
    EXPECT_GT(open198, 0);
    EXPECT_EQ(red198, open198);
    EXPECT_EQ(rowsIn(0xFF0000, 197).first, 0);

    s.Flask = 80;
    PointAt(20, 150);
    Tick();
    for (int y : {118, 150, 198}) {
        auto [green, open] = rowsIn(0x008000, y);
        EXPECT_EQ(green, open) << y;
    }
    EXPECT_EQ(rowsIn(0x008000, 117).first, 0);
    // "Flask: 80/80" in white beside the pointer (its edges blend into the black).
    int whitish = 0;
    for (int y = 150; y < 165; ++y)
        for (int x = 64; x < 140; ++x) {
            const tk::Color c = Pixel(x, y);
            whitish += tk::RedOf(c) > 0x80 && tk::RedOf(c) == tk::GreenOf(c) &&
                       tk::GreenOf(c) == tk::BlueOf(c);
        }
    EXPECT_GT(whitish, 10);
}

TEST_F(MapScreen, TheChangeDisplayRisesInGreenForGainsAndRedForLossesWithoutPlusSigns) {
    EnterBattle();
    Tick();
    const tk::Bitmap before = Frame();
    s.DeltaTicks = 20;
    s.SnapPlayerBlue = s.PlayerBlue - 3;
    s.SnapPlayerRed = s.PlayerRed + 2;
    s.SnapPlayerYellow = s.PlayerYellow;
    s.SnapPlayerGreen = s.PlayerGreen;
    s.SnapPlayerTower = s.PlayerTower - 7;
    Tick();
    // Over the left panel: "3" in green at x 100 and "-2" in red at x 250, 80 pixels above the
    // bottom edge; nothing for the unchanged yellow and green.
    tk::Bitmap expected = before;
    tk::Canvas c(expected);
    c.SetFontSize(20);
    c.SetFontColor(0x008000);
    c.TextOut(100, H() - 80, "3");
    c.SetFontColor(0xFF0000);
    c.TextOut(250, H() - 80, "-2");
    int differing = 0;
    for (int y = H() - 100; y < H(); ++y)
        for (int x = 0; x < 560; ++x)
            differing += Pixel(x, y) != expected.At(x, y);
    EXPECT_EQ(differing, 0);
    // The tower's "7" above the tower top, in size 30.
    const int towerY = H() + 20 - s.PlayerTower - 120;
    EXPECT_GT(CountColour(Frame(), 0x008000, 60, towerY, 100, towerY + 40), 20);
    EXPECT_EQ(s.DeltaTicks, 19);
    Tick(19);
    EXPECT_EQ(s.DeltaTicks, 0);
    Tick();  // the 20th figure was drawn on the last tick; now none
    EXPECT_EQ(CountColour(Frame(), 0x008000, 60, 0, 560, H()), 0);
}

TEST_F(MapScreen, TheTooltipIsABlackPanelInASilverBorderAtThePointerShownOnlyWhileTheMoveIsFree) {
    EnterBattle();
    HoverSlot(3);
    Tick();
    const int mx = s.MouseX, my = s.MouseY;
    const tk::Color silver = 0xC0C0C0;
    for (auto [x, y] : {std::pair{mx - 2, my - 1},
                        {mx + 285, my - 1},
                        {mx - 2, my + 202},
                        {mx + 285, my + 202},
                        {mx + 100, my + 202}})
        EXPECT_EQ(Pixel(x, y), silver) << x << "," << y;
    EXPECT_EQ(Pixel(mx - 1, my), kBlack);
    EXPECT_EQ(Pixel(mx + 284, my + 201), kBlack);
    EXPECT_NE(Pixel(mx + 286, my + 100), silver);
    EXPECT_GT(CountColour(Frame(), 0xFFFF00, mx, my + 12, mx + 286, my + 200), 20);

    // Also while the enemy moves, but not while the player's own move runs.
    s.TurnPhase = 2;
    s.EnemyCard = 5;
    s.EnemyMoveTicks = 29;
    Tick();
    EXPECT_EQ(Pixel(mx - 2, my - 1), silver);
    s.TurnPhase = 1;
    s.PlayerMoveTicks = 50;
    s.AnimCard = 3;
    Tick();
    EXPECT_NE(Pixel(mx + 285, my + 202), silver);
}

TEST_F(MapScreen, TheBloodDropFallsFromItsCardWithStreaksTrailingAtAFifthToTheFullDistance) {
    EnterBattle();
    s.DropSlot = 2;
    s.DropY = 30;
    s.DropSpeed = 10;
    Tick();
    ASSERT_EQ(s.DropY, 40);  // the fall comes before the drawing
    const int x0 = SlotLeft(W(), 2);
    // Below the card's row 274: column 90 is red for the whole fall, column 88 for a fifth.
    EXPECT_EQ(CountColour(Frame(), 0xFF0000, x0 + 90, 275, x0 + 91, 275 + 40), 40);
    EXPECT_EQ(CountColour(Frame(), 0xFF0000, x0 + 88, 275, x0 + 89, 275 + 8), 8);
    EXPECT_EQ(CountColour(Frame(), 0xFF0000, x0 + 88, 275 + 8, x0 + 89, 275 + 40), 0);
    EXPECT_TRUE(PictureAt(Frame(), Picture("Form5.Image10"), x0 + 95, 274 + 20).All());

    s.PlayerMoveTicks = 2;  // no drop while a move runs
    Tick();
    EXPECT_EQ(CountColour(Frame(), 0xFF0000, x0 + 90, 275, x0 + 91, 275 + 40), 0);
}

TEST_F(MapScreen, EachGreenNumberStandsOnItsGemWithABlackShadowOnePixelDownRight) {
    EnterBattle();
    s.PlayerGreen = 7;
    s.EnemyGreen = 12;
    Tick();
    const tk::Picture& gem = Picture("Form4.Image2");
    for (auto [left, text] : {std::pair{500, "7"}, {W() - 560, "12"}}) {
        tk::Bitmap expected = gem.Pixels();
        tk::Canvas c(expected);
        c.SetFontSize(16);
        c.SetFontColor(0x000000);
        c.TextOut(11, 6, text);
        c.SetFontColor(0xAAFFAA);
        c.TextOut(10, 5, text);
        int differing = 0;
        for (int y = 0; y < expected.height; ++y)
            for (int x = 0; x < expected.width; ++x)
                differing += Pixel(left + x, H() - 75 + y) != expected.At(x, y);
        EXPECT_EQ(differing, 0) << text;
    }
}

// A game folder of links to the built game, in which one test may remove or rewrite files.
class ScratchFolder {
  public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        namespace fs = std::filesystem;
        dir_ =
            fs::temp_directory_path() /
            ("vellmoor-map-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        for (const auto& entry : fs::directory_iterator(previous_))
            fs::create_symlink(entry.path(), dir_ / entry.path().filename());
        fs::current_path(dir_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    void Remove(const std::string& name) { std::filesystem::remove(dir_ / name); }
    void Write(const std::string& name, const std::string& text) {
        Remove(name);
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }

  private:
    std::filesystem::path previous_, dir_;
};

class MissingDescription : public MapScreen {
  protected:
    ScratchFolder folder;  // made before the game starts, so the game runs in it
};

TEST_F(MissingDescription, TheTickGoesOnThePanelHasNoTextAndTheFileIsReportedOnceUntilReadable) {
    EnterBattle();
    const int card = 12;
    s.HandCard = {0, card, card, card, card, card};
    folder.Remove("zc12.txt");
    s.LevelIntroTicks = 10;
    HoverSlot(2);
    Tick(3);
    const int mx = s.MouseX, my = s.MouseY;
    EXPECT_EQ(d.TakeErrors(), std::vector<std::string>{"Cannot open file zc12.txt"});
    EXPECT_EQ(Pixel(mx - 2, my - 1), 0xC0C0C0u);
    EXPECT_EQ(CountColour(Frame(), 0xFFFF00, mx, my, mx + 286, my + 202), 0);
    EXPECT_EQ(s.LevelIntroTicks, 7);  // the last steps of every tick still ran

    folder.Write("zc12.txt", "Watchtower\n\nTower +5.");
    Tick();
    const int shortText = CountColour(Frame(), 0xFFFF00, mx, my, mx + 286, my + 202);
    EXPECT_GT(shortText, 20);
    const auto reads = Form4->Descriptions().FileReads();
    Tick(5);
    EXPECT_EQ(Form4->Descriptions().FileReads(), reads);  // resting on the card reads nothing

    // An edited file shows at the next hover.
    folder.Write("zc12.txt", "Watchtower\n\nTower +5, and a much longer text that wraps.");
    Tick();
    EXPECT_GT(CountColour(Frame(), 0xFFFF00, mx, my, mx + 286, my + 202), shortText);
    EXPECT_TRUE(d.TakeErrors().empty());

    folder.Remove("zc12.txt");
    Tick(3);
    EXPECT_EQ(d.TakeErrors(), std::vector<std::string>{"Cannot open file zc12.txt"});

    // A huge file shows its start; a folder in the file's place is reported like a missing file.
    std::string huge;
    while (huge.size() < (2u << 20))
        huge += "Watchtower stands. ";
    folder.Write("zc12.txt", huge);
    Tick();
    EXPECT_GT(CountColour(Frame(), 0xFFFF00, mx, my, mx + 286, my + 202), shortText);
    folder.Remove("zc12.txt");
    std::filesystem::create_directory("zc12.txt");
    Tick(2);
    EXPECT_EQ(d.TakeErrors(), std::vector<std::string>{"Cannot open file zc12.txt"});
    std::filesystem::remove("zc12.txt");
}

TEST_F(MapScreen, TheTowerHeightShowsOnDemandAsTheDrawnHeightWithFt) {
    EnterBattle();
    s.PlayerTower = 320;
    s.PlayerTowerShown = 300;
    PointAt(100, H() - 300);
    Tick();
    // "301ft" in teal on black above the pointer: the shown height, one step on from the 300
    // the tower was drawn at this tick, still short of the true 320.
    tk::Bitmap expected(120, 30, 0x123456);
    tk::Canvas c(expected);
    c.SetFontSize(15);
    c.SetFontColor(0x008080);
    c.SetTextOpaque(true);
    c.SetTextBackground(kBlack);
    c.TextOut(0, 0, "301ft");
    const tk::TextSize size = c.TextExtent("301ft");
    int differing = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            differing += Pixel(100 + x, H() - 325 + y) != expected.At(x, y);
        }
    EXPECT_EQ(differing, 0);
    PointAt(W() - 100, H() - 300);
    Tick();
    EXPECT_GT(CountColour(Frame(), 0xFF0000, W() - 100, H() - 325, W(), H() - 300), 20);
}

}  // namespace
}  // namespace vm::testing
