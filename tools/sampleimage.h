#pragma once

#include <cstdint>
#include <vector>

// A synthetic Velmora cartridge image for trying the editor out: a plausible
// header and the three tables filled with plausible values at their offsets.
namespace SampleImage {

enum class Region
{
    Usa,
    Japan
};

std::vector<std::uint8_t> make(Region region);

} // namespace SampleImage
