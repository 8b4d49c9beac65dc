#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/ExperienceConversion.h"
#include "rules/StatHelpText.h"

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
    // Numbers that name no statistic cost nothing in either pool.
    for (int stat : {11, -1})
        EXPECT_EQ(PhysicalCost(hero, StatId(stat)) + MagicalCost(hero, StatId(stat)), 0u) << stat;
    EXPECT_EQ(StatHelpText(StatId(11)), "Il y a un probl\xE8me, ce message ne devrait jamais appara\xEEtre... :-/");
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
    EXPECT_EQ(RaiseStat(hero, StatId::HpMax, XpPool::Physical),
              "Vous n'avez pas assez d'exp\xE9rience physique pour augmenter cette statistique.");
    EXPECT_EQ(RaiseStat(hero, StatId::HeroRank, XpPool::Magical),
              "Vous n'avez pas assez d'exp\xE9rience magique pour augmenter cette statistique.");
    EXPECT_EQ((std::vector<int>{int(hero.hpMax), hero.heroRank, hero.xpPhysical, hero.xpMagical, hero.speed}),
              (std::vector<int>{550, 2, 200, 700, 99}));
    // Not offered by the pool, or no such pool: free, no effect, no message.
    EXPECT_EQ(RaiseStat(hero, StatId::Magic, XpPool::Physical), "");
    EXPECT_EQ(RaiseStat(hero, StatId::Dodge, XpPool(13)), "");
    EXPECT_EQ(hero.magic + hero.dodge + hero.xpPhysical, 14 + 3 + 200);
    EXPECT_EQ(hero.speed, 5);

    // 605 grows to 665 (665.5 truncated), the speed follows, and a price
    // equal to the pool is paid.
    hero.hpMax = 605;
    hero.xpMagical = 1210;
    RaiseStat(hero, StatId::HpMax, XpPool::Magical);
    EXPECT_EQ((std::vector<int>{int(hero.hpMax), hero.speed, hero.xpMagical}), (std::vector<int>{665, 6, 0}));
    hero.hpMax = 20000;
    UpdateSpeed(hero);
    EXPECT_EQ(hero.speed, 100) << "at most 100";
}
