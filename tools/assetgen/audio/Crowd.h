#pragma once
// Building blocks of a crowd: shouting voices and clapping hands, each rendered on its own
// and summed. A crowd only sounds like one when its members differ, so every voice and
// every pair of hands gets its own pitch, vowel, timing and hand shape from the seed.
#include "audio/Dsp.h"

#include <vector>

// One voice cheering "ah!" or "yeah!": a glottal buzz shaped by the vowel's formants,
// rising at the start as a shout does, held and then dying away. Times in seconds.
void addCheeringVoice(std::vector<float>& out, dsp::Noise& random, double start, double hold, double release,
                      double level);

// The hiss-like roar of many distant voices under the near ones.
void addCrowdRoar(std::vector<float>& out, uint32_t seed, double attack, double hold, double release, double level);

// One person clapping at his own pace from `start` to `stop`.
void addClapper(std::vector<float>& out, dsp::Noise& random, double start, double stop, double level);
