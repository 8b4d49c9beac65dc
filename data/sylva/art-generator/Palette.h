#pragma once

#include "Canvas.h"

// The colours the whole set shares, so that tiles and characters belong to
// one picture: a warm light from the upper left, shadows towards purple,
// one dark outline colour for everything that stands on the ground.
namespace palette {
inline const Rgba outline = Hex(0x241c2c);
inline const Rgba grass = Hex(0x5c9e3c), grassDark = Hex(0x447e32), grassLight = Hex(0x7cbc4c),
                  grassTip = Hex(0xa2d25e);
inline const Rgba dirt = Hex(0xc9a268), dirtDark = Hex(0xa57c4c), dirtLight = Hex(0xdcbc86), pebble = Hex(0x8a6a44);
inline const Rgba bank = Hex(0x7a5636), bankDark = Hex(0x5a3c26);
inline const Rgba water = Hex(0x3f7ec0), waterDeep = Hex(0x3266a8), waterLight = Hex(0x6aa8dc),
                  foam = Hex(0xd6eefa);
inline const Rgba leaf = Hex(0x3a8a3c), leafDark = Hex(0x25602e), leafLight = Hex(0x58ac48), leafTip = Hex(0x86cc5a);
inline const Rgba pine = Hex(0x2e7a52), pineDark = Hex(0x1e5440), pineLight = Hex(0x48a064);
inline const Rgba bark = Hex(0x7a5232), barkDark = Hex(0x4e3320), barkLight = Hex(0x9c6c42);
inline const Rgba wood = Hex(0x9a6636), woodDark = Hex(0x643e22), woodLight = Hex(0xc08a50);
inline const Rgba plaster = Hex(0xe9dcb8), plasterShade = Hex(0xc7b48c), timber = Hex(0x6a4428);
inline const Rgba stone = Hex(0x9c9aa6), stoneDark = Hex(0x6a6878), stoneLight = Hex(0xc6c4cc);
inline const Rgba roofRed = Hex(0xb8483e), roofRedDark = Hex(0x7c2c30), roofRedLight = Hex(0xdc6e58);
inline const Rgba roofBlue = Hex(0x4a62a2), roofBlueDark = Hex(0x2e3c70), roofBlueLight = Hex(0x6e8ac6);
inline const Rgba glass = Hex(0x8cc4e8), glassDark = Hex(0x3e5c8a);
inline const Rgba floorWood = Hex(0xb27e4c), floorGap = Hex(0x7a5030), floorLight = Hex(0xc99760);
inline const Rgba wallpaper = Hex(0xdcc79a), wallpaperStripe = Hex(0xc4aa7a), wallTop = Hex(0x3a2a32);
inline const Rgba red = Hex(0xd04848), yellow = Hex(0xf2d04a), white = Hex(0xf4f0e8), pink = Hex(0xf08cb4),
                  violet = Hex(0x9a6cd0), orange = Hex(0xf08a3a);
}  // namespace palette
