#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/CHero.h"
#include "world/CNpc.h"
#include "world/Grid.h"
#include "world/MapLayer.h"
#include "world/MapTexture.h"
#include "world/TileEvent.h"
#include "world/TilePos.h"

// The current map with its characters: tile layers, walkability, tile
// scripts, the pictures it needs, its non-player characters, and the party's
// heroes, which are not part of a map file and survive every change of map.
//
// Characters are held through pointers so that a record never moves: other
// objects (the statistics box) keep pointers to heroes while the lists are
// re-sorted for drawing every frame and while heroes are added.
class CMap {
public:
    using NpcList = std::vector<std::unique_ptr<CNpc>>;
    using HeroList = std::vector<std::unique_ptr<CHero>>;

    static const int kTileSize = 32;
    // The window size the program uses, until SetViewSize names the real one.
    static const std::int32_t kDefaultViewWidth = 640;
    static const std::int32_t kDefaultViewHeight = 480;

    CMap() = default;
    explicit CMap(const std::string& name);
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    // ---- Loading ----
    // The data path of a map: "map\" + name + ".map".
    static std::string MapFilePath(const std::string& name);
    // Replaces the current map with "map\<name>.map". Returns false, and
    // leaves no map loaded, when the file cannot be opened or cannot hold
    // what its header announces; `whyRefused` then receives one sentence
    // saying why. The heroes, the scroll and the view size are kept.
    bool LoadMap(const std::string& name, std::string* whyRefused = nullptr);
    // Forgets the current map and its characters; heroes stay.
    void UnloadMap();

    const std::string& Name() const { return name; }
    std::uint16_t Width() const { return width; }
    std::uint16_t Height() const { return height; }
    std::uint16_t LayerCount() const { return layerCount; }
    const std::vector<MapLayer>& Layers() const { return layers; }
    const Grid<std::uint8_t>& Walkability() const { return walkability; }
    const Grid<TileEvent>& Events() const { return events; }
    std::uint16_t StartScript() const { return startScript; }
    const std::vector<MapTexture>& Textures() const { return textures; }

    // Tile questions that are safe anywhere: outside the map a tile is
    // blocked and has no scripts.
    bool IsWalkable(long long x, long long y) const;
    TileEvent EventAt(long long x, long long y) const;

    // ---- Characters ----
    // The lists can be read and their records changed, but characters are
    // added only by LoadMap and AddHero.
    const NpcList& Npcs() const { return npcs; }
    const HeroList& Heroes() const { return heroes; }

    // Appends a hero with the given identifier, name and sprite texture and
    // everything else at its defaults. An identifier already in use is
    // accepted; lookups then find the earlier hero.
    CHero& AddHero(std::uint16_t identifier, const std::string& heroName, std::uint32_t texture);
    // Loading a saved game: the characters as they stood when it was saved
    // take the place of the map file's and of the party.
    void ReplaceCharacters(NpcList savedNpcs, HeroList savedHeroes);

    // The first record with this identifier, or null after printing
    // "NULL returned: <identifier>".
    CHero* FindHero(std::int32_t identifier) const;
    CNpc* FindNpc(std::int32_t identifier) const;

    // The tile under the character's feet (kind 1 hero, 2 NPC). A missing
    // identifier answers for a new character's position; a position outside
    // the map and any other kind answer a tile that is not valid.
    TilePos StandingTile(int kind, std::int32_t identifier) const;
    // The tile in front of the character, not valid outside the map.
    TilePos FacingTile(int kind, std::int32_t identifier) const;

    // ---- Camera and drawing ----
    // The size of the view the map is drawn into. The map reads the values
    // through these pointers whenever it needs them (they are the window's
    // size, which lives as long as the game); null falls back to 640 x 480.
    void SetViewSize(const std::int32_t* viewWidthSource, const std::int32_t* viewHeightSource);
    std::int32_t ViewWidth() const;
    std::int32_t ViewHeight() const;

    // Screen position of the map's top-left pixel.
    std::int32_t ScrollX() const { return scrollX; }
    std::int32_t ScrollY() const { return scrollY; }
    // Puts map pixel (px, py) at the centre of the view, clamped so that no
    // space shows beside a large map; a map narrower (or lower) than the
    // view is centred instead.
    void CenterOn(std::int32_t px, std::int32_t py);
    // CenterOn the character's sprite's top-left pixel, if it exists.
    void CenterOnCharacter(int kind, std::int32_t identifier);
    // Puts the map's top-left pixel at (x, y) on the screen, as it was.
    void SetScroll(std::int32_t x, std::int32_t y)
    {
        scrollX = x;
        scrollY = y;
    }

    // Draws one tile layer with the current scroll, if the map has it.
    void DrawMapLayer(int index) const;
    // Sorts both character lists by depth (tile row, then pixel offset) and
    // draws every character back to front; at equal depth a hero is drawn
    // before (under) an NPC.
    void DrawCharacters();

    // ---- Movement ----
    // Walks a character by up to steps + 1 pixels (see Step).
    void MoveCharacter(int kind, std::int32_t identifier, int direction, int steps);

private:
    CPerso* FindCharacter(int kind, std::int32_t identifier) const;

    std::string name;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    std::vector<MapLayer> layers;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t layerCount = 0;
    Grid<std::uint8_t> walkability;
    Grid<TileEvent> events;
    const std::int32_t* viewWidth = nullptr;
    const std::int32_t* viewHeight = nullptr;
    std::uint16_t startScript = 0;
    std::vector<MapTexture> textures;
    NpcList npcs;
    HeroList heroes;
};
