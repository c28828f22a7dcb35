// Draws the pictures that the toolkit's widgets name under
// "$(TQDIR)/sys/pixmaps/" and writes them as PNG files (8-bit RGBA; fully
// transparent or fully opaque pixels, which the image reader turns into a
// mask) into the current directory. The widgets name them ".xpm"; the image
// reader reads the ".png" of the same name. Run tools/make-icons to rebuild
// toolkit/pixmaps with it.
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Colour {
    std::uint8_t r, g, b;
};

const Colour kWhite = {255, 255, 255};
const Colour kInk = {40, 40, 40};
const Colour kPaper = {250, 250, 246};
const Colour kPaperEdge = {120, 120, 120};
const Colour kFolder = {240, 196, 72};
const Colour kFolderDark = {200, 150, 40};
const Colour kFolderEdge = {140, 100, 20};
const Colour kBlue = {52, 120, 220};
const Colour kBlueEdge = {24, 66, 140};
const Colour kRed = {190, 40, 40};
const Colour kGreen = {40, 150, 70};

// Top row first; a pixel is either transparent or opaque.
class Picture {
public:
    Picture(int width, int height)
        : m_width(width), m_height(height), m_rgba(static_cast<size_t>(width) * height * 4, 0)
    {
    }
    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::vector<std::uint8_t>& rgba() const { return m_rgba; }

    void set(int x, int y, Colour c)
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        std::uint8_t* p = &m_rgba[(static_cast<size_t>(y) * m_width + x) * 4];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        p[3] = 255;
    }
    // Every pixel whose centre the shape holds.
    template <typename Shape>
    void paint(Colour c, Shape inside)
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (inside(x + 0.5, y + 0.5))
                    set(x, y, c);
    }
    void fill(int x0, int y0, int x1, int y1, Colour c)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, c);
    }
    void frame(int x0, int y0, int x1, int y1, Colour c)
    {
        fill(x0, y0, x1, y0, c);
        fill(x0, y1, x1, y1, c);
        fill(x0, y0, x0, y1, c);
        fill(x1, y0, x1, y1, c);
    }
    // A stroke of the given half width between two points.
    void line(double x0, double y0, double x1, double y1, double halfWidth, Colour c)
    {
        paint(c, [=](double x, double y) {
            double dx = x1 - x0, dy = y1 - y0;
            double t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy);
            t = t < 0 ? 0 : t > 1 ? 1 : t;
            double px = x0 + t * dx - x, py = y0 + t * dy - y;
            return px * px + py * py <= halfWidth * halfWidth;
        });
    }

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_rgba;
};

// A closed folder in the box: a tab over the left half, the body below it.
void folder(Picture& p, int left, int top, int right, int bottom, Colour body)
{
    p.fill(left, top, left + (right - left) / 2, top + 2, kFolderDark);
    p.frame(left, top, left + (right - left) / 2, top + 2, kFolderEdge);
    p.fill(left, top + 2, right, bottom, body);
    p.frame(left, top + 2, right, bottom, kFolderEdge);
}

// The message dialog's sign: a white "i" on a blue disc.
Picture information()
{
    Picture p(24, 24);
    p.paint(kBlueEdge, [](double x, double y) { return std::hypot(x - 12, y - 12) <= 11.5; });
    p.paint(kBlue, [](double x, double y) { return std::hypot(x - 12, y - 12) <= 10.5; });
    p.paint(kWhite, [](double x, double y) { return std::hypot(x - 12, y - 6.5) <= 1.8; });
    p.fill(11, 10, 13, 17, kWhite);
    p.fill(9, 10, 10, 10, kWhite);
    p.fill(9, 18, 15, 18, kWhite);
    return p;
}

// The dialogs' cancel button: a cross.
Picture endButton()
{
    Picture p(16, 16);
    p.line(3.5, 3.5, 12.5, 12.5, 1.3, kRed);
    p.line(12.5, 3.5, 3.5, 12.5, 1.3, kRed);
    return p;
}

// The file dialog's sign: a page over an open folder.
Picture fileSelection()
{
    Picture p(24, 24);
    folder(p, 1, 5, 22, 21, kFolderDark);
    p.fill(6, 2, 17, 15, kPaper);
    p.frame(6, 2, 17, 15, kPaperEdge);
    for (int y = 5; y <= 12; y += 2)
        p.fill(8, y, 15, y, kPaperEdge);
    // The folder's front flap leans back.
    p.paint(kFolder, [](double x, double y) {
        return y >= 11 && y <= 21 && x >= 2 + (21 - y) * 0.3 && x <= 22 - (21 - y) * 0.3;
    });
    p.line(2 + 10 * 0.3, 11, 22 - 10 * 0.3, 11, 0.5, kFolderEdge);
    p.line(2, 21.5, 22, 21.5, 0.5, kFolderEdge);
    return p;
}

// Up to the parent directory: an arrow that turns upwards.
Picture upButton()
{
    Picture p(16, 16);
    p.paint(kInk, [](double x, double y) {
        return y >= 2 && y <= 8 && std::fabs(x - 8) <= (y - 2) * 0.9;
    });
    p.fill(7, 8, 8, 12, kInk);
    p.fill(7, 12, 14, 13, kInk);
    return p;
}

// A new directory: a folder with a green plus.
Picture makeDirectory()
{
    Picture p(16, 16);
    folder(p, 1, 4, 14, 14, kFolder);
    p.fill(9, 1, 10, 8, kGreen);
    p.fill(6, 4, 13, 5, kGreen);
    return p;
}

Picture closedFolder()
{
    Picture p(16, 16);
    folder(p, 1, 3, 14, 13, kFolder);
    return p;
}

// The directory the listing shows: a folder standing open.
Picture openFolder()
{
    Picture p(16, 16);
    folder(p, 1, 3, 14, 13, kFolderDark);
    p.paint(kFolder, [](double x, double y) {
        return y >= 7 && y <= 13.5 && x >= 1.5 + (13.5 - y) * 0.45 && x <= 15 - (13.5 - y) * 0.2;
    });
    p.line(1.5 + 6.5 * 0.45, 7, 15 - 6.5 * 0.2, 7, 0.5, kFolderEdge);
    return p;
}

// A file: a page with a folded corner and lines of text.
Picture file()
{
    Picture p(16, 16);
    auto onPage = [](double x, double y) {
        return x >= 3 && x <= 13 && y >= 1 && y <= 15 && x - 9 <= y - 1;
    };
    p.paint(kPaper, onPage);
    p.paint(kPaperEdge, [onPage](double x, double y) {
        bool inside = onPage(x, y);
        bool deep = x >= 4 && x <= 12 && y >= 2 && y <= 14 && x - 9 <= y - 2.4;
        return inside && !deep;
    });
    p.line(9.5, 1.5, 9.5, 5.5, 0.5, kPaperEdge);
    p.line(9.5, 5.5, 12.5, 5.5, 0.5, kPaperEdge);
    for (int y = 7; y <= 12; y += 2)
        p.fill(5, y, 11, y, kPaperEdge);
    return p;
}

// ---- PNG ----

void put32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>(v >> shift & 0xFF);
}

void chunk(std::string& out, const char* type, const std::string& body)
{
    put32(out, static_cast<std::uint32_t>(body.size()));
    std::string typed = std::string(type, 4) + body;
    out += typed;
    put32(out, crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                     static_cast<uInt>(typed.size())));
}

// Signature, header (8-bit RGBA), the rows with filter 0 compressed, end.
bool pngFile(const Picture& p, std::string* out)
{
    std::string header;
    put32(header, p.width());
    put32(header, p.height());
    header += std::string("\x08\x06\x00\x00\x00", 5);

    std::vector<Bytef> raw;
    const size_t rowBytes = static_cast<size_t>(p.width()) * 4;
    for (int y = 0; y < p.height(); ++y) {
        raw.push_back(0);
        const auto row = p.rgba().begin() + y * rowBytes;
        raw.insert(raw.end(), row, row + rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<Bytef> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) !=
        Z_OK)
        return false;

    *out = "\x89PNG\r\n\x1a\n";
    chunk(*out, "IHDR", header);
    chunk(*out, "IDAT", std::string(packed.begin(), packed.begin() + packedSize));
    chunk(*out, "IEND", "");
    return true;
}

bool writeFile(const std::string& name, const Picture& picture)
{
    std::string bytes;
    if (!pngFile(picture, &bytes))
        return false;
    std::FILE* fp = std::fopen(name.c_str(), "wb");
    if (fp == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return std::fclose(fp) == 0 && written;
}

} // namespace

int main()
{
    const struct {
        const char* file;
        Picture picture;
    } pictures[] = {
        {"bi23.png", information()},   {"endbtn.png", endButton()},
        {"bi13.png", fileSelection()}, {"bi15.png", upButton()},
        {"bi19.png", makeDirectory()}, {"bi16.png", closedFolder()},
        {"bi17.png", file()},          {"bi18.png", openFolder()},
    };
    bool ok = true;
    for (const auto& p : pictures)
        ok = writeFile(p.file, p.picture) && ok;
    if (!ok)
        std::fprintf(stderr, "pixmapgen: could not write the pictures\n");
    return ok ? 0 : 1;
}
