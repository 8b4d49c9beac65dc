#include "image/BgrConversion.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
void ConvertBgrOneByOne(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, from += 3, to += 3) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
    }
}

void ConvertBgraOneByOne(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, from += 4, to += 4) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
        to[3] = from[3];
    }
}

#if defined(__SSE2__)
// Byte p of a run of 3-byte pixels takes byte p + 2 when p % 3 == 0 (red to
// the front), keeps its own when p % 3 == 1 (green) and takes byte p - 2 when
// p % 3 == 2 (blue to the back). Sixteen pixels are 48 bytes, three vectors;
// the masks pick, for vector v, the bytes of each kind.
struct MaskTable {
    alignas(16) std::uint8_t bytes[3][3][16];  // [vector][kind][byte]
};

constexpr MaskTable MakeMaskTable()
{
    MaskTable table{};
    for (int vector = 0; vector < 3; ++vector)
        for (int kind = 0; kind < 3; ++kind)
            for (int j = 0; j < 16; ++j)
                table.bytes[vector][kind][j] = (vector * 16 + j) % 3 == kind ? 0xFF : 0x00;
    return table;
}

constexpr MaskTable kMasks = MakeMaskTable();

struct Masks {
    __m128i take[3][3];  // [vector][kind]
    Masks()
    {
        for (int vector = 0; vector < 3; ++vector)
            for (int kind = 0; kind < 3; ++kind)
                take[vector][kind] =
                    _mm_load_si128(reinterpret_cast<const __m128i*>(kMasks.bytes[vector][kind]));
    }
};

// Each byte of `current` with the one two places later, continuing into `next`.
inline __m128i TwoLater(__m128i current, __m128i next)
{
    return _mm_or_si128(_mm_srli_si128(current, 2), _mm_slli_si128(next, 14));
}

// Each byte of `current` with the one two places earlier, continuing from
// `previous`.
inline __m128i TwoEarlier(__m128i current, __m128i previous)
{
    return _mm_or_si128(_mm_slli_si128(current, 2), _mm_srli_si128(previous, 14));
}

inline __m128i Pick(__m128i later, __m128i same, __m128i earlier, const __m128i* take)
{
    return _mm_or_si128(_mm_or_si128(_mm_and_si128(later, take[0]), _mm_and_si128(same, take[1])),
                        _mm_and_si128(earlier, take[2]));
}

std::size_t ConvertBgrSixteenAtATime(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    const Masks masks;
    const __m128i zero = _mm_setzero_si128();
    std::size_t done = 0;
    for (; done + 16 <= count; done += 16, from += 48, to += 48) {
        __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16));
        __m128i v2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 32));
        // The first vector never needs the bytes before it, the last never
        // the bytes after it.
        __m128i out0 = Pick(TwoLater(v0, v1), v0, TwoEarlier(v0, zero), masks.take[0]);
        __m128i out1 = Pick(TwoLater(v1, v2), v1, TwoEarlier(v1, v0), masks.take[1]);
        __m128i out2 = Pick(TwoLater(v2, zero), v2, TwoEarlier(v2, v1), masks.take[2]);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), out0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 16), out1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 32), out2);
    }
    return done;
}

// Within each 32-bit pixel, bytes 0 and 2 change places; 1 and 3 stay.
std::size_t ConvertBgraFourAtATime(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    const __m128i stay = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
    const __m128i low = _mm_set1_epi32(0x000000FF);
    const __m128i third = _mm_set1_epi32(0x00FF0000);
    std::size_t done = 0;
    for (; done + 4 <= count; done += 4, from += 16, to += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        __m128i out = _mm_or_si128(
            _mm_and_si128(v, stay),
            _mm_or_si128(_mm_and_si128(_mm_srli_epi32(v, 16), low),
                         _mm_and_si128(_mm_slli_epi32(v, 16), third)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), out);
    }
    return done;
}
#endif
}  // namespace

void ConvertBgrPixels(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    std::size_t done = 0;
#if defined(__SSE2__)
    done = ConvertBgrSixteenAtATime(from, to, count);
#endif
    ConvertBgrOneByOne(from + done * 3, to + done * 3, count - done);
}

void ConvertBgraPixels(const std::uint8_t* from, std::uint8_t* to, std::size_t count)
{
    std::size_t done = 0;
#if defined(__SSE2__)
    done = ConvertBgraFourAtATime(from, to, count);
#endif
    ConvertBgraOneByOne(from + done * 4, to + done * 4, count - done);
}
