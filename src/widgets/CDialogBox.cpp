#include "widgets/CDialogBox.h"

#include "world/CPerso.h"

namespace {

// How far the text moves right while a speaker is set.
const std::int32_t kSpeakerIndent = 10;

}  // namespace

CDialogBox::CDialogBox()
{
    portrait.visible = false;
    portrait.textureId = 0;
    portrait.texRect = CTexRect(0.625f, 1.0f, 0.375f, 0.375f);
}

void CDialogBox::ShowInstantly()
{
    CTextBox::ShowInstantly();
    // A hidden portrait stays closed: shown now, it would stand open at full
    // size the next time a speaker's box starts to grow.
    if (portrait.visible)
        portrait.ShowInstantly();
}

void CDialogBox::Draw()
{
    CTextBox::Draw();
    portrait.Draw();
}

void CDialogBox::StepClose()
{
    CTextBox::StepClose();
    portrait.StepClose();
}

void CDialogBox::StepOpen()
{
    CTextBox::StepOpen();
    portrait.StepOpen();
}

void CDialogBox::SetSpeaker(const CPerso* speaker)
{
    if (speaker) {
        prefix = speaker->name + ": ";
        portrait.textureId = static_cast<std::uint16_t>(speaker->texture);
        portrait.visible = true;
        if (!indented) {
            font.x += kSpeakerIndent;
            indented = true;
        }
        return;
    }
    prefix.clear();
    portrait.textureId = 0;
    portrait.visible = false;
    if (indented) {
        font.x -= kSpeakerIndent;
        indented = false;
    }
}
