// Slider solver: the slides that bring a slider board home, for the hints.
#include "slidersolver.h"

#include "slidesearch.h"
#include "slidetable.h"

#include <algorithm>
#include <optional>
#include <queue>

namespace {
// A board of any size being brought home: tiles in reading order, the hole as Board::Hole,
// the cells already settled locked, and the clicks made so far.
class Reduction {
public:
    explicit Reduction(const Board& board)
        : n_(board.dimension())
        , tiles_(board.tiles())
        , locked_(tiles_.size(), false)
    {
        hole_ = int(std::find(tiles_.begin(), tiles_.end(), Board::Hole) - tiles_.begin());
    }

    // Settles the top row and left column of the free square, until 3 x 3 are left; false
    // if a tile could not be brought to its place.
    bool reduceToThree()
    {
        for (int top = 0; top + 3 < n_; ++top)
            if (!settleLine(top, false) || !settleLine(top, true))
                return false;
        return true;
    }

    // The last 3 x 3 in the fewest moves, after every click so far.
    std::vector<Cell> finish()
    {
        const std::vector<Cell> last = solveLastThree(tiles_, n_);
        clicks_.insert(clicks_.end(), last.begin(), last.end());
        return clicks_;
    }

private:
    int index(int row, int col) const { return row * n_ + col; }
    // The cell of line `top` at place `i`: along the row, or down the column below it.
    int lineCell(int top, bool column, int i) const
    {
        return column ? index(i, top) : index(top, i);
    }

    // Puts home the tiles of the free square's top row (or left column), the last two
    // together: the second-last is parked where the last goes, the last beside it on the
    // next line, and both turned into place with two slides. False if a tile could not be
    // moved where it goes.
    bool settleLine(int top, bool column)
    {
        const int first = column ? top + 1 : top;
        for (int i = first; i < n_ - 2; ++i)
            if (!settle(lineCell(top, column, i), lineCell(top, column, i)))
                return false;
        const int second = lineCell(top, column, n_ - 2);
        const int last = lineCell(top, column, n_ - 1);
        const int next = column ? index(n_ - 1, top + 1) : index(top + 1, n_ - 1);
        if (homeOf(second) == second && homeOf(last) == last) {
            locked_[second] = locked_[last] = true;
            return true;
        }
        // The last tile waits out of the way while the second-last is parked: caught in the
        // second-last's cell beside it, it could never get past.
        const int aside = column ? index(n_ - 2, top + 2) : index(top + 2, n_ - 2);
        if (!settle(last, aside) || !settle(second, last))
            return false;
        locked_[aside] = false;
        if (!settle(last, next) || !moveHoleTo(second))
            return false;
        slideFrom(last);
        slideFrom(next);
        locked_[second] = locked_[last] = true;
        locked_[next] = false;
        return true;
    }

    // The cell that holds the tile whose home is `home`.
    int homeOf(int home) const
    {
        return int(std::find(tiles_.begin(), tiles_.end(), home) - tiles_.begin());
    }

    // Moves the tile whose home is `home` to `target` through the free cells and locks it
    // there; false when the free cells allow no way. The search runs over the tile's and the
    // hole's cells together.
    bool settle(int home, int target)
    {
        const int cells = n_ * n_;
        std::vector<int> cameFrom(static_cast<size_t>(cells * cells), -1);
        const int start = homeOf(home) * cells + hole_;
        cameFrom[static_cast<size_t>(start)] = start;
        std::queue<int> queue;
        queue.push(start);
        int found = -1;
        while (!queue.empty() && found < 0) {
            const int state = queue.front();
            queue.pop();
            const int tile = state / cells;
            const int hole = state % cells;
            if (tile == target) {
                found = state;
                break;
            }
            forNeighbours(hole, n_, [&](int cell) {
                if (locked_[static_cast<size_t>(cell)])
                    return;
                const int after = (cell == tile ? hole : tile) * cells + cell;
                if (cameFrom[static_cast<size_t>(after)] < 0) {
                    cameFrom[static_cast<size_t>(after)] = state;
                    queue.push(after);
                }
            });
        }
        if (found < 0)
            return false;
        std::vector<int> holes;
        for (int state = found; state != start; state = cameFrom[static_cast<size_t>(state)])
            holes.push_back(state % cells);
        std::for_each(holes.rbegin(), holes.rend(), [this](int cell) { slideFrom(cell); });
        locked_[static_cast<size_t>(target)] = true;
        return true;
    }

    bool moveHoleTo(int target)
    {
        std::vector<int> cameFrom(tiles_.size(), -1);
        cameFrom[static_cast<size_t>(hole_)] = hole_;
        std::queue<int> queue;
        queue.push(hole_);
        while (!queue.empty()) {
            const int cell = queue.front();
            queue.pop();
            forNeighbours(cell, n_, [&](int next) {
                if (!locked_[static_cast<size_t>(next)] &&
                    cameFrom[static_cast<size_t>(next)] < 0) {
                    cameFrom[static_cast<size_t>(next)] = cell;
                    queue.push(next);
                }
            });
        }
        if (cameFrom[static_cast<size_t>(target)] < 0)
            return false;
        std::vector<int> path;
        for (int cell = target; cell != hole_; cell = cameFrom[static_cast<size_t>(cell)])
            path.push_back(cell);
        std::for_each(path.rbegin(), path.rend(), [this](int cell) { slideFrom(cell); });
        return true;
    }

    void slideFrom(int cell)
    {
        tiles_[static_cast<size_t>(hole_)] = tiles_[static_cast<size_t>(cell)];
        tiles_[static_cast<size_t>(cell)] = Board::Hole;
        hole_ = cell;
        clicks_.push_back({cell % n_, cell / n_});
    }

    int n_;
    std::vector<int> tiles_;
    std::vector<bool> locked_;
    int hole_ = 0;
    std::vector<Cell> clicks_;
};

Cell direction(Cell from, Cell to)
{
    return {(to.col > from.col) - (to.col < from.col), (to.row > from.row) - (to.row < from.row)};
}

// Merges the slides that carry the hole on in the same direction into one slide of several
// tiles, one move of the game: the same path, in as many moves as it has straight runs.
std::vector<Cell> inRuns(Cell hole, const std::vector<Cell>& clicks)
{
    std::vector<Cell> runs;
    std::optional<Cell> heading;
    for (const Cell click : clicks) {
        const Cell way = direction(hole, click);
        if (heading == way)
            runs.back() = click;
        else
            runs.push_back(click);
        heading = way;
        hole = click;
    }
    return runs;
}

std::vector<Cell> solveFourByFour(const Board& board)
{
    // Shortest if it comes soon; else ever more weight on the estimate, each try as quick.
    std::vector<SearchTry> tries;
    tries.reserve(FourByFourWeights.size());
    for (const int weight : FourByFourWeights)
        tries.push_back({weight, weight == FourByFourWeights.back() ? UnlimitedPositions
                                                                    : FourByFourNodeBudget});
    return searchFourByFour(board.tiles(), tries).value_or(std::vector<Cell>{});
}
} // namespace

std::vector<Cell> solveSlider(const Board& board)
{
    // Only a position slides can solve is searched: any other would never end.
    if (!board.hasHole() || !Board::fromTiles(PuzzleMode::Slider, board.dimension(), board.tiles()))
        return {};
    const Cell hole{board.holeCol(), board.holeRow()};
    if (board.dimension() == 4)
        return inRuns(hole, solveFourByFour(board));
    Reduction reduction(board);
    return reduction.reduceToThree() ? inRuns(hole, reduction.finish()) : std::vector<Cell>{};
}
