#pragma once
// Where a direction leads among a screen's widgets: to the nearest one lying that way.
#include "input/MenuKeys.h"
#include "ui/GUIComponent.h"

#include <vector>

// The candidate nearest to from in the direction, or null when none lies that way. A
// candidate lies that way when it begins beyond from's edge on that side (a few pixels of
// overlap allowed). Nearest counts the gap along the direction, twice the gap across it,
// and a quarter of how far the centres stand apart across it, measured from fromFocus (the
// focused row of a list, so that a row leads to the button beside it).
GUIComponent* nearestInDirection(const std::vector<GUIComponent*>& candidates, const GUIComponent* from,
                                 const FocusRect& fromFocus, MenuKey direction);
