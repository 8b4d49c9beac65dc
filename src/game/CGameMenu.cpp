// The in-game menu: Return on the map opens the main menu; "Statistiques"
// leads through the hero list to a hero's statistics, where experience is
// converted into statistics; the back key (w) steps back out screen by screen.

#include <initializer_list>
#include <string>

#include "game/CGame.h"
#include "rules/ExperienceConversion.h"
#include "rules/StatHelpText.h"

namespace {

const std::int32_t kStatisticsEntry = 1;
// Entries 2 to 5 lead to modes 15 to 18.
const std::int32_t kFirstHeroEntry = 1;
const std::int32_t kLastHeroEntry = 5;

const char kUnavailableScreen[] = "Cet \xE9" "cran n'est pas encore disponible.";

struct ConversionItem {
    const char* label;
    StatId stat;
};

const ConversionItem kPhysicalItems[] = {
    {"HPMax (", StatId::HpMax},   {"EPMax (", StatId::EpMax},      {"Att.  (", StatId::Attack},
    {"Ma\xEEt. (", StatId::Mastery}, {"Esqu. (", StatId::Dodge}, {"R\xE9si. (", StatId::Resistance},
    {"MAPT  (", StatId::Mapt},
};
const ConversionItem kMagicalItems[] = {
    {"HPMax (", StatId::HpMax}, {"MPMax (", StatId::MpMax},    {"Magie (", StatId::Magic},
    {"Aura  (", StatId::Aura},  {"Rang  (", StatId::HeroRank}, {"MAPT  (", StatId::Mapt},
};

template <std::size_t N>
void FillConversionList(CAssocChoiceBox& list, const ConversionItem (&items)[N], const HeroStats& stats,
                        std::uint32_t (*cost)(const HeroStats&, StatId))
{
    const std::int32_t count = static_cast<std::int32_t>(N);
    list.SetItemCount(count);
    list.SetVisibleRows(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const ConversionItem& item = items[i];
        list.SetItem(i, item.label + std::to_string(cost(stats, item.stat)) + ")",
                     static_cast<std::int32_t>(item.stat));
    }
    // The cursor keeps its row, but never points past the shorter list.
    if (list.selected >= count)
        list.selected = count - 1;
}

}  // namespace

void CGame::SetUpMenu()
{
    const CColor background(0.4f, 0.1f, 0.2f, 1.0f);
    for (CMenuBase* widget : std::initializer_list<CMenuBase*>{
             &mainMenu, &heroList, &statBox, &conversionChoice, &conversionList, &menuTextBox,
             &unavailableBox})
        widget->backColor = background;

    const std::int32_t width = Width();
    mainMenu.SetRect(width - 200, 1, 199, 0);
    heroList.SetRect(width - 200, 282, 199, 0);
    // The statistics keep the size of their grid; only the position is set.
    statBox.SetRect(0, 1, statBox.rect.w, statBox.rect.h);
    const std::int32_t statsRight = statBox.rect.x + statBox.rect.w;
    conversionChoice.SetRect(statsRight + 2, 1, width - statsRight - 204, 0);
    conversionList.SetRect(conversionChoice.rect.x, 84, conversionChoice.rect.w, 0);

    conversionChoice.SetItemCount(2);
    conversionChoice.SetVisibleRows(2);
    conversionChoice.items[0] = "XP Physique";
    conversionChoice.items[1] = "XP Magique";
    conversionChoice.SetText("Convertir:");

    // The entries the world shows, by default all eleven in the classic
    // order; each one's associated value is its index in that order.
    saveMenu.Configure(settings);
    const MenuLayout& layout = saveMenu.layout;
    const std::int32_t entryCount = static_cast<std::int32_t>(layout.entries.size());
    mainMenu.SetItemCount(entryCount);
    mainMenu.SetVisibleRows(entryCount);
    for (std::int32_t i = 0; i < entryCount; ++i)
        mainMenu.SetItem(i, layout.entries[i].label, layout.entries[i].value);
    mainMenu.SetText(layout.title);

    // The text box beside the statistics opens and closes in one step.
    menuTextBox.animated = false;

    unavailableBox.SetRect(statsRight + 2, 343, width - statsRight - 3, 58);
    unavailableBox.SetText(kUnavailableScreen);
}

CMenuBase* CGame::MenuWidgetForMode(std::uint16_t type)
{
    switch (type) {
    case 10: return &mainMenu;
    case 11: return &heroList;
    case 12: return &statBox;
    case 13: return &conversionChoice;
    case 14: return &conversionList;
    case 15:
    case 16:
    case 17:
    case 18: return &unavailableBox;
    case SaveMenu::kSlotMode: return &saveMenu.slotList;
    default: return nullptr;
    }
}

void CGame::MenuCursorKeys()
{
    const std::uint16_t type = modes.TopType();
    CChoiceBox* list = nullptr;
    switch (type) {
    case 10: list = &mainMenu; break;
    case 11: list = &heroList; break;
    case 13: list = &conversionChoice; break;
    case 14: list = &conversionList; break;
    case SaveMenu::kSlotMode: list = &saveMenu.slotList; break;
    default: return;
    }
    bool pressed = false;
    if (ConsumeKey(Bound(GameAction::Up))) {
        list->CursorUp();
        pressed = true;
    }
    if (ConsumeKey(Bound(GameAction::Down))) {
        list->CursorDown();
        pressed = true;
    }
    // Also when the cursor stood at an end: the help answers every press.
    if (type == 14 && pressed)
        menuTextBox.ShowText(StatHelpText(StatId(conversionList.GetResult())));
    if (type == SaveMenu::kSlotMode && pressed)
        saveMenu.CursorMoved();
}

void CGame::ConfirmMenu()
{
    switch (modes.TopType()) {
    case 10:
        menuEntry = mainMenu.GetResult();
        if (saveMenu.OpenFor(*this, menuEntry))
            return;
        if (menuEntry < kFirstHeroEntry || menuEntry > kLastHeroEntry)
            return;
        heroList.ClearPages();
        heroList.SetText("Quel h\xE9ros?");
        heroList.SetItemCount(static_cast<std::int32_t>(map.Heroes().size()));
        heroList.SetVisibleRows(1);
        for (std::size_t i = 0; i < map.Heroes().size(); ++i) {
            const CHero& hero = *map.Heroes()[i];
            heroList.SetItem(static_cast<std::int32_t>(i), hero.name, hero.identifier);
        }
        modes.Push(11, ModeOpening);
        return;

    case 11: {
        // An empty list names no hero: there is nothing to show or price.
        if (heroList.GetResult() < 0)
            return;
        menuHero = heroList.GetResult();
        if (menuEntry == kStatisticsEntry) {
            const CHero* hero = map.FindHero(menuHero);
            if (!hero)
                return;
            modes.Push(12, ModeOpening);
            statBox.SetHero(hero);
            const std::int32_t statsRight = statBox.rect.x + statBox.rect.w;
            menuTextBox.SetRect(statsRight + 2, 343, Width() - statsRight - 3, Height() - 344);
            menuTextBox.ShowText(saveMenu.layout.Text("statistics"));
        } else if (menuEntry > kStatisticsEntry && menuEntry <= kLastHeroEntry) {
            modes.Push(static_cast<std::uint16_t>(13 + menuEntry), ModeOpening);
        } else {
            modes.TopState() = ModeClosing;
        }
        return;
    }

    case 13: {
        const CHero* hero = map.FindHero(menuHero);
        if (!hero)
            return;
        switch (conversionChoice.GetResult()) {
        case 0:
            menuPool = static_cast<std::int32_t>(XpPool::Physical);
            FillConversionList(conversionList, kPhysicalItems, hero->stats, PhysicalCost);
            break;
        case 1:
            menuPool = static_cast<std::int32_t>(XpPool::Magical);
            FillConversionList(conversionList, kMagicalItems, hero->stats, MagicalCost);
            break;
        default:
            return;
        }
        modes.Push(14, ModeOpening);
        return;
    }

    case 14: {
        if (CHero* hero = map.FindHero(menuHero)) {
            menuTextBox.ShowText(
                RaiseStat(hero->stats, StatId(conversionList.GetResult()), XpPool(menuPool)));
            statBox.Refresh(map);
        }
        // The list closes; buying again rebuilds it with the new prices.
        modes.TopState() = ModeClosing;
        return;
    }

    case SaveMenu::kSlotMode:
        saveMenu.Confirm(*this);
        return;

    default:
        return;
    }
}

void CGame::BackOutOfMenu()
{
    const std::uint16_t type = modes.TopType();
    if (type < 9 || type > 19 || modes.TopState() != ModeActive)
        return;
    modes.TopState() = ModeClosing;
    menuTextBox.StepClose();
}

void CGame::DrawMenu()
{
    mainMenu.Draw();
    heroList.Draw();
    statBox.Draw();
    menuTextBox.Draw();
    conversionChoice.Draw();
    conversionList.Draw();
    unavailableBox.Draw();
    saveMenu.slotList.Draw();
}
