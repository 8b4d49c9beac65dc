#include "lib/PathCheck.h"

#include <cctype>
#include <vector>

namespace {

std::vector<std::string> Parts(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

std::string FolderOf(const std::string& file)
{
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? "" : file.substr(0, slash);
}

} // namespace

std::string PathCheck::CharactersRefusal(const std::string& name)
{
    if (name.empty())
        return "is empty";
    for (char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return "holds a control character";
    }
    if (name.find('\\') != std::string::npos)
        return "holds a '\\': write folders with '/'";
    if (name[0] == '/')
        return "is an absolute path: name a file inside the folder";
    if (name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':')
        return "starts with a drive letter: name a file inside the folder";
    return "";
}

std::string PathCheck::FileNameRefusal(const std::string& name)
{
    const std::string refusal = CharactersRefusal(name);
    if (!refusal.empty())
        return refusal;
    if (name.find('/') != std::string::npos)
        return "holds a '/': it must be one file name, without folders";
    if (name == "." || name == "..")
        return "is no file name";
    if (name.find(':') != std::string::npos)
        return "holds a ':'";
    return "";
}

std::string PathCheck::ReferenceRefusal(const std::string& from, const std::string& name, std::string& joined)
{
    joined.clear();
    const std::string refusal = CharactersRefusal(name);
    if (!refusal.empty())
        return refusal;
    std::vector<std::string> kept;
    const std::string folder = FolderOf(from);
    // The naming file's own path was checked when it was named; a caller
    // that passes another one still gets nothing through.
    for (char c : folder)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\')
            return "is named from a file whose path holds a control character or a '\\'";
    for (const std::string& part : Parts(folder.empty() ? name : folder + "/" + name)) {
        if (part.empty() || part == ".")
            continue;
        if (part != "..") {
            kept.push_back(part);
            continue;
        }
        if (kept.empty())
            return "leads outside the folder (\"..\" past its top)";
        kept.pop_back();
    }
    if (kept.empty())
        return "names no file";
    for (const std::string& part : kept)
        joined += (joined.empty() ? "" : "/") + part;
    return "";
}
