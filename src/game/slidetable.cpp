// Slide table: the fewest moves from every 3 x 3 slider position, a slide of any length one.
#include "slidetable.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {
constexpr int Side = 3;
constexpr int Cells = Side * Side;
constexpr int HoleTile = Cells - 1;
constexpr int Positions = 362'880; // 9!: every order of the tiles, half of them reachable
constexpr std::uint8_t Unreached = 0xff;

using Square = std::array<int, Cells>;

// The position's place among all orders of the nine tiles.
int rankOf(const Square& square)
{
    int rank = 0;
    for (int i = 0; i < Cells; ++i) {
        int smallerLater = 0;
        for (int j = i + 1; j < Cells; ++j)
            smallerLater += square[j] < square[i] ? 1 : 0;
        rank = rank * (Cells - i) + smallerLater;
    }
    return rank;
}

Square fromRank(int rank)
{
    std::array<int, Cells> codes{};
    for (int i = Cells - 1; i >= 0; --i) {
        codes[i] = rank % (Cells - i);
        rank /= Cells - i;
    }
    Square unused{0, 1, 2, 3, 4, 5, 6, 7, 8}; // its first Cells - i entries, in order
    Square square{};
    for (int i = 0; i < Cells; ++i) {
        square[i] = unused[codes[i]];
        std::copy(unused.begin() + codes[i] + 1, unused.end(), unused.begin() + codes[i]);
    }
    return square;
}

// The cells in line with the hole: each a slide of one tile or two.
template <typename Visit> void forSlides(int hole, Visit visit)
{
    for (int cell = 0; cell < Cells; ++cell)
        if (cell != hole && (cell / Side == hole / Side || cell % Side == hole % Side))
            visit(cell);
}

Square slid(Square square, int hole, int cell)
{
    const int step =
        cell / Side == hole / Side ? (cell > hole ? 1 : -1) : (cell > hole ? Side : -Side);
    for (int at = hole; at != cell; at += step)
        square[at] = square[at + step];
    square[cell] = HoleTile;
    return square;
}

int holeOf(const Square& square)
{
    return static_cast<int>(std::find(square.begin(), square.end(), HoleTile) - square.begin());
}

// Breadth first from the solved square: slides are their own inverse in reverse, so the
// moves from a position to home are the moves from home to it.
std::vector<std::uint8_t> buildDistances()
{
    std::vector<std::uint8_t> distances(Positions, Unreached);
    std::vector<int> queue;
    queue.reserve(Positions / 2);
    const int home = rankOf({0, 1, 2, 3, 4, 5, 6, 7, 8});
    distances[static_cast<size_t>(home)] = 0;
    queue.push_back(home);
    for (size_t next = 0; next < queue.size(); ++next) {
        const Square square = fromRank(queue[next]);
        const std::uint8_t distance = distances[static_cast<size_t>(queue[next])];
        const int hole = holeOf(square);
        forSlides(hole, [&](int cell) {
            const int after = rankOf(slid(square, hole, cell));
            if (distances[static_cast<size_t>(after)] == Unreached) {
                distances[static_cast<size_t>(after)] = distance + 1;
                queue.push_back(after);
            }
        });
    }
    return distances;
}

std::uint8_t distanceOf(const Square& square)
{
    static const std::vector<std::uint8_t> distances = buildDistances();
    return distances[static_cast<size_t>(rankOf(square))];
}

} // namespace

std::vector<Cell> solveLastThree(const std::vector<int>& tiles, int n)
{
    const int offset = n - Side;
    Square square{};
    for (int cell = 0; cell < Cells; ++cell) {
        const int tile = tiles[static_cast<size_t>(offset + cell / Side) * static_cast<size_t>(n) +
                               static_cast<size_t>(offset + cell % Side)];
        square[cell] =
            tile == Board::Hole ? HoleTile : (tile / n - offset) * Side + (tile % n - offset);
    }
    std::vector<Cell> clicks;
    for (std::uint8_t left = distanceOf(square); left != 0 && left != Unreached; --left) {
        const int hole = holeOf(square);
        int closer = hole;
        forSlides(hole, [&](int cell) {
            if (closer == hole && distanceOf(slid(square, hole, cell)) == left - 1)
                closer = cell;
        });
        square = slid(square, hole, closer);
        clicks.push_back({offset + closer % Side, offset + closer / Side});
    }
    return clicks;
}
