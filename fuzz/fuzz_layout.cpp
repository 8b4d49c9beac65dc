// Page layout of any text at any size: it ends, every page has at most the
// lines asked for, and the pages hold every printed character of the text in
// order.
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "widgets/PageLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // Sizes from -8 to 119 and -8 to 55; a prefix of up to 15 bytes.
    const int lines = static_cast<int>(data[0] % 64) - 8;
    const int chars = static_cast<int>(data[1] % 128) - 8;
    const std::size_t prefixLength = std::min<std::size_t>(data[2] % 16, size - 3);
    const std::string prefix(reinterpret_cast<const char*>(data + 3), prefixLength);
    const std::string text(reinterpret_cast<const char*>(data + 3 + prefixLength), size - 3 - prefixLength);

    const std::vector<std::string> pages = LayOutPages(text, prefix, lines, chars);
    FUZZ_CHECK(!pages.empty());
    std::string printed;
    for (const std::string& page : pages)
        for (char c : page)
            if (c != ' ' && c != '\n' && c != '-')
                printed += c;
    std::string expected;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '-')
            expected += c;
    FUZZ_CHECK(printed == expected);
    return 0;
}
