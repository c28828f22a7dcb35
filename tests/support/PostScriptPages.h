// PostScript pages that tests write for Ghostscript, and the rasters it
// makes of them. The folder is TQ_PS_DIR, shared by the test steps that
// write, render and read; without it no page is kept and no raster read.
#ifndef POSTSCRIPTPAGES_H
#define POSTSCRIPTPAGES_H

#include <cstdint>
#include <string>
#include <vector>

// Keeps a page's bytes in the folder when there is one.
void savePage(const std::string& name, const std::string& bytes);

// A page rendered at 72 dots per inch, 0xRRGGBB per pixel.
struct Raster {
    long width = 0;
    long height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(long x, long y) const { return pixels[y * width + x]; }
    long countOther(long x, long y, long w, long h, std::uint32_t colour) const;
};

std::string postScriptFolder();
// The raster of a page ("name.ps" -> "name.ppm"); false when there is none.
bool readRaster(const std::string& page, Raster* raster);

#endif
