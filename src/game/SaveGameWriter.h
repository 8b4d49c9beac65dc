#pragma once

#include <cstdint>
#include <vector>

#include "game/SavedGame.h"

// The bytes of a save file:
//
//   "TesselSv"            8 bytes, names the file
//   version               u16, kVersion
//   payload length        u32
//   payload               the SavedGame, field by field (SaveEncoder)
//   CRC-32                u32, of every byte before it
//
// The reader refuses any file whose name, version, length or checksum does
// not match, so a truncated or damaged file never loads.
class SaveGameWriter {
public:
    static const char kMagic[8];
    static const std::uint16_t kVersion = 1;
    // Magic, version and payload length; the CRC follows the payload.
    static const std::size_t kHeaderBytes = 14;
    static const std::size_t kTrailerBytes = 4;

    static std::vector<std::uint8_t> Write(const SavedGame& game);
    // The payload alone: two saves of the same state have the same payload.
    static std::vector<std::uint8_t> Payload(const SavedGame& game);
};
