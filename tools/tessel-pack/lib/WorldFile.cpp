#include "lib/WorldFile.h"

namespace {

void PutString(std::vector<std::uint8_t>& bytes, const std::string& text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
}

void PutU16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

bool GetString(const std::vector<std::uint8_t>& bytes, std::size_t& position, std::string& text)
{
    text.clear();
    while (position < bytes.size() && bytes[position] != 0)
        text += static_cast<char>(bytes[position++]);
    if (position >= bytes.size())
        return false;
    ++position;
    return true;
}

bool GetU16(const std::vector<std::uint8_t>& bytes, std::size_t& position, std::uint16_t& value)
{
    if (position + 2 > bytes.size())
        return false;
    value = static_cast<std::uint16_t>(bytes[position] | (bytes[position + 1] << 8));
    position += 2;
    return true;
}

} // namespace

std::vector<std::uint8_t> WorldFile::Bytes() const
{
    std::vector<std::uint8_t> bytes;
    for (const std::string& script : scripts)
        PutString(bytes, script);
    bytes.push_back(0);
    for (const Texture& texture : textures) {
        PutU16(bytes, texture.name);
        PutString(bytes, texture.file);
    }
    bytes.push_back(0);
    PutU16(bytes, startScript);
    return bytes;
}

bool WorldFile::Parse(const std::vector<std::uint8_t>& bytes)
{
    *this = WorldFile();
    std::size_t position = 0;
    while (position < bytes.size() && bytes[position] != 0) {
        std::string name;
        if (!GetString(bytes, position, name))
            return false;
        scripts.push_back(name);
    }
    if (position >= bytes.size())
        return false;
    ++position;
    while (position < bytes.size() && bytes[position] != 0) {
        Texture texture;
        if (!GetU16(bytes, position, texture.name) || !GetString(bytes, position, texture.file))
            return false;
        textures.push_back(texture);
    }
    if (position >= bytes.size())
        return false;
    ++position;
    return GetU16(bytes, position, startScript);
}
