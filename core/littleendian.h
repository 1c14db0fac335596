#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The ROM stores every number wider than a byte low byte first.
namespace LittleEndian {

// The number held in the first `width` bytes (at most 8).
inline std::uint64_t toUnsigned(const std::uint8_t *bytes, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = width; i > 0; --i)
        value = (value << 8) | bytes[i - 1];
    return value;
}

// The low `width` bytes of value; the higher ones are dropped.
inline std::vector<std::uint8_t> fromUnsigned(std::uint64_t value, std::size_t width)
{
    std::vector<std::uint8_t> bytes(width);
    for (std::size_t i = 0; i < width; ++i)
        bytes[i] = std::uint8_t(value >> (8 * i));
    return bytes;
}

} // namespace LittleEndian
