// Slide search: shortest (or nearly shortest) slides for a 4 x 4 board.
#include "slidesearch.h"

#include <algorithm>
#include <array>

namespace {
// A small square board of its own numbering: the tile whose home is index i holds i, the hole
// holds k * k - 1, and its home is the last index.
struct SmallBoard {
    int k = 0;
    std::array<int, 16> tiles{};
    int hole = 0;

    int holeValue() const { return k * k - 1; }
    void slideFrom(int cell)
    {
        tiles[hole] = tiles[cell];
        tiles[cell] = holeValue();
        hole = cell;
    }
};

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

// The cell beyond `to` on the line from `from`, or -1 past the edge or without a `from`.
int straightOn(int from, int to, int k)
{
    if (from < 0)
        return -1;
    const int row = 2 * (to / k) - from / k;
    const int col = 2 * (to % k) - from % k;
    return row < 0 || col < 0 || row >= k || col >= k ? -1 : row * k + col;
}

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
        , longest_(weight * 80) // the most slides any 4 x 4 position needs
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
        const auto tryFrom = [&](int cell) {
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
        };
        // Straight on first: of the shortest solutions, one whose slides run on in a line
        // makes fewer moves of several tiles.
        const int ahead = straightOn(cameFrom, board_.hole, board_.k);
        if (ahead >= 0)
            tryFrom(ahead);
        forNeighbours(board_.hole, board_.k, [&](int cell) {
            if (cell != ahead)
                tryFrom(cell);
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
} // namespace

std::optional<std::vector<Cell>> searchFourByFour(const std::vector<int>& tiles,
                                                  const std::vector<SearchTry>& tries)
{
    constexpr int Side = 4;
    SmallBoard small{Side, {}, 0};
    for (int cell = 0; cell < Side * Side; ++cell) {
        const int tile = tiles[static_cast<size_t>(cell)];
        small.tiles[static_cast<size_t>(cell)] = tile == Board::Hole ? small.holeValue() : tile;
        if (tile == Board::Hole)
            small.hole = cell;
    }
    for (const SearchTry& next : tries) {
        if (const std::optional<std::vector<int>> path =
                Search(small, next.budget, next.weight).run()) {
            std::vector<Cell> clicks;
            for (const int cell : *path)
                clicks.push_back({cell % Side, cell / Side});
            return clicks;
        }
    }
    return std::nullopt;
}
