#pragma once

#include "widgets/CImage.h"
#include "widgets/CTextBox.h"

struct CPerso;

// A text box that can name a speaker: the speaker's name is written in front
// of each page and the speaker's face is shown in a picture frame beside the
// box.
class CDialogBox : public CTextBox {
public:
    CDialogBox();

    void ShowInstantly() override;
    void Draw() override;
    void StepClose() override;
    void StepOpen() override;

    // The character who speaks, or null for none. Only the speaker's name
    // and sprite texture are read.
    void SetSpeaker(const CPerso* speaker);

    // The speaker's face: the top-right 3/8 x 3/8 of the character sheet.
    CImage portrait;
    // The text has been moved right to make room beside the label.
    bool indented = false;
};
