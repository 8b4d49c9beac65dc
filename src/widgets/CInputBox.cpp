#include "widgets/CInputBox.h"

#include <GL/gl.h>

#include "widgets/GlShapes.h"

namespace {

// The field is indented this far from the text above it.
const std::int32_t kFieldIndent = 25;

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
    const std::int32_t fh = 2 * fieldMargin + inputFont.glyphHeight;
    GlShapes::FillRect(fx, fy, fw, fh, fieldFillColor, fieldFillColor);
    GlShapes::OutlineRect(fx, fy, fw, fh, fieldBorderColor);
    GlShapes::DrawInnerShadow(fx, fy, fw, fh, fieldShadowColor);

    inputFont.x = fx + fieldMargin;
    inputFont.y = fy + inputFont.glyphHeight + fieldMargin;
    if (maxLength > 0)
        inputFont.Draw(inputText.substr(0, static_cast<std::size_t>(maxLength)));
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

void CInputBox::ResetInput()
{
    inputText.clear();
    allowedChars.clear();
}
