#pragma once
// The player's side of the table; the behaviour lives in AssistedControl.
#include "control/FoosballControl.h"

class UserControl : public FoosballControl {
};
