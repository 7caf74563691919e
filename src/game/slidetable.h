// Slide table: the fewest moves from every 3 x 3 slider position, a slide of any length one.
#pragma once

#include "board.h"

#include <vector>

// Merges the slides that carry the hole on in the same direction into one slide of several
// tiles, one move of the game: the same path, in as many moves as it has straight runs.
std::vector<Cell> inRuns(Cell hole, const std::vector<Cell>& clicks);

// The clicks, each a slide of one tile or two in a line, that bring home the 3 x 3 square in
// the bottom-right corner of an N x N board whose other tiles are all home (tiles in reading
// order, Board::Hole the hole), in the fewest there are. Every click brings the square one
// move closer. Empty when the square is home or slides cannot bring it there.
std::vector<Cell> solveLastThree(const std::vector<int>& tiles, int n);
