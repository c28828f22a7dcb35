// Draws the toolkit's built-in icons and writes them, with the resource
// script that names them, into the current directory. Run tools/make-icons
// to rebuild toolkit/win32/icons with it.
//
// Every icon is a 32 x 32, 16-colour picture: a rounded tile with a white
// glyph. The program icon (101) shows a wave; the others combine one of
// seven glyphs with one of five tile colours, so no two look alike.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kSize = 32;
const int kPaletteSize = 16;

struct Colour {
    std::uint8_t r, g, b;
};

// Palette indexes: black (also what transparent pixels hold), white, then
// a fill and a darker edge per tile colour; the wave tile comes last.
const Colour kPalette[kPaletteSize] = {
    {0, 0, 0},       {255, 255, 255}, {52, 120, 220}, {24, 66, 140},  {46, 160, 90},
    {22, 96, 50},    {236, 140, 40},  {160, 84, 14},  {208, 60, 60},  {128, 26, 26},
    {140, 80, 190},  {80, 40, 120},   {20, 110, 140}, {8, 56, 76},    {0, 0, 0},
    {0, 0, 0}};
const int kBlack = 0;
const int kWhite = 1;
const int kTileColours = 5;
const int kWaveTile = 12;

enum Glyph { Disc, Ring, Square, Diamond, Triangle, Plus, Cross, GlyphCount };

struct Icon {
    int id;
    const char* file;
};

const Icon kProgramIcon = {101, "main.ico"};
const Icon kIcons[] = {
    {202, "psave.ico"}, {203, "pend.ico"},    {204, "wload.ico"},  {205, "wsave.ico"},
    {206, "obox.ico"},  {207, "make.ico"},    {208, "run.ico"},    {209, "search.ico"},
    {210, "search2.ico"}, {211, "help.ico"},  {212, "runx.ico"},   {213, "bi4.ico"},
    {214, "bi13.ico"},  {215, "bi15.ico"},    {216, "bi16.ico"},   {217, "bi17.ico"},
    {218, "bi18.ico"},  {219, "bi19.ico"},    {220, "bi23.ico"},   {221, "bi24.ico"},
    {222, "bi25.ico"},  {223, "endbtn.ico"},  {224, "ope.ico"},    {225, "wcreate.ico"},
    {226, "wtrash.ico"}, {227, "edit.ico"},   {228, "pset.ico"},   {229, "bi8.ico"},
    {230, "pcreate.ico"}, {231, "pload.ico"}, {232, "bi40.ico"},   {233, "bi41.ico"},
    {234, "bi42.ico"},  {235, "bi43.ico"}};

// One palette index per pixel, top row first; -1 is transparent.
using Picture = std::vector<int>;

// Offsets of a pixel's centre from the middle of the icon.
double centred(int v)
{
    return v + 0.5 - kSize / 2.0;
}

bool insideTile(int x, int y)
{
    const double half = 15.0;
    const double corner = 5.0;
    double dx = std::fabs(centred(x)) - (half - corner);
    double dy = std::fabs(centred(y)) - (half - corner);
    if (dx <= 0 || dy <= 0)
        return std::fabs(centred(x)) <= half && std::fabs(centred(y)) <= half;
    return dx * dx + dy * dy <= corner * corner;
}

bool onTileEdge(int x, int y)
{
    return insideTile(x, y) && !(insideTile(x - 1, y) && insideTile(x + 1, y) &&
                                 insideTile(x, y - 1) && insideTile(x, y + 1));
}

bool inGlyph(Glyph glyph, int x, int y)
{
    double dx = centred(x);
    double dy = centred(y);
    double distance = std::sqrt(dx * dx + dy * dy);
    switch (glyph) {
    case Disc:
        return distance <= 8.5;
    case Ring:
        return distance <= 9.5 && distance >= 5.5;
    case Square:
        return std::fabs(dx) <= 7.5 && std::fabs(dy) <= 7.5;
    case Diamond:
        return std::fabs(dx) + std::fabs(dy) <= 10.5;
    case Triangle:
        return dy <= 8.0 && dy >= -9.0 && std::fabs(dx) <= (dy + 9.0) * 0.55;
    case Plus:
        return (std::fabs(dx) <= 2.5 && std::fabs(dy) <= 9.5) ||
               (std::fabs(dy) <= 2.5 && std::fabs(dx) <= 9.5);
    case Cross:
        return std::fabs(dx) <= 9.0 && std::fabs(dy) <= 9.0 &&
               (std::fabs(dx - dy) <= 3.0 || std::fabs(dx + dy) <= 3.0);
    default:
        return false;
    }
}

bool onWave(int x, int y)
{
    const double pi = 3.14159265358979;
    const double amplitude = 7.0;
    const double frequency = 2.0 * pi / 14.0;
    double wave = amplitude * std::sin(centred(x) * frequency);
    double slope = amplitude * frequency * std::cos(centred(x) * frequency);
    // Distance from the curve, not height above it, so steep parts stay thick.
    double distance = std::fabs(centred(y) - wave) / std::sqrt(1.0 + slope * slope);
    return std::fabs(centred(x)) <= 11.0 && distance <= 1.5;
}

template <typename Mark>
Picture drawTile(int fill, int edge, Mark mark)
{
    Picture picture(kSize * kSize, -1);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            int& pixel = picture[y * kSize + x];
            if (!insideTile(x, y))
                continue;
            pixel = onTileEdge(x, y) ? edge : mark(x, y) ? kWhite : fill;
        }
    }
    return picture;
}

Picture drawnIcon(int index)
{
    Glyph glyph = static_cast<Glyph>(index % GlyphCount);
    int fill = 2 + 2 * ((index / GlyphCount) % kTileColours);
    return drawTile(fill, fill + 1, [glyph](int x, int y) { return inGlyph(glyph, x, y); });
}

Picture programIcon()
{
    return drawTile(kWaveTile, kWaveTile + 1, onWave);
}

void put16(std::string& out, unsigned v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}

void put32(std::string& out, unsigned long v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16 & 0xFFFF);
}

// An icon file of one 4-bit image: header, directory entry, bitmap header
// (height doubled for colour and mask), palette, colour rows and mask rows,
// both bottom row first.
std::string iconFile(const Picture& picture)
{
    const unsigned colourRowBytes = kSize / 2;
    const unsigned maskRowBytes = kSize / 8;
    const unsigned long imageBytes =
        40 + kPaletteSize * 4 + (colourRowBytes + maskRowBytes) * kSize;
    std::string out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out += static_cast<char>(kSize);
    out += static_cast<char>(kSize);
    out += static_cast<char>(kPaletteSize);
    out += '\0';
    put16(out, 1);
    put16(out, 4);
    put32(out, imageBytes);
    put32(out, 22);

    put32(out, 40);
    put32(out, kSize);
    put32(out, 2 * kSize);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, (colourRowBytes + maskRowBytes) * kSize);
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (const Colour& c : kPalette) {
        out += static_cast<char>(c.b);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.r);
        out += '\0';
    }
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 2) {
            int left = picture[y * kSize + x];
            int right = picture[y * kSize + x + 1];
            left = left < 0 ? kBlack : left;
            right = right < 0 ? kBlack : right;
            out += static_cast<char>(left << 4 | right);
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 8) {
            unsigned bits = 0;
            for (int b = 0; b < 8; ++b)
                bits |= (picture[y * kSize + x + b] < 0 ? 1u : 0u) << (7 - b);
            out += static_cast<char>(bits);
        }
    }
    return out;
}

bool writeFile(const std::string& name, const std::string& bytes)
{
    std::FILE* fp = std::fopen(name.c_str(), "wb");
    if (fp == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return std::fclose(fp) == 0 && written;
}

std::string resourceLine(const Icon& icon)
{
    return std::to_string(icon.id) + " ICON \"" + icon.file + "\"\n";
}

} // namespace

int main()
{
    std::string script =
        "// The toolkit's built-in icons: 101 is the program's own, 202-235 stand in\n"
        "// for the pixmaps named in the same way when those files are missing.\n"
        "// Made by tools/icongen.cpp; run tools/make-icons to make them again.\n";
    bool ok = writeFile(kProgramIcon.file, iconFile(programIcon()));
    script += resourceLine(kProgramIcon);
    int index = 0;
    for (const Icon& icon : kIcons) {
        ok = writeFile(icon.file, iconFile(drawnIcon(index++))) && ok;
        script += resourceLine(icon);
    }
    ok = writeFile("TQwinIcons.rc", script) && ok;
    if (!ok)
        std::fprintf(stderr, "icongen: could not write the icons\n");
    return ok ? 0 : 1;
}
