#pragma once
// A velocity estimate from one step's displacement: a running average over 20 ms, so that
// the table sees a steady speed from uneven mouse counts, clamped to +-limit.
float smoothRate(float previous, float delta, float dt, float limit);
