#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/TgaImage.h"

using Bytes = std::vector<std::uint8_t>;

// The bytes a read image holds (none when it holds no pixels).
inline Bytes Memory(const TgaImage& image)
{
    if (!image.pixels)
        return {};
    std::size_t size = std::size_t{image.width} * image.height * image.bytesPerPixel;
    return {image.pixels, image.pixels + size};
}

// Equal bytes; a failure names the first difference instead of printing both.
inline testing::AssertionResult SameBytes(const Bytes& actual, const Bytes& expected)
{
    auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    if (a == actual.end() && e == expected.end())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " are expected, first difference at byte "
                                       << (a - actual.begin());
}
