#include "PostScriptPages.h"

#include "FileBytes.h"

#include <cstdlib>
#include <fstream>
#include <istream>

void savePage(const std::string& name, const std::string& bytes)
{
    if (!postScriptFolder().empty())
        writeFileBytes(postScriptFolder() + "/" + name, bytes);
}

long Raster::countOther(long x, long y, long w, long h, std::uint32_t colour) const
{
    long count = 0;
    for (long row = y; row < y + h; ++row)
        for (long column = x; column < x + w; ++column)
            count += at(column, row) != colour ? 1 : 0;
    return count;
}

std::string postScriptFolder()
{
    const char* folder = std::getenv("TQ_PS_DIR");
    return folder != nullptr ? folder : "";
}

namespace {

// The next word of a pixmap's header; comments run from "#" to the line's end.
std::string headerWord(std::istream& in)
{
    std::string word;
    while (in >> word && word[0] == '#')
        in.ignore(1 << 20, '\n');
    return word;
}

} // namespace

// A binary portable pixmap: "P6", width, height, the largest value 255,
// one white-space byte, then three bytes a pixel.
bool readRaster(const std::string& page, Raster* raster)
{
    std::string folder = postScriptFolder();
    if (folder.empty())
        return false;
    std::ifstream in(folder + "/" + page.substr(0, page.rfind('.')) + ".ppm", std::ios::binary);
    if (headerWord(in) != "P6")
        return false;
    raster->width = std::atol(headerWord(in).c_str());
    raster->height = std::atol(headerWord(in).c_str());
    if (headerWord(in) != "255" || raster->width <= 0 || raster->height <= 0)
        return false;
    in.get();
    std::string bytes(static_cast<size_t>(raster->width * raster->height * 3), '\0');
    if (!in.read(&bytes[0], static_cast<std::streamsize>(bytes.size())))
        return false;
    raster->pixels.resize(bytes.size() / 3);
    for (size_t i = 0; i < raster->pixels.size(); ++i)
        raster->pixels[i] = static_cast<unsigned char>(bytes[3 * i]) << 16 |
                            static_cast<unsigned char>(bytes[3 * i + 1]) << 8 |
                            static_cast<unsigned char>(bytes[3 * i + 2]);
    return true;
}
