#include <gtest/gtest.h>

#include <string>

#include "rules/ExperienceConversion.h"
#include "rules/StatHelpText.h"

namespace {

const std::string kPhysicalRefusal =
    "Vous n'avez pas assez d'exp\xE9rience physique pour augmenter cette statistique.";
const std::string kMagicalRefusal =
    "Vous n'avez pas assez d'exp\xE9rience magique pour augmenter cette statistique.";

}  // namespace

// Both pools' prices of every statistic for a new hero; 0 where the pool does
// not offer it, and for numbers that name no statistic.
TEST(ExperienceConversion, PricesOfANewHero)
{
    const HeroStats hero;
    const struct {
        int stat;
        std::uint32_t physical, magical;
    } prices[] = {
        {0, 1000, 1000}, {1, 0, 145}, {2, 226, 0}, {3, 101, 0}, {4, 145, 0}, {5, 10, 0}, {6, 65, 0},
        {7, 0, 197},     {8, 0, 50},  {9, 0, 784}, {10, 6400, 6400}, {11, 0, 0}, {-1, 0, 0},
    };
    for (const auto& p : prices) {
        EXPECT_EQ(PhysicalCost(hero, StatId(p.stat)), p.physical) << "stat " << p.stat;
        EXPECT_EQ(MagicalCost(hero, StatId(p.stat)), p.magical) << "stat " << p.stat;
    }
}

TEST(ExperienceConversion, EachRaiseHasItsEffectAndMessage)
{
    const struct {
        StatId stat;
        XpPool pool;
        std::uint8_t HeroStats::*field;
        int after;
        const char* message;
    } raises[] = {
        {StatId::Attack, XpPool::Physical, &HeroStats::attack, 11, "Attaque major\xE9" "e de 1!"},
        {StatId::Mastery, XpPool::Physical, &HeroStats::mastery, 13, "Ma\xEEtrise major\xE9" "e de 1!"},
        {StatId::Dodge, XpPool::Physical, &HeroStats::dodge, 4, "Esquive major\xE9" "e de 1!"},
        {StatId::Resistance, XpPool::Physical, &HeroStats::resistance, 9, "R\xE9sistance major\xE9" "e de 1!"},
        {StatId::Magic, XpPool::Magical, &HeroStats::magic, 15, "Magie major\xE9" "e de 1!"},
        {StatId::Aura, XpPool::Magical, &HeroStats::aura, 8, "Aura major\xE9" "e de 1!"},
        {StatId::HeroRank, XpPool::Magical, &HeroStats::heroRank, 3, "Vous venez de passer au rang "
         "suivant. Vous pouvez maintenant utiliser les sorts du cercle sup\xE9rieur!"},
        {StatId::Mapt, XpPool::Magical, &HeroStats::mapt, 4, "Maximum d'Actions Par Tour major\xE9 de 1!"},
    };
    for (const auto& r : raises) {
        HeroStats hero;
        hero.xpPhysical = hero.xpMagical = 100000;
        EXPECT_EQ(RaiseStat(hero, r.stat, r.pool), r.message);
        EXPECT_EQ(hero.*r.field, r.after) << r.message;
    }
    HeroStats hero;
    EXPECT_EQ(RaiseStat(hero, StatId::MpMax, XpPool::Magical), "Maximum de MP major\xE9 de 5!");
    EXPECT_EQ(RaiseStat(hero, StatId::EpMax, XpPool::Physical), "Maximum de EP major\xE9 de 5!");
    EXPECT_EQ(hero.mpMax, 17u);
    EXPECT_EQ(hero.epMax, 20);
    EXPECT_EQ(hero.xpMagical, 700 - 145);
    EXPECT_EQ(hero.xpPhysical, 1200 - 226);
}

TEST(ExperienceConversion, PricesGrowAndRefusalsChangeNothing)
{
    HeroStats hero;
    EXPECT_EQ(hero.speed, 5);
    EXPECT_EQ(RaiseStat(hero, StatId::HpMax, XpPool::Physical), "Maximum de HP major\xE9 de 10%!");
    EXPECT_EQ(hero.hpMax, 550u);
    EXPECT_EQ(hero.xpPhysical, 200);
    // 1100 for the next tenth with 200 left; Rang costs 784 of 700. A refusal
    // leaves even a stale speed alone.
    hero.speed = 99;
    EXPECT_EQ(RaiseStat(hero, StatId::HpMax, XpPool::Physical), kPhysicalRefusal);
    EXPECT_EQ(RaiseStat(hero, StatId::HeroRank, XpPool::Magical), kMagicalRefusal);
    EXPECT_EQ(hero.hpMax, 550u);
    EXPECT_EQ(hero.heroRank, 2);
    EXPECT_EQ(hero.xpPhysical, 200);
    EXPECT_EQ(hero.xpMagical, 700);
    EXPECT_EQ(hero.speed, 99);
    // Not offered by the pool, or no such pool: free, no effect, no message.
    EXPECT_EQ(RaiseStat(hero, StatId::Magic, XpPool::Physical), "");
    EXPECT_EQ(RaiseStat(hero, StatId::Dodge, XpPool(13)), "");
    EXPECT_EQ(hero.magic + hero.dodge + hero.xpPhysical, 14 + 3 + 200);
    EXPECT_EQ(hero.speed, 5);

    EXPECT_EQ(RaiseStat(hero, StatId::Dodge, XpPool::Physical), "Esquive major\xE9" "e de 1!");
    EXPECT_EQ(PhysicalCost(hero, StatId::Dodge), 17u);
    // 605 grows to 665 (665.5 truncated), the speed follows, and a price
    // equal to the pool is paid.
    hero.hpMax = 605;
    hero.xpMagical = 1210;
    RaiseStat(hero, StatId::HpMax, XpPool::Magical);
    EXPECT_EQ(hero.hpMax, 665u);
    EXPECT_EQ(hero.speed, 6);
    EXPECT_EQ(hero.xpMagical, 0);
    hero.hpMax = 20000;
    UpdateSpeed(hero);
    EXPECT_EQ(hero.speed, 100) << "at most 100";
}

TEST(StatHelpText, OneTextPerStatisticAndAFallback)
{
    EXPECT_EQ(StatHelpText(StatId::HpMax), "Augmente votre maximum de points de vie (HP) de 10%.");
    EXPECT_EQ(StatHelpText(StatId::Aura), "Augmente votre statistique Aura de 1. Plus votre Aura est "
              "bonne, mieux vous encaissez les attaques (magiques) ennemies (r\xE9" "duit les d\xE9g\xE2ts).");
    EXPECT_EQ(StatHelpText(StatId(11)), "Il y a un probl\xE8me, ce message ne devrait jamais appara\xEEtre... :-/");
}
