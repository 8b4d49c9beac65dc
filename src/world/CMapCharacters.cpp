#include <cstdio>

#include "world/CMap.h"
#include "world/CharacterKind.h"
#include "world/Direction.h"

namespace {

template <class List>
typename List::value_type::pointer FindIn(const List& list, std::int32_t identifier)
{
    for (const auto& record : list)
        if (record->identifier == identifier)
            return record.get();
    std::printf("NULL returned: %d\n", static_cast<int>(identifier));
    return nullptr;
}

// The answer for a pixel of the map: its tile, valid only inside the map.
TilePos TileAtPixel(long long px, long long py, std::uint16_t width, std::uint16_t height)
{
    const long long size = CMap::kTileSize;
    if (px < 0 || py < 0 || px >= size * width || py >= size * height)
        return TilePos();
    return TilePos{std::int32_t(px / size), std::int32_t(py / size), true};
}

long long PixelX(const CPerso& c)
{
    return (long long)CMap::kTileSize * c.tileX + c.offsetX;
}

long long PixelY(const CPerso& c)
{
    return (long long)CMap::kTileSize * c.tileY + c.offsetY;
}

}  // namespace

CHero& CMap::AddHero(std::uint16_t identifier, const std::string& heroName, std::uint32_t texture)
{
    heroes.push_back(std::make_unique<CHero>());
    CHero& hero = *heroes.back();
    hero.identifier = identifier;
    hero.name = heroName;
    hero.texture = texture;
    return hero;
}

CHero* CMap::FindHero(std::int32_t identifier) const
{
    return FindIn(heroes, identifier);
}

CNpc* CMap::FindNpc(std::int32_t identifier) const
{
    return FindIn(npcs, identifier);
}

CPerso* CMap::FindCharacter(int kind, std::int32_t identifier) const
{
    if (kind == CharacterKind::kHero)
        return FindHero(identifier);
    if (kind == CharacterKind::kNpc)
        return FindNpc(identifier);
    return nullptr;
}

TilePos CMap::StandingTile(int kind, std::int32_t identifier) const
{
    if (kind != CharacterKind::kHero && kind != CharacterKind::kNpc)
        return TilePos();
    const CPerso* found = FindCharacter(kind, identifier);
    const CPerso c = found ? *found : CPerso();
    // A point in the lower half of the sprite, inside its collision box.
    return TileAtPixel(PixelX(c) + 16, PixelY(c) + 24, width, height);
}

TilePos CMap::FacingTile(int kind, std::int32_t identifier) const
{
    if (kind != CharacterKind::kHero && kind != CharacterKind::kNpc)
        return TilePos();
    const CPerso* found = FindCharacter(kind, identifier);
    const CPerso c = found ? *found : CPerso();
    // The sprite's centre, moved one tile the way the character faces.
    long long px = PixelX(c) + 16;
    long long py = PixelY(c) + 16;
    switch (c.facing) {
    case Direction::kLeft: px -= kTileSize; break;
    case Direction::kDown: py += kTileSize; break;
    case Direction::kRight: px += kTileSize; break;
    case Direction::kUp: py -= kTileSize; break;
    default: break;
    }
    return TileAtPixel(px, py, width, height);
}

void CMap::ReplaceCharacters(NpcList savedNpcs, HeroList savedHeroes)
{
    npcs = std::move(savedNpcs);
    heroes = std::move(savedHeroes);
}
