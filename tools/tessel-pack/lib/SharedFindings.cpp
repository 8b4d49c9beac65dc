#include "lib/SharedFindings.h"

#include <algorithm>

namespace {

bool Same(const Diagnostic& a, const Diagnostic& b)
{
    return a.level == b.level && a.file == b.file && a.line == b.line && a.column == b.column &&
           a.message == b.message;
}

} // namespace

void SharedFindings::Report(const Diagnostic& finding, const std::string& message, Diagnostics& out)
{
    if (finding.level == Diagnostic::Level::Error)
        out.Error(finding.file, finding.line, finding.column, message);
    else
        out.Warning(finding.file, finding.line, finding.column, message);
}

void SharedFindings::Take(const std::string& map, const Diagnostics& found, Diagnostics& out)
{
    for (const Diagnostic& finding : found.All()) {
        if (finding.file == map) {
            Report(finding, finding.message, out);
            continue;
        }
        const auto same = std::find_if(kept.begin(), kept.end(), [&](const Shared& s) { return Same(s.finding, finding); });
        if (same == kept.end())
            kept.push_back({finding, {map}});
        else if (std::find(same->maps.begin(), same->maps.end(), map) == same->maps.end())
            same->maps.push_back(map);
    }
}

void SharedFindings::Flush(Diagnostics& out)
{
    for (const Shared& shared : kept) {
        std::string maps;
        for (std::size_t i = 0; i < shared.maps.size(); ++i)
            maps += (i == 0 ? "" : i + 1 == shared.maps.size() ? " and " : ", ") + shared.maps[i];
        Report(shared.finding, shared.finding.message + " (used by " + maps + ")", out);
    }
    kept.clear();
}
