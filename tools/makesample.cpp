// Writes the sample images into a folder: a US one to edit and a Japanese one
// that the editor refuses.
#include "tools/sampleimage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

bool save(const std::filesystem::path &path, const std::vector<std::uint8_t> &image)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(folder);
    const auto usa = folder / "Velmora (USA).gba";
    const auto japan = folder / "Velmora (Japan).gba";
    if (!save(usa, SampleImage::make(SampleImage::Region::Usa)) ||
        !save(japan, SampleImage::make(SampleImage::Region::Japan))) {
        std::fprintf(stderr, "makesample: cannot write into %s\n", folder.string().c_str());
        return 1;
    }
    std::printf("%s\n%s\n", usa.string().c_str(), japan.string().c_str());
    return 0;
}
