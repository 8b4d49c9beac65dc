#pragma once

// A half-open range [first, end) of tile columns or rows.
struct TileSpan {
    int first = 0;
    int end = 0;

    bool Empty() const { return first >= end; }
};
