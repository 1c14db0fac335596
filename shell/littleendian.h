#pragma once

#include <array>
#include <cstdint>

// The ROM stores every number wider than a byte low byte first.
namespace LittleEndian {

inline std::uint16_t toU16(const std::uint8_t *bytes)
{
    return std::uint16_t(bytes[0] | (bytes[1] << 8));
}

inline std::int16_t toI16(const std::uint8_t *bytes)
{
    return std::int16_t(toU16(bytes));
}

inline std::int32_t toI32(const std::uint8_t *bytes)
{
    const std::uint32_t value = std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24);
    return std::int32_t(value);
}

inline std::array<std::uint8_t, 2> fromU16(std::uint16_t value)
{
    return {std::uint8_t(value & 0xFF), std::uint8_t(value >> 8)};
}

inline std::array<std::uint8_t, 4> fromU32(std::uint32_t value)
{
    return {std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF),
            std::uint8_t((value >> 16) & 0xFF), std::uint8_t(value >> 24)};
}

} // namespace LittleEndian
