#include "rules/ExperienceConversion.h"

#include <cstdint>
#include <limits>

namespace {

// Every small attribute costs one more than its square.
std::uint32_t SquarePlusOne(std::uint32_t v)
{
    return v * v + 1;
}

std::uint32_t RankCost(std::uint32_t rank)
{
    const std::uint32_t root = rank * (rank + 2) + 20;
    return root * root;
}

std::uint32_t MaptCost(std::uint32_t mapt)
{
    const std::uint32_t root = mapt * 10 + 50;
    return root * root;
}

// HP max grows by a tenth, truncated; it stays at the largest value it can
// hold rather than wrap.
std::uint32_t TenPercentMore(std::uint32_t hpMax)
{
    const double grown = static_cast<double>(hpMax) * 1.1;
    const double limit = std::numeric_limits<std::uint32_t>::max();
    return grown >= limit ? std::numeric_limits<std::uint32_t>::max()
                          : static_cast<std::uint32_t>(grown);
}

std::string ApplyRaise(HeroStats& stats, StatId stat)
{
    switch (stat) {
    case StatId::HpMax:
        stats.hpMax = TenPercentMore(stats.hpMax);
        return "Maximum de HP major\xE9 de 10%!";
    case StatId::MpMax:
        stats.mpMax += 5;
        return "Maximum de MP major\xE9 de 5!";
    case StatId::EpMax:
        stats.epMax += 5;
        return "Maximum de EP major\xE9 de 5!";
    case StatId::Attack:
        ++stats.attack;
        return "Attaque major\xE9" "e de 1!";
    case StatId::Mastery:
        ++stats.mastery;
        return "Ma\xEEtrise major\xE9" "e de 1!";
    case StatId::Dodge:
        ++stats.dodge;
        return "Esquive major\xE9" "e de 1!";
    case StatId::Resistance:
        ++stats.resistance;
        return "R\xE9sistance major\xE9" "e de 1!";
    case StatId::Magic:
        ++stats.magic;
        return "Magie major\xE9" "e de 1!";
    case StatId::Aura:
        ++stats.aura;
        return "Aura major\xE9" "e de 1!";
    case StatId::HeroRank:
        ++stats.heroRank;
        return "Vous venez de passer au rang suivant. Vous pouvez maintenant utiliser les sorts "
               "du cercle sup\xE9rieur!";
    case StatId::Mapt:
        ++stats.mapt;
        return "Maximum d'Actions Par Tour major\xE9 de 1!";
    }
    return "";
}

// A statistic the pool does not offer costs 0 and has no effect.
bool OfferedBy(XpPool pool, StatId stat)
{
    switch (stat) {
    case StatId::HpMax:
    case StatId::Mapt:
        return true;
    case StatId::EpMax:
    case StatId::Attack:
    case StatId::Mastery:
    case StatId::Dodge:
    case StatId::Resistance:
        return pool == XpPool::Physical;
    case StatId::MpMax:
    case StatId::Magic:
    case StatId::Aura:
    case StatId::HeroRank:
        return pool == XpPool::Magical;
    }
    return false;
}

// Takes the price from the pool, or refuses when the pool holds less.
bool Pay(std::int32_t& pool, std::uint32_t price)
{
    // Compared in a wider type, so that no price can pass for a negative one.
    if (static_cast<std::int64_t>(price) > static_cast<std::int64_t>(pool))
        return false;
    pool = static_cast<std::int32_t>(pool - static_cast<std::int64_t>(price));
    return true;
}

}  // namespace

std::uint32_t PhysicalCost(const HeroStats& stats, StatId stat)
{
    switch (stat) {
    case StatId::HpMax: return stats.hpMax * 2;
    case StatId::EpMax: return SquarePlusOne(static_cast<std::uint32_t>(stats.epMax));
    case StatId::Attack: return SquarePlusOne(stats.attack);
    case StatId::Mastery: return SquarePlusOne(stats.mastery);
    case StatId::Dodge: return SquarePlusOne(stats.dodge);
    case StatId::Resistance: return SquarePlusOne(stats.resistance);
    case StatId::Mapt: return MaptCost(stats.mapt);
    default: return 0;
    }
}

std::uint32_t MagicalCost(const HeroStats& stats, StatId stat)
{
    switch (stat) {
    case StatId::HpMax: return stats.hpMax * 2;
    case StatId::MpMax: return SquarePlusOne(stats.mpMax);
    case StatId::Magic: return SquarePlusOne(stats.magic);
    case StatId::Aura: return SquarePlusOne(stats.aura);
    case StatId::HeroRank: return RankCost(stats.heroRank);
    case StatId::Mapt: return MaptCost(stats.mapt);
    default: return 0;
    }
}

std::string RaiseStat(HeroStats& stats, StatId stat, XpPool pool)
{
    std::string message;
    if (pool == XpPool::Physical || pool == XpPool::Magical) {
        const bool physical = pool == XpPool::Physical;
        const std::uint32_t price = physical ? PhysicalCost(stats, stat) : MagicalCost(stats, stat);
        if (!Pay(physical ? stats.xpPhysical : stats.xpMagical, price)) {
            return physical
                ? "Vous n'avez pas assez d'exp\xE9rience physique pour augmenter cette statistique."
                : "Vous n'avez pas assez d'exp\xE9rience magique pour augmenter cette statistique.";
        }
        if (OfferedBy(pool, stat))
            message = ApplyRaise(stats, stat);
    }
    UpdateSpeed(stats);
    return message;
}
