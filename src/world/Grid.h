#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A width x height table indexed [x][y] (column-major, as the map grids
// are), stored in one block. Positions that come from characters or scripts
// are looked up with Find, which answers null outside the table; At is for
// loops over positions already known to be inside.
template <class Cell>
class Grid {
public:
    Grid() = default;
    Grid(std::uint16_t width, std::uint16_t height)
        : width(width), height(height), cells(std::size_t(width) * height)
    {
    }

    std::uint16_t Width() const { return width; }
    std::uint16_t Height() const { return height; }
    bool Contains(long long x, long long y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height;
    }

    // Only for positions that Contains accepts.
    Cell& At(std::uint16_t x, std::uint16_t y) { return cells[Index(x, y)]; }
    const Cell& At(std::uint16_t x, std::uint16_t y) const { return cells[Index(x, y)]; }

    // Null outside the table.
    const Cell* Find(long long x, long long y) const
    {
        return Contains(x, y) ? &cells[Index(std::uint16_t(x), std::uint16_t(y))] : nullptr;
    }

private:
    std::size_t Index(std::uint16_t x, std::uint16_t y) const
    {
        return std::size_t(x) * height + y;
    }

    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<Cell> cells;
};
