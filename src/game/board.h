// Board: the tiles of both puzzle modes, how they are jumbled, moved and found in order.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class RandomEngine;

enum class PuzzleMode { TileSwap, Slider };

// The stored number of a mode: 0 is tile swap, anything else plays as the slider.
constexpr PuzzleMode puzzleModeFromSetting(int setting)
{
    return setting == 0 ? PuzzleMode::TileSwap : PuzzleMode::Slider;
}
constexpr int storedPuzzleMode(PuzzleMode mode)
{
    return mode == PuzzleMode::Slider ? 1 : 0;
}

struct Cell {
    int col = 0;
    int row = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// An N x N board of one mode (players get N = 3..10), in a 10 x 10 store addressed column first.
// The tile whose home is column c, row r of the picture is number r * N + c; the slider's hole is
// Hole. Cells outside the N x N square are never read.
class Board {
public:
    static constexpr int SmallestBoard = 2;
    static constexpr int MinDimension = 3;
    static constexpr int MaxDimension = 10;
    static constexpr std::size_t MaxCells = std::size_t{MaxDimension} * MaxDimension;
    static constexpr int Hole = -1;

    // Every tile at home: the solved 4 x 4 tile-swap board.
    Board()
        : Board(PuzzleMode::TileSwap, 4)
    {}
    // Every tile at home; the slider's start position leaves the bottom-right cell empty. N
    // is taken into 2..10: the store holds no more, and a board needs two cells a side to
    // move at all.
    Board(PuzzleMode mode, int n);

    PuzzleMode mode() const { return mode_; }
    int dimension() const { return n_; }
    int cellCount() const { return n_ * n_; }
    bool contains(Cell cell) const
    {
        return cell.col >= 0 && cell.row >= 0 && cell.col < n_ && cell.row < n_;
    }
    int homeNumber(Cell cell) const { return cell.row * n_ + cell.col; }
    Cell homeCell(int tile) const { return {tile % n_, tile / n_}; }

    int at(Cell cell) const { return board_[index(cell)]; }

    // A new random arrangement. Tile swap: any permutation (rarely the solved one). Slider:
    // a random walk of the hole from the start position, so always solvable, ending with
    // the hole in the bottom-right corner.
    void jumble(RandomEngine& random);

    // Slider move: every tile between the clicked cell and the hole (same row or column)
    // moves one cell towards the hole, and the hole takes the clicked cell. False, with
    // nothing changed, for the hole itself, a cell off its row and column, or no hole.
    bool slide(Cell clicked);

    // Tile-swap move: the two cells exchange their tiles.
    void swap(Cell selected, Cell clicked);

    // In slider mode the bottom-right cell is not compared.
    bool isSolved() const;
    // The tiles in their home cells, of tileCount(): the slider's hole is no tile.
    int tilesHome() const;
    int tileCount() const { return hasHole_ ? cellCount() - 1 : cellCount(); }

    // Every tile at home, the bottom-right one included, so the whole picture shows. The
    // board has no hole afterwards until the next jumble.
    void fillSolved();

    // The tiles in reading order, the hole as Hole.
    std::vector<int> tiles() const;
    // The board of tiles in reading order, if it is one the mode can reach: tile swap, every
    // tile once; slider, every tile but the last once and one hole, in a position that
    // slides can still solve. Nothing for anything else.
    static std::optional<Board> fromTiles(PuzzleMode mode, int n, const std::vector<int>& tiles);

    bool hasHole() const { return hasHole_; }
    friend bool operator==(const Board&, const Board&) = default;
    int holeCol() const { return hole_.col; }
    int holeRow() const { return hole_.row; }

private:
    static constexpr int index(Cell cell) { return cell.col * MaxDimension + cell.row; }
    void put(Cell cell, int tile) { board_[index(cell)] = tile; }
    void jumbleTiles(RandomEngine& random);
    void walkHole(RandomEngine& random);

    PuzzleMode mode_;
    int n_;
    std::array<int, MaxCells> board_{};
    Cell hole_;
    bool hasHole_ = false;
};
