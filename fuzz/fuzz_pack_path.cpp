// The one rule for file names from authors' and games' files: a name it
// lets through can only lead inside its folder, whatever the bytes. The
// input is "<from>\n<name>".
#include <string>

#include "FuzzCheck.h"
#include "lib/PathCheck.h"

namespace {

bool IsPlainPart(const std::string& part)
{
    if (part.empty() || part == "." || part == "..")
        return false;
    for (char c : part) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\' || c == '/')
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string from = newline == std::string::npos ? "" : input.substr(0, newline);
    const std::string name = newline == std::string::npos ? input : input.substr(newline + 1);

    if (PathCheck::FileNameRefusal(name).empty()) {
        FUZZ_CHECK(IsPlainPart(name) && name.find(':') == std::string::npos);
        // A plain file name is also a good reference to itself.
        std::string joined;
        FUZZ_CHECK(PathCheck::ReferenceRefusal("", name, joined).empty() && joined == name);
    }

    std::string joined = "left over";
    const std::string refusal = PathCheck::ReferenceRefusal(from, name, joined);
    if (!refusal.empty()) {
        FUZZ_CHECK(joined.empty());
        return 0;
    }
    // Accepted: relative, one plain part after another, no step up.
    FUZZ_CHECK(!joined.empty() && joined[0] != '/');
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = joined.find('/', start);
        FUZZ_CHECK(IsPlainPart(joined.substr(start, slash == std::string::npos ? std::string::npos : slash - start)));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    // The name itself held no byte the rule refuses.
    for (char c : name)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c != '\\');
    return 0;
}
