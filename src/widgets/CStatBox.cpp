#include "widgets/CStatBox.h"

#include <string>

#include "world/CHero.h"
#include "world/CMap.h"

namespace {

// Blank labels separate the groups.
const char* const kLabels[CStatBox::kRows] = {
    "HP Max",  "MP Max", "EP Max",     "",      "XP Physique", "XP Magique", "",
    "Attaque", "Ma\xEEtrise", "Esquive", "R\xE9sistance", "",  "Magie",      "Aura",
    "Rang",    "",       "Vitesse",    "MAPT",  "Chance",
};

}  // namespace

CStatBox::CStatBox()
{
    Resize(kRows, 2);
    SetColumnWidth(0, kLabelWidth);
    SetColumnWidth(1, kValueWidth);
    FitToContent();
    for (std::int32_t row = 0; row < kRows; ++row)
        SetCell(row, 0, kLabels[row]);
}

void CStatBox::SetHero(const CHero* hero)
{
    if (!hero)
        return;
    heroId = hero->identifier;
    const HeroStats& s = hero->stats;
    const struct {
        std::int32_t row;
        long long value;
    } values[] = {
        {0, static_cast<std::int32_t>(s.hpMax)}, {1, static_cast<std::int32_t>(s.mpMax)},
        {2, s.epMax},    {4, s.xpPhysical}, {5, s.xpMagical}, {7, s.attack},
        {8, s.mastery},  {9, s.dodge},      {10, s.resistance}, {12, s.magic},
        {13, s.aura},    {14, s.heroRank},  {16, s.speed},    {17, s.mapt},
        {18, s.luck},
    };
    for (const auto& v : values)
        SetCell(v.row, 1, std::to_string(v.value));
    Rebuild();
}

void CStatBox::Refresh(const CMap& map)
{
    if (heroId)
        SetHero(map.FindHero(*heroId));
}
