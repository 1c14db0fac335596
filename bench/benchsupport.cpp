#include "bench/benchsupport.h"

#include "tools/sampleimage.h"

#include <fstream>

namespace Bench {

std::filesystem::path writeSample(const std::filesystem::path &folder, const char *name)
{
    const auto image = SampleImage::make(SampleImage::Region::Usa);
    const auto path = folder / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
    return path;
}

} // namespace Bench
