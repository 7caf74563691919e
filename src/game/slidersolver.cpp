// Slider solver: the slides that bring a slider board home, for the hints.
#include "slidersolver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <queue>

namespace {
constexpr long Unlimited = 1L << 40;

// A small square board of its own numbering: the tile whose home is index i holds i, the hole
// holds k * k - 1, and its home is the last index.
struct SmallBoard {
    int k = 0;
    std::array<int, 16> tiles{};
    int hole = 0;

    int holeValue() const { return k * k - 1; }
    std::uint64_t packed() const
    {
        std::uint64_t key = 0;
        for (int i = 0; i < k * k; ++i)
            key |= std::uint64_t(tiles[i]) << (4 * i);
        return key;
    }
    void slideFrom(int cell)
    {
        tiles[hole] = tiles[cell];
        tiles[cell] = holeValue();
        hole = cell;
    }
};

// The cells next to a cell of a k x k board.
template <typename Visit> void forNeighbours(int cell, int k, Visit visit)
{
    const int row = cell / k;
    const int col = cell % k;
    if (row > 0)
        visit(cell - k);
    if (row < k - 1)
        visit(cell + k);
    if (col > 0)
        visit(cell - 1);
    if (col < k - 1)
        visit(cell + 1);
}

// Twice the tiles that must leave a line for the rest of it to stand in their home order,
// counting only the tiles whose home is on this line.
int lineConflicts(const int* homesInOrder, int count)
{
    std::array<int, 4> longest{};
    int best = 0;
    for (int i = 0; i < count; ++i) {
        longest[i] = 1;
        for (int j = 0; j < i; ++j)
            if (homesInOrder[j] < homesInOrder[i])
                longest[i] = std::max(longest[i], longest[j] + 1);
        best = std::max(best, longest[i]);
    }
    return 2 * (count - best);
}

// Manhattan distance plus linear conflicts: never more than the slides still needed.
class Estimate {
public:
    explicit Estimate(const SmallBoard& board)
        : k_(board.k)
    {
        for (int cell = 0; cell < k_ * k_; ++cell)
            if (board.tiles[cell] != board.holeValue())
                distance_ += distance(board.tiles[cell], cell);
        for (int line = 0; line < k_; ++line) {
            rows_[line] = conflicts<false>(board, line);
            cols_[line] = conflicts<true>(board, line);
            conflicts_ += rows_[line] + cols_[line];
        }
    }

    int value() const { return distance_ + conflicts_; }

    // The board after its tile at from has slid into the hole at to.
    void moved(const SmallBoard& board, int from, int to)
    {
        const int tile = board.tiles[to];
        distance_ += distance(tile, to) - distance(tile, from);
        if (from / k_ == to / k_) {
            recount(cols_[from % k_], conflicts<true>(board, from % k_));
            recount(cols_[to % k_], conflicts<true>(board, to % k_));
        } else {
            recount(rows_[from / k_], conflicts<false>(board, from / k_));
            recount(rows_[to / k_], conflicts<false>(board, to / k_));
        }
    }

private:
    void recount(int& line, int now)
    {
        conflicts_ += now - line;
        line = now;
    }
    int distance(int tile, int cell) const
    {
        return std::abs(tile / k_ - cell / k_) + std::abs(tile % k_ - cell % k_);
    }
    // The conflicts of one row, or of one column.
    template <bool column> int conflicts(const SmallBoard& board, int line) const
    {
        std::array<int, 4> homes{};
        int count = 0;
        for (int i = 0; i < k_; ++i) {
            const int tile = board.tiles[column ? i * k_ + line : line * k_ + i];
            if (tile != board.holeValue() && (column ? tile % k_ : tile / k_) == line)
                homes[count++] = column ? tile / k_ : tile % k_;
        }
        return lineConflicts(homes.data(), count);
    }

    int k_;
    int distance_ = 0;
    int conflicts_ = 0;
    std::array<int, 4> rows_{};
    std::array<int, 4> cols_{};
};

// Iterative deepening A*, its estimate weighted by quarters: a shortest solution at a weight
// of four quarters, else one at most that many quarters of the shortest, found in far fewer
// positions. Nothing when more positions than the budget are needed.
class Search {
public:
    static constexpr int Exact = 4;

    Search(SmallBoard board, long budget, int weight = Exact)
        : board_(board)
        , estimate_(board)
        , budget_(budget)
        , weight_(weight)
        , longest_(weight * (board.k == 3 ? 31 : 80)) // the most slides any position needs
    {}

    std::optional<std::vector<int>> run()
    {
        int bound = weight_ * estimate_.value();
        while (true) {
            next_ = Unreached;
            if (search(0, bound, -1))
                return path_;
            if (next_ > longest_ || visited_ > budget_)
                return std::nullopt;
            bound = next_;
        }
    }

private:
    static constexpr int Unreached = 1 << 30;

    bool search(int slides, int bound, int cameFrom)
    {
        const int h = estimate_.value();
        const int cost = Exact * slides + weight_ * h;
        if (cost > bound) {
            next_ = std::min(next_, cost);
            return false;
        }
        if (h == 0)
            return true;
        if (++visited_ > budget_)
            return false;
        bool found = false;
        forNeighbours(board_.hole, board_.k, [&](int cell) {
            if (found || cell == cameFrom)
                return;
            const int hole = board_.hole;
            const Estimate before = estimate_;
            board_.slideFrom(cell);
            estimate_.moved(board_, cell, hole);
            path_.push_back(cell);
            if (search(slides + 1, bound, hole)) {
                found = true;
                return;
            }
            path_.pop_back();
            board_.slideFrom(hole);
            estimate_ = before;
        });
        return found;
    }

    SmallBoard board_;
    Estimate estimate_;
    long budget_;
    int weight_;
    long visited_ = 0;
    int longest_;
    int next_ = Unreached;
    std::vector<int> path_;
};

// A board of any size being brought home: tiles in reading order, the hole as Board::Hole,
// the cells already settled locked, and the clicks made so far.
class Reduction {
public:
    Reduction(const Board& board, int n)
        : n_(n)
        , tiles_(board.tiles(n))
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

    // The last 3 x 3, solved shortest, and every click in the whole board's cells.
    std::vector<Cell> finish()
    {
        const int offset = n_ - 3;
        SmallBoard small{3, {}, 0};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                const int tile = tiles_[index(offset + row, offset + col)];
                const int local = row * 3 + col;
                if (tile == Board::Hole) {
                    small.tiles[local] = small.holeValue();
                    small.hole = local;
                } else {
                    const Cell home = Board::homeCell(tile, n_);
                    small.tiles[local] = (home.row - offset) * 3 + (home.col - offset);
                }
            }
        }
        const std::optional<std::vector<int>> last = Search(small, Unlimited).run();
        if (!last)
            return {};
        for (const int local : *last)
            clicks_.push_back({offset + local % 3, offset + local / 3});
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

std::vector<Cell> solveFourByFour(const Board& board)
{
    SmallBoard small{4, {}, 0};
    const std::vector<int> tiles = board.tiles(4);
    for (int cell = 0; cell < 16; ++cell) {
        small.tiles[cell] = tiles[static_cast<size_t>(cell)] == Board::Hole
                                ? small.holeValue()
                                : tiles[static_cast<size_t>(cell)];
        if (tiles[static_cast<size_t>(cell)] == Board::Hole)
            small.hole = cell;
    }
    // Shortest if it comes soon; else ever more weight on the estimate, each try as quick.
    std::optional<std::vector<int>> path;
    for (const int weight : FourByFourWeights)
        if (!path)
            path =
                Search(small, weight == FourByFourWeights.back() ? Unlimited : FourByFourNodeBudget,
                       weight)
                    .run();
    std::vector<Cell> clicks;
    for (const int cell : *path)
        clicks.push_back({cell % 4, cell / 4});
    return clicks;
}
} // namespace

std::vector<Cell> solveSlider(const Board& board, int n)
{
    // Only a position slides can solve is searched: any other would never end.
    if (!board.hasHole() || !Board::fromTiles(PuzzleMode::Slider, n, board.tiles(n)))
        return {};
    if (n == 4)
        return solveFourByFour(board);
    Reduction reduction(board, n);
    return reduction.reduceToThree() ? reduction.finish() : std::vector<Cell>{};
}
