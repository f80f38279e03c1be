// intro_rain.cpp -- the intro's rain streaks and the mouse trail.
#include "screens/intro/intro_rain.h"

#include "screens/intro/intro_layout.h"

namespace vm::intro {

void DrawAndMoveRain(GameState& s, tk::Canvas& canvas, int width, int height) {
    canvas.SetPenColor(kSilver);
    const int64_t dx = s.IntroMouseX / kRainMouseDivisorX;
    const int64_t dy = s.IntroMouseY / kRainMouseDivisorY;
    const int32_t reenterX = Saturate(int64_t(width) + kRainReenterRight);
    const int64_t bottomLimit = int64_t(height) + kRainBottomMargin;
    for (int i = kRainFirst; i <= kRainLast; ++i) {
        int32_t& x = s.RainX[i];
        int32_t& y = s.RainY[i];
        const int32_t speed = s.RainSpeed[i];
        const int64_t x0 = x - dx, y0 = y + dy;
        canvas.Line(Saturate(x0), Saturate(y0), Saturate(x0 - kRainDrift), Saturate(y0 + speed));
        x = Saturate(int64_t(x) - kRainDrift);
        y = Saturate(int64_t(y) + speed);
        if (x < kRainLeftLimit) x = reenterX;
        if (y > bottomLimit) y = kRainRestartY;
    }
}

void DrawTrail(const GameState& s, tk::Canvas& canvas) {
    canvas.MoveTo(s.TrailX[0], s.TrailY[0]);
    for (int k = 1; k < kTrailPoints; ++k) {
        canvas.SetPenColor(kTrailColors[k]);
        canvas.LineTo(s.TrailX[k], s.TrailY[k]);
    }
}

void AgeTrail(GameState& s) {
    for (int k = kTrailPoints - 1; k >= 1; --k) {
        s.TrailX[k] = s.TrailX[k - 1];
        s.TrailY[k] = s.TrailY[k - 1];
    }
}

}  // namespace vm::intro
