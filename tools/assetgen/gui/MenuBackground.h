#pragma once
// The menu background: a table-football table seen from above under a spotlight.
#include "Image.h"

void paintMenuBackground(Image& image, int x, int y, int width, int height);
