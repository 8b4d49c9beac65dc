#include <gtest/gtest.h>

#include <string>

#include "rules/ExperienceConversion.h"
#include "rules/StatHelpText.h"
#include "world/CHero.h"

namespace {

const std::string kPhysicalRefusal =
    "Vous n'avez pas assez d'exp\xE9rience physique pour augmenter cette statistique.";
const std::string kMagicalRefusal =
    "Vous n'avez pas assez d'exp\xE9rience magique pour augmenter cette statistique.";

bool SameStats(const HeroStats& a, const HeroStats& b)
{
    return a.hpMax == b.hpMax && a.mpMax == b.mpMax && a.epMax == b.epMax &&
           a.xpPhysical == b.xpPhysical && a.xpMagical == b.xpMagical && a.attack == b.attack &&
           a.mastery == b.mastery && a.dodge == b.dodge && a.resistance == b.resistance &&
           a.magic == b.magic && a.aura == b.aura && a.heroRank == b.heroRank &&
           a.speed == b.speed && a.mapt == b.mapt && a.luck == b.luck;
}

}  // namespace

TEST(HeroStats, ANewHeroStartsWithTheSameValues)
{
    const CHero hero;
    const HeroStats& s = hero.stats;
    EXPECT_EQ(s.hpMax, 500u);
    EXPECT_EQ(s.mpMax, 12u);
    EXPECT_EQ(s.epMax, 15);
    EXPECT_EQ(s.xpPhysical, 1200);
    EXPECT_EQ(s.xpMagical, 700);
    const int attributes[] = {s.attack, s.mastery, s.dodge, s.resistance, s.magic,
                              s.aura,   s.heroRank, s.speed, s.mapt,      s.luck};
    const int expected[] = {10, 12, 3, 8, 14, 7, 2, 5, 3, 1};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(attributes[i], expected[i]) << "attribute " << i;
}

// Prices of every statistic for a new hero, from both pools; 0 where the
// pool does not offer it, and for numbers that name no statistic.
TEST(ExperienceConversion, PricesOfANewHero)
{
    const HeroStats hero;
    const struct {
        int stat;
        std::uint32_t physical, magical;
    } prices[] = {
        {0, 1000, 1000}, {1, 0, 145}, {2, 226, 0},  {3, 101, 0},  {4, 145, 0},   {5, 10, 0},
        {6, 65, 0},      {7, 0, 197}, {8, 0, 50},   {9, 0, 784},  {10, 6400, 6400},
        {11, 0, 0},      {-1, 0, 0},
    };
    for (const auto& p : prices) {
        EXPECT_EQ(PhysicalCost(hero, StatId(p.stat)), p.physical) << "stat " << p.stat;
        EXPECT_EQ(MagicalCost(hero, StatId(p.stat)), p.magical) << "stat " << p.stat;
    }
}

TEST(ExperienceConversion, RaisesPayTheirPriceAndSayWhatChanged)
{
    HeroStats hero;
    EXPECT_EQ(RaiseStat(hero, StatId::HpMax, XpPool::Physical), "Maximum de HP major\xE9 de 10%!");
    EXPECT_EQ(hero.hpMax, 550u);
    EXPECT_EQ(hero.xpPhysical, 200);
    EXPECT_EQ(hero.speed, 5);

    // 1100 for the next tenth, with 200 left: refused, nothing changes.
    const HeroStats before = hero;
    EXPECT_EQ(RaiseStat(hero, StatId::HpMax, XpPool::Physical), kPhysicalRefusal);
    EXPECT_TRUE(SameStats(hero, before));

    EXPECT_EQ(RaiseStat(hero, StatId::Dodge, XpPool::Physical), "Esquive major\xE9" "e de 1!");
    EXPECT_EQ(hero.dodge, 4);
    EXPECT_EQ(hero.xpPhysical, 190);
    EXPECT_EQ(PhysicalCost(hero, StatId::Dodge), 17u);

    // 605 grows to 665 (665.5 truncated) and the speed follows.
    hero.hpMax = 605;
    hero.xpMagical = 1210;
    RaiseStat(hero, StatId::HpMax, XpPool::Magical);
    EXPECT_EQ(hero.hpMax, 665u);
    EXPECT_EQ(hero.speed, 6);
    EXPECT_EQ(hero.xpMagical, 0) << "a price equal to the pool is affordable";
}

TEST(ExperienceConversion, EachStatisticHasItsEffectAndMessage)
{
    const struct {
        StatId stat;
        XpPool pool;
        const char* message;
        std::int32_t HeroStats::*signedField;
        std::uint8_t HeroStats::*attribute;
        int after;
    } raises[] = {
        {StatId::EpMax, XpPool::Physical, "Maximum de EP major\xE9 de 5!", &HeroStats::epMax, nullptr, 20},
        {StatId::Attack, XpPool::Physical, "Attaque major\xE9" "e de 1!", nullptr, &HeroStats::attack, 11},
        {StatId::Mastery, XpPool::Physical, "Ma\xEEtrise major\xE9" "e de 1!", nullptr, &HeroStats::mastery, 13},
        {StatId::Resistance, XpPool::Physical, "R\xE9sistance major\xE9" "e de 1!", nullptr, &HeroStats::resistance, 9},
        {StatId::Magic, XpPool::Magical, "Magie major\xE9" "e de 1!", nullptr, &HeroStats::magic, 15},
        {StatId::Aura, XpPool::Magical, "Aura major\xE9" "e de 1!", nullptr, &HeroStats::aura, 8},
        {StatId::HeroRank, XpPool::Magical,
         "Vous venez de passer au rang suivant. Vous pouvez maintenant utiliser les sorts du cercle sup\xE9rieur!",
         nullptr, &HeroStats::heroRank, 3},
        {StatId::Mapt, XpPool::Physical, "Maximum d'Actions Par Tour major\xE9 de 1!", nullptr, &HeroStats::mapt, 4},
    };
    for (const auto& r : raises) {
        HeroStats hero;
        hero.xpPhysical = hero.xpMagical = 100000;
        EXPECT_EQ(RaiseStat(hero, r.stat, r.pool), r.message);
        const int value = r.attribute ? int(hero.*r.attribute) : hero.*r.signedField;
        EXPECT_EQ(value, r.after) << r.message;
    }
    HeroStats hero;
    EXPECT_EQ(RaiseStat(hero, StatId::MpMax, XpPool::Magical), "Maximum de MP major\xE9 de 5!");
    EXPECT_EQ(hero.mpMax, 17u);
    EXPECT_EQ(hero.xpMagical, 700 - 145);
}

TEST(ExperienceConversion, RefusalsAndOffersThatDoNotExistChangeNothing)
{
    HeroStats hero;
    const HeroStats fresh;
    EXPECT_EQ(RaiseStat(hero, StatId::HeroRank, XpPool::Magical), kMagicalRefusal) << "784 > 700";
    EXPECT_EQ(RaiseStat(hero, StatId::Mapt, XpPool::Physical), kPhysicalRefusal) << "6400 > 1200";
    EXPECT_EQ(RaiseStat(hero, StatId::Magic, XpPool::Physical), "") << "not offered";
    EXPECT_EQ(RaiseStat(hero, StatId::Dodge, XpPool(13)), "") << "no such pool";
    EXPECT_EQ(RaiseStat(hero, StatId(42), XpPool::Magical), "");
    EXPECT_TRUE(SameStats(hero, fresh));

    // A refusal leaves even a stale speed alone; any other call recomputes it.
    hero.speed = 99;
    RaiseStat(hero, StatId::Mapt, XpPool::Physical);
    EXPECT_EQ(hero.speed, 99);
    RaiseStat(hero, StatId::Mapt, XpPool(0));
    EXPECT_EQ(hero.speed, 5);
    hero.hpMax = 20000;
    UpdateSpeed(hero);
    EXPECT_EQ(hero.speed, 100) << "at most 100";
}

TEST(StatHelpText, OneTextPerStatisticAndAFallback)
{
    EXPECT_EQ(StatHelpText(StatId::HpMax), "Augmente votre maximum de points de vie (HP) de 10%.");
    EXPECT_EQ(StatHelpText(StatId::Aura),
              "Augmente votre statistique Aura de 1. Plus votre Aura est bonne, mieux vous encaissez les "
              "attaques (magiques) ennemies (r\xE9" "duit les d\xE9g\xE2ts).");
    const std::string fallback = "Il y a un probl\xE8me, ce message ne devrait jamais appara\xEEtre... :-/";
    EXPECT_EQ(StatHelpText(StatId(11)), fallback);
    EXPECT_EQ(StatHelpText(StatId(-1)), fallback);
    for (int stat = 0; stat <= 10; ++stat)
        EXPECT_EQ(StatHelpText(StatId(stat)).rfind("Augmente votre ", 0), 0u) << stat;
}
