// Slide table: the fewest moves from every 3 x 3 slider position, a slide of any length one.
#pragma once

#include "board.h"

#include <vector>

// The clicks, each a slide of one tile or two in a line, that bring home the 3 x 3 square in
// the bottom-right corner of an N x N board whose other tiles are all home (tiles in reading
// order, Board::Hole the hole), in the fewest there are. Every click brings the square one
// move closer. Empty when the square is home or slides cannot bring it there.
std::vector<Cell> solveLastThree(const std::vector<int>& tiles, int n);
