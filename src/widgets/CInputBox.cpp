#include "widgets/CInputBox.h"

#include <algorithm>
#include <limits>

#include <GL/gl.h>

#include "widgets/GlShapes.h"

namespace {

// The field is indented this far from the text above it.
const std::int32_t kFieldIndent = 25;
// Gap between the frame and the text.
const std::int32_t kInnerMargin = 10;

const char kDigits[] = "0123456789";
const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string CharsForType(std::int32_t type)
{
    switch (type) {
    case CInputBox::Integer:
        return std::string(kDigits) + "-";
    case CInputBox::RealNumber:
        return std::string(kDigits) + "-.";
    case CInputBox::OneWord:
        return kLetters;
    case CInputBox::FileName:
        return std::string(kDigits) + kLetters + "-_.";
    default:
        return std::string(kLetters) + " ";
    }
}

}  // namespace

void CInputBox::Draw()
{
    CDialogBox::Draw();
    if (state != WidgetState::Open)
        return;

    const std::int32_t fx = font.x + kFieldIndent;
    const std::int32_t fy = font.y + static_cast<std::int32_t>(TextHeight());
    const std::int32_t fw = 2 * fieldMargin + inputFont.CharAdvance() * maxLength;
    const std::int32_t fh = FieldHeight();
    GlShapes::FillRect(fx, fy, fw, fh, fieldFillColor, fieldFillColor);
    GlShapes::OutlineRect(fx, fy, fw, fh, fieldBorderColor);
    GlShapes::DrawInnerShadow(fx, fy, fw, fh, fieldShadowColor);

    inputFont.x = fx + fieldMargin;
    inputFont.y = fy + inputFont.glyphHeight + fieldMargin;
    inputFont.Draw(VisibleInputText());
    glColor4f(1, 1, 1, 1);
}

void CInputBox::SetInputType(std::int32_t type)
{
    inputType = (type >= Integer && type <= FileName) ? type : AnyText;
    allowedChars = CharsForType(inputType);
}

bool CInputBox::AcceptsChar(char c) const
{
    return allowedChars.find(c) != std::string::npos;
}

void CInputBox::AddChar(char c)
{
    if (AcceptsChar(c))
        inputText += c;
}

void CInputBox::DeleteLastChar()
{
    if (!inputText.empty())
        inputText.pop_back();
}

std::string CInputBox::GetInputText() const
{
    return inputText;
}

std::string CInputBox::VisibleInputText() const
{
    const std::size_t room = static_cast<std::size_t>(std::max(0, maxLength));
    return inputText.size() > room ? inputText.substr(inputText.size() - room) : inputText;
}

void CInputBox::SetPrompt(const std::string& prompt, std::int32_t bottom, std::int32_t minHeight)
{
    auto place = [this](std::int32_t y, std::int32_t h) {
        font.y += y - rect.y;
        rect.y = y;
        rect.h = h;
    };
    place(bottom - minHeight, std::numeric_limits<std::int16_t>::max());
    SetText(prompt);
    // Down to the first line's baseline, the text, the field and a margin.
    const std::int32_t needed =
        (font.y - rect.y) + static_cast<std::int32_t>(TextHeight()) + FieldHeight() + kInnerMargin;
    const std::int32_t height = std::max(minHeight, needed);
    place(bottom - height, height);
}

void CInputBox::ResetInput()
{
    inputText.clear();
    allowedChars.clear();
}
