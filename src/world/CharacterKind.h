#pragma once

// Which of the map's two character lists an operation looks in. Any other
// value finds nothing.
namespace CharacterKind {
constexpr int kHero = 1;
constexpr int kNpc = 2;
}  // namespace CharacterKind
