#include "game/MessageLog.h"

void MessageLog::Add(const std::string& text, std::uint32_t nowMs)
{
    lines.push_back({text, nowMs});
    while (lines.size() > kMostLines)
        lines.pop_front();
}

std::vector<std::string> MessageLog::Current(std::uint32_t nowMs)
{
    while (!lines.empty() && nowMs - lines.front().addedMs >= kShownMilliseconds)
        lines.pop_front();
    std::vector<std::string> shown;
    for (const Line& line : lines)
        shown.push_back(line.text);
    return shown;
}
