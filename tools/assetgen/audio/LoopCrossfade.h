#pragma once
// Turns a stretch of sound into a seamless loop: the sound is rendered a little longer
// than the loop, and the overrun is faded into the loop's beginning. Playing the loop
// end-to-start then continues exactly where the overrun left off, with no step.
#include <cmath>
#include <vector>

// `rendered` holds loopLength + fadeLength samples. Returns loopLength samples whose last
// sample leads into the first as the rendered sound would have continued. The fade is
// equal-power, since the two halves are unrelated noise.
inline std::vector<float> makeSeamlessLoop(const std::vector<float>& rendered, int loopLength, int fadeLength) {
    std::vector<float> loop(rendered.begin(), rendered.begin() + loopLength);
    const double halfPi = 1.57079632679489661923;
    for (int i = 0; i < fadeLength; ++i) {
        double t = (i + 0.5) / fadeLength;
        double in = std::sin(halfPi * t);
        double out = std::cos(halfPi * t);
        loop[i] = static_cast<float>(rendered[i] * in + rendered[loopLength + i] * out);
    }
    return loop;
}
