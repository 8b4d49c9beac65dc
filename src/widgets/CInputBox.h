#pragma once

#include <cstdint>
#include <string>

#include "widgets/CColor.h"
#include "widgets/CDialogBox.h"
#include "widgets/CFont.h"

// A dialogue box with a one-line field under its text, into which the
// player types characters of a fixed set.
class CInputBox : public CDialogBox {
public:
    // Kinds of value the field takes.
    enum InputType : std::int32_t {
        Integer = 0,
        RealNumber = 1,
        OneWord = 2,
        Words = 3,
        FileName = 4,
        AnyText = 5,
    };

    // The text, then, once the box is open, the field with the first
    // `maxLength` characters typed.
    void Draw() override;

    // Chooses the characters the field accepts; an unknown type becomes
    // `AnyText`.
    void SetInputType(std::int32_t type);
    bool AcceptsChar(char c) const;
    // Appends c if the field accepts it. The text is not limited in length.
    void AddChar(char c);
    void DeleteLastChar();
    std::string GetInputText() const;
    // The end of the typed text that fits the field, where the player types.
    std::string VisibleInputText() const;
    // Lays the prompt out as one page (the box never turns pages) and sizes
    // the box for it and the field under it: at least `minHeight` high,
    // growing upward from its bottom edge `bottom` so the field stays in
    // the window.
    void SetPrompt(const std::string& prompt, std::int32_t bottom, std::int32_t minHeight);
    std::int32_t FieldHeight() const { return 2 * fieldMargin + inputFont.glyphHeight; }
    // Empties the text and accepts nothing until the next SetInputType.
    void ResetInput();

    std::string allowedChars;
    // Font of the typed text.
    CFont inputFont;
    // Gap between the field's frame and the typed text.
    std::int32_t fieldMargin = 3;
    // Characters shown, and the field's width in characters.
    std::int32_t maxLength = 20;
    CColor fieldBorderColor{1, 1, 1, 1};
    CColor fieldFillColor{1, 1, 1, 0.3f};
    CColor fieldShadowColor{0, 0, 0, 0.8f};
    std::int32_t inputType = Integer;
    std::string inputText;
};
