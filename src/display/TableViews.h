#pragma once
// The ways the player may watch a match, switched with one key: the table seen from above
// its long side (the game's own view), a low view from the same side that follows the ball
// along the table, and a view from behind the player's own goal. The goal replay watches
// from low behind the goal that was hit. Table coordinates here are the displayed ones:
// the table's middle at the origin, team 0's goal at -x, the player's long side at -z.
#include "control/MouseRodCommands.h"

class Camera;

enum class TableView { Designed = 0, LowSide = 1, BehindOwnGoal = 2 };
constexpr int kTableViewCount = 3;

// How the mouse's two directions reach the rods in a view.
MouseAxes mouseAxesOf(TableView view);

// The view after this one, round the three.
TableView nextTableView(TableView view);

// A camera that may move: the designed view stands still; the low view glides after the
// ball (followX eases towards the ball's x, held where the table's ends stay in sight).
struct TableViewCamera {
    TableView view = TableView::Designed;
    float followX = 0.0f;

    // Places camera for the ball at ballX after dt seconds; jump = true places it at once
    // (a new match, a switch of view).
    void place(Camera& camera, float ballX, float dt, bool jump);
};

// The goal replay's camera: low behind the goal of the side that was scored on, looking
// back up the table.
void placeReplayCamera(Camera& camera, bool goalAtPositiveX);
