// The world commands that wait for the player: messages, dialogues,
// choices and inputs. Each fills its box and pushes the box's mode; the
// game opens the box, hands it the keys and pops the mode once it closed.

#include <limits>
#include <string>

#include "game/CGame.h"
#include "game/CommandArguments.h"

namespace {

// Where the game places the message, dialogue and input boxes.
const std::int32_t kScriptBoxHeight = 105;
const std::int32_t kScriptBoxBottom = 352 + kScriptBoxHeight;

} // namespace

void CGame::Lire(CommandArguments& arguments)
{
    // Each argument starts a page of its own.
    while (arguments.Remaining() > 0)
        messageBox.SetText(arguments.Text());
    modes.Push(5, ModeOpening);
}

void CGame::Dire(CommandArguments& arguments)
{
    const std::int32_t kind = arguments.Int();
    const std::int32_t identifier = arguments.Int();
    dialogBox.SetSpeaker(Character(kind, identifier));
    while (arguments.Remaining() > 0)
        dialogBox.SetText(arguments.Text());
    modes.Push(6, ModeOpening);
}

void CGame::Choix(CommandArguments& arguments)
{
    choiceBox.ClearPages();
    const std::string question = arguments.Text();
    const std::int32_t kind = arguments.Int();
    const std::int32_t identifier = arguments.Int();
    choiceBox.SetSpeaker(Character(kind, identifier));
    choiceVariable = arguments.Text();

    const std::int32_t count = static_cast<std::int32_t>(arguments.Remaining());
    choiceBox.SetItemCount(count);
    for (std::string& item : choiceBox.items)
        item = arguments.Text();
    choiceBox.SetVisibleRows(count < 5 ? count : 4);
    choiceBox.SetSelected(0);

    // A choice box never turns pages, so the whole question must be one
    // page: it is laid out in a box tall enough for any text, and the box
    // then takes the height of its text and rows.
    choiceBox.rect.h = std::numeric_limits<std::int16_t>::max();
    choiceBox.SetText(question);
    choiceBox.SetVisibleRows(choiceBox.visibleRows);
    modes.Push(7, ModeOpening);
}

void CGame::Input(CommandArguments& arguments)
{
    const std::string prompt = arguments.Text();
    inputBox.ClearPages();
    const std::int32_t kind = arguments.Int();
    const std::int32_t identifier = arguments.Int();
    inputVariable = arguments.Text();
    inputBox.SetSpeaker(Character(kind, identifier));
    // The input box never turns pages either: the whole prompt is one page,
    // and a long one makes the box grow upward so its field stays on screen.
    inputBox.SetPrompt(prompt, kScriptBoxBottom, kScriptBoxHeight);

    const std::string type = arguments.Text();
    std::int32_t inputType = CInputBox::AnyText;
    if (type == "Entier")
        inputType = CInputBox::Integer;
    else if (type == "R\xE9" "el")
        inputType = CInputBox::RealNumber;
    else if (type == "Mot")
        inputType = CInputBox::OneWord;
    else if (type == "Mots")
        inputType = CInputBox::Words;
    else if (type == "Fichier")
        inputType = CInputBox::FileName;
    inputBox.SetInputType(inputType);
    modes.Push(8, ModeOpening);
}
