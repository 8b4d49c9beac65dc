// The developer overlay (F3) and the recent errors, drawn over the game.

#include <GL/gl.h>

#include <sstream>

#include "game/CGame.h"
#include "game/DeveloperMode.h"
#include "widgets/CFont.h"
#include "widgets/DefaultFontTexture.h"
#include "widgets/GlShapes.h"

namespace {

const int kGlyphWidth = 10;
const int kGlyphHeight = 12;
const int kGlyphSpacing = -3;
const int kLineSpacing = 2;
const int kLineHeight = kGlyphHeight + kLineSpacing;
const int kPanelWidth = 320;
const int kMargin = 4;

// The collision box every character walks and is acted on with, and the
// size of the mark drawn on the action point.
const int kBoxLeft = 4;
const int kBoxTop = 16;
const int kBoxWidth = 24;
const int kBoxHeight = 16;
const int kPointSize = 4;

const char* const kFacingNames[] = {"left", "down", "right", "up"};

std::string FacingName(std::uint16_t facing)
{
    return facing < 4 ? kFacingNames[facing] : std::to_string(facing);
}

std::string ValueText(const CScriptValue& value)
{
    std::ostringstream text;
    if (value.kind == CScriptValue::kFloat)
        text << value.floatValue;
    else if (value.kind == CScriptValue::kString)
        text << '"' << value.stringValue << '"';
    else
        text << value.intValue;
    return text.str();
}

const CHero* ActiveHero(CGame& game)
{
    for (const auto& hero : game.map.Heroes())
        if (hero->identifier == game.activeHero)
            return hero.get();
    return nullptr;
}

} // namespace

std::vector<std::string> DeveloperMode::OverlayLines(CGame& game, std::size_t maxLines) const
{
    std::vector<std::string> lines;
    std::ostringstream frame;
    frame.precision(1);
    frame << std::fixed << "frame " << frameMilliseconds << " ms";
    lines.push_back(frame.str());
    lines.push_back("map " + (game.map.Name().empty() ? std::string("(none)") : game.map.Name()));
    if (const CHero* hero = ActiveHero(game)) {
        const int pixelX = 32 * hero->tileX + hero->offsetX;
        const int pixelY = 32 * hero->tileY + hero->offsetY;
        lines.push_back("hero " + std::to_string(hero->identifier) + " tile " + std::to_string(hero->tileX) + "," +
                        std::to_string(hero->tileY) + " pixel " + std::to_string(pixelX) + "," +
                        std::to_string(pixelY) + " facing " + FacingName(hero->facing));
        const TilePos tile = game.map.StandingTile(1, hero->identifier);
        if (tile.valid) {
            const TileEvent event = game.map.EventAt(tile.x, tile.y);
            lines.push_back("tile " + std::to_string(tile.x) + "," + std::to_string(tile.y) + " action " +
                            std::to_string(event.actionScript) + " step-on " + std::to_string(event.stepOnScript));
        }
    } else {
        lines.push_back("no active hero");
    }
    lines.push_back("globals:");
    for (const auto& global : game.scriptEngine.Globals()) {
        if (lines.size() >= maxLines)
            break;
        lines.push_back(" " + global.first + " = " + ValueText(global.second));
    }
    if (lines.size() > maxLines)
        lines.resize(maxLines);
    return lines;
}

void DeveloperMode::Draw(CGame& game)
{
    if (!enabled)
        return;
    glLoadIdentity();
    if (overlayShown)
        DrawOverlay(game);
    const std::vector<std::string> shown = ShownErrors();
    if (!shown.empty()) {
        const int height = static_cast<int>(shown.size()) * kLineHeight + 2 * kMargin;
        DrawLines(shown, 0, game.Height() - height, game.Width());
    }
    glColor4f(1, 1, 1, 1);
}

void DeveloperMode::DrawOverlay(CGame& game)
{
    const std::size_t room = static_cast<std::size_t>((game.Height() / 2 - 2 * kMargin) / kLineHeight);
    DrawLines(OverlayLines(game, room), 0, 0, kPanelWidth);
    // Over the panel: the boxes stay bright wherever the hero stands.
    if (game.modes.TopType() != 1)
        DrawCollisionBoxes(game);
}

void DeveloperMode::DrawCollisionBoxes(CGame& game) const
{
    const int scrollX = game.map.ScrollX();
    const int scrollY = game.map.ScrollY();
    const CColor heroColour(0.2f, 1.0f, 0.2f, 1.0f);
    const CColor npcColour(1.0f, 1.0f, 0.2f, 1.0f);
    auto box = [&](const CPerso& character, const CColor& colour) {
        GlShapes::OutlineRect(scrollX + 32 * character.tileX + character.offsetX + kBoxLeft,
                              scrollY + 32 * character.tileY + character.offsetY + kBoxTop, kBoxWidth, kBoxHeight,
                              colour);
    };
    for (const auto& npc : game.map.Npcs())
        box(*npc, npcColour);
    for (const auto& hero : game.map.Heroes())
        box(*hero, heroColour);

    // Where the action key looks: one box width or height in front of the
    // hero's box, as the keyboard handler works it out.
    if (const CHero* hero = ActiveHero(game)) {
        int px = 32 * hero->tileX + hero->offsetX + 16;
        int py = 32 * hero->tileY + hero->offsetY + 24;
        switch (hero->facing) {
        case 0: px -= kBoxWidth; break;
        case 1: py += kBoxHeight; break;
        case 2: px += kBoxWidth; break;
        case 3: py -= kBoxHeight; break;
        default: break;
        }
        const CColor red(1.0f, 0.1f, 0.1f, 1.0f);
        GlShapes::FillRect(scrollX + px - kPointSize / 2, scrollY + py - kPointSize / 2, kPointSize, kPointSize, red,
                           red);
    }
}

void DeveloperMode::DrawLines(const std::vector<std::string>& lines, int x, int y, int width) const
{
    const CColor shade(0.0f, 0.0f, 0.0f, 0.7f);
    const int height = static_cast<int>(lines.size()) * kLineHeight + 2 * kMargin;
    GlShapes::FillRect(x, y, width, height, shade, shade);
    glColor4f(1, 1, 1, 1);
    // Without a glyph sheet the text would be white blocks; the panel alone
    // still shows where it would be.
    if (defaultFontTexture == 0)
        return;
    CFont font;
    font.glyphWidth = kGlyphWidth;
    font.glyphHeight = kGlyphHeight;
    font.spacing = kGlyphSpacing;
    font.lineSpacing = kLineSpacing;
    font.x = x + kMargin;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        font.y = y + kMargin + static_cast<int>(i + 1) * kLineHeight - kLineSpacing;
        font.Draw(lines[i]);
    }
}
