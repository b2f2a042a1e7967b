#pragma once
// The four rods of one side (goalkeeper, defence, midfield, attack) and the sideways
// offsets of its eleven figures from the rod centre.
#include "simulation/Rod.h"

constexpr int kRodsPerTeam = 4;
constexpr int kFiguresPerTeam = 11;

struct Team {
    Rod rods[kRodsPerTeam];
    float figureOffsets[kFiguresPerTeam] = {};
};
