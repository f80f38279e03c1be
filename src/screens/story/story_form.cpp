// story_form.cpp -- the story screen's tick and its hand-over to the level screen.
#include "screens/story/story_form.h"

#include <string>
#include <vector>

#include "screens/story/story_layout.h"
#include "state/game_state.h"

namespace vm {

namespace {
// One pixel further up, stopping at the end (written so that no value can overflow).
int32_t NextScroll(int32_t scroll) {
    return scroll >= story::kScrollEnd ? story::kScrollEnd : scroll + 1;
}
}  // namespace

TForm11::TForm11(const ScreenServices& services, const tk::Image& painting, const tk::Memo& story)
    : ScreenForm(services, "Form11", 971, 536, 75), painting_(painting), story_(story) {}

void TForm11::DrawContent(tk::Canvas& canvas) {
    using namespace story;
    GameState& s = Game();
    const int64_t centreX = W() / 2, centreY = H() / 2;
    if (painting_.picture)
        canvas.Draw(int(centreX - kPaintingHalfWidth), int(centreY - kPaintingHalfHeight),
                    *painting_.picture);

    canvas.SetFontSize(kFontSize);
    canvas.SetFontColor(0);
    canvas.SetTextOpaque(false);
    // Wrapped once when the story was loaded; past its end a line reads as empty.
    const std::vector<std::string>& lines = story_.DisplayedLines();
    const int64_t firstTop = centreY + kTextFromCentreY - s.StoryScroll;
    const int64_t lineHeight = canvas.TextExtent("").height;
    for (int i = 0; i < kShownLines && i < int(lines.size()); ++i) {
        const int64_t top = firstTop + int64_t(kLineStep) * i;
        // Lines off the frame draw nothing; they are skipped rather than clipped glyph by glyph.
        if (top + lineHeight <= 0 || top >= canvas.Height()) continue;
        canvas.TextOut(int(centreX + kTextFromCentreX), int(top), lines[std::size_t(i)]);
    }

    s.StoryScroll = NextScroll(s.StoryScroll);
}

void TForm11::Image1Click() {
    services.handovers.Run(Handover::StoryClick);
}

}  // namespace vm
