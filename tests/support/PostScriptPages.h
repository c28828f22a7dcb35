// The PostScript pages that tests write for Ghostscript to render, and the
// rasters read back. The folder comes from TQ_PS_DIR, which the test steps
// that write, render and read the pages share; without it pages go to a
// temporary folder and no raster is read.
#ifndef POSTSCRIPTPAGES_H
#define POSTSCRIPTPAGES_H

#include "TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

class TQDfile;

// A page written with the toolkit's own file object. Destroying it closes
// the file.
class PostScriptPage {
public:
    explicit PostScriptPage(const std::string& name);
    ~PostScriptPage();
    PostScriptPage(const PostScriptPage&) = delete;
    PostScriptPage& operator=(const PostScriptPage&) = delete;

    // The open file, to hand to the drawing object; null when it cannot be
    // opened.
    TQDfile* file() const { return m_file; }
    // The bytes written, after closing the file.
    std::string close();

private:
    TempDir m_spare;
    std::string m_path;
    TQDfile* m_file;
};

// A page rendered at 72 dots per inch, one 0xRRGGBB value per pixel.
struct Raster {
    long width = 0;
    long height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(long x, long y) const { return pixels[y * width + x]; }
    // Pixels of the rectangle that are not the colour given.
    long countOther(long x, long y, long w, long h, std::uint32_t colour) const;
};

// The folder shared by the steps; empty when the tests run on their own.
std::string postScriptFolder();
// Reads the raster Ghostscript made of a page; false when there is none.
bool readRaster(const std::string& page, Raster* raster);

#endif
