// PostScript images: an image is rendered by the native drawing object into
// an off-screen device twice, on black and on white, so that the pixels
// that differ give its transparency; the pixels are then written as a table
// of quantised colours and one hexadecimal index per pixel, which the
// prolog's image procedures read back from the document.
#include "_TQDpsdraw.h"

#include "_TQCcolorSet.h"
#include "_TQDfile.h"
#include "_TQDimage.h"
#include "_TQDmwindowDev.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const long kMaxTableEntries = 256;

struct Rgb {
    unsigned char r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// A pixel of the device's buffer; black where the buffer has none.
Rgb pixelAt(TQDmwindowDev* dev, long x, long y, bool* read = nullptr)
{
    Rgb c = {0, 0, 0};
    long result = dev->getBufferRGB(static_cast<unsigned short>(x),
                                    static_cast<unsigned short>(y), &c.r, &c.g, &c.b);
    if (read != nullptr)
        *read = result == 0;
    return c;
}

// Mask rows of (w + 7) / 8 bytes; the leftmost pixel is the high bit.
class Mask {
public:
    Mask(unsigned short w, unsigned short h)
        : m_rowBytes((w + 7) / 8), m_bytes(new unsigned char[m_rowBytes * h]()), m_holes(false)
    {
    }
    void setOpaque(long x, long y) { m_bytes[y * m_rowBytes + x / 8] |= 0x80 >> (x % 8); }
    void setTransparent() { m_holes = true; }
    // The bytes when some pixel is transparent, else null.
    unsigned char* release() { return m_holes ? m_bytes.release() : nullptr; }

private:
    long m_rowBytes;
    std::unique_ptr<unsigned char[]> m_bytes;
    bool m_holes;
};

// The colour table of one image. Colours are looked up in 256 buckets by
// the sum of their components; an index is the colour's place in bucket
// order. The components keep their top three bits; when that gives more
// than 256 colours, blue keeps two, so that an index stays one byte.
class ColorTable {
public:
    ColorTable(TQDmwindowDev* dev, short sx, short sy, unsigned short w, unsigned short h)
    {
        if (!scan(dev, sx, sy, w, h, 0xE0))
            scan(dev, sx, sy, w, h, 0xC0);
        long next = 0;
        for (long b = 0; b < 256; ++b) {
            m_first[b] = next;
            next += static_cast<long>(m_buckets[b].size());
        }
    }
    long size() const { return m_size; }
    // The table index of pixel (x, y) of the rectangle.
    long indexAt(long x, long y) const
    {
        unsigned long code = m_codes[y * m_w + x];
        return m_first[code % 256] + static_cast<long>(code / 256);
    }
    void putEntries(std::string* out) const
    {
        char line[96];
        long index = 0;
        for (const std::vector<Rgb>& bucket : m_buckets)
            for (const Rgb& c : bucket) {
                std::snprintf(line, sizeof line, "%d [ %lf %lf %lf ] tq_setpix\n",
                              static_cast<int>(3 * index++), c.r / 256.0, c.g / 256.0,
                              c.b / 256.0);
                *out += line;
            }
    }

private:
    // Column by column, as the table's order of appearance depends on it;
    // false when the colours overflow the table.
    bool scan(TQDmwindowDev* dev, short sx, short sy, unsigned short w, unsigned short h,
              unsigned char blueMask)
    {
        m_w = w;
        m_size = 0;
        m_codes.assign(static_cast<size_t>(w) * h, 0);
        for (std::vector<Rgb>& bucket : m_buckets)
            bucket.clear();
        for (long x = 0; x < w; ++x)
            for (long y = 0; y < h; ++y) {
                Rgb c = pixelAt(dev, sx + x, sy + y);
                c.r &= 0xE0;
                c.g &= 0xE0;
                c.b &= blueMask;
                m_codes[y * w + x] = codeOf(c);
                if (m_size > kMaxTableEntries)
                    return false;
            }
        return true;
    }
    unsigned long codeOf(const Rgb& c)
    {
        unsigned long bucket = (c.r + c.g + c.b) % 256;
        std::vector<Rgb>& entries = m_buckets[bucket];
        unsigned long place = 0;
        while (place < entries.size() && entries[place] != c)
            ++place;
        if (place == entries.size()) {
            entries.push_back(c);
            ++m_size;
        }
        return place * 256 + bucket;
    }

    long m_w = 0;
    long m_size = 0;
    std::vector<Rgb> m_buckets[256];
    long m_first[256];
    std::vector<unsigned long> m_codes;
};

void writeString(TQDfile* file, const std::string& text)
{
    file->write(const_cast<char*>(text.data()), static_cast<long>(text.size()));
}

void putHex(std::string* out, long byte)
{
    static const char digits[] = "0123456789abcdef";
    *out += digits[byte >> 4 & 15];
    *out += digits[byte & 15];
}

// Draws the image on a w x h device filled with one colour and reads the
// device back.
void renderOn(TQDmwindowDev* dev, short background, TQDimage* image, unsigned char stretch,
              short sx, short sy, unsigned short iw, unsigned short ih, unsigned short w,
              unsigned short h)
{
    dev->beginDraw(0, 0, w, h, 1, 1);
    dev->setForeColor(background);
    dev->drawFillRect(0, 0, w, h);
    if (stretch)
        dev->drawStretchedImage(0, 0, w, h, image);
    else
        dev->drawImage(sx, sy, iw, ih, image, 5);
    dev->endDraw();
    dev->initBuffer();
}

// The drawing object that renders pixels: the native one, unless there is
// none or it is itself a PostScript object.
TQDdraw* pixelDraw()
{
    TQDdraw* native = TQDdev::getNativeDraw();
    return native != nullptr && native->cast("TQDpsdraw") == nullptr ? native : nullptr;
}

} // namespace

long psmakemdev(TQDimage* image, unsigned char stretch, short sx, short sy, unsigned short iw,
                unsigned short ih, unsigned short w, unsigned short h, TQDmwindowDev** dev,
                unsigned char** mask)
{
    *dev = nullptr;
    *mask = nullptr;
    TQDdraw* native = pixelDraw();
    if (native == nullptr)
        return -1;
    std::unique_ptr<TQDmwindowDev> work(TQDmwindowDev::getNewInstance());
    if (work == nullptr)
        return -1;
    TQCcolorSet* colors = TQGIappColorSet();
    short black = colors->getColorNo("#000000");
    short white = colors->getColorNo("#FFFFFF");

    TQDdraw* previous = TQDdev::getDraw();
    TQDdev::setDraw(native);
    if (work->createPixmap(w, h) != 0) {
        TQDdev::setDraw(previous);
        return -1;
    }
    renderOn(work.get(), black, image, stretch, sx, sy, iw, ih, w, h);
    std::vector<Rgb> onBlack(static_cast<size_t>(w) * h);
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x)
            onBlack[y * w + x] = pixelAt(work.get(), x, y);
    renderOn(work.get(), white, image, stretch, sx, sy, iw, ih, w, h);
    TQDdev::setDraw(previous);

    Mask opaque(w, h);
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x) {
            if (pixelAt(work.get(), x, y) == onBlack[y * w + x])
                opaque.setOpaque(x, y);
            else
                opaque.setTransparent();
        }
    *mask = opaque.release();
    *dev = work.release();
    return 0;
}

void psoutimage(TQDmwindowDev* dev, TQDfile* file, unsigned char clip, short sx, short sy,
                unsigned short w, unsigned short h, short dx, short dy, unsigned char* mask)
{
    if (dev == nullptr || file == nullptr || w == 0 || h == 0)
        return;
    ColorTable table(dev, sx, sy, w, h);
    std::string text = "gsave\n";
    if (clip)
        text += "tq_clipregion\n";
    text += "3 " + std::to_string(table.size()) + " mul array tq_setpixels\n";
    table.putEntries(&text);
    text += std::to_string(dx) + " " + std::to_string(dy) +
            " translate 1.00 1.00 scale 0 rotate\n" + std::to_string(w) + " " +
            std::to_string(h) + (mask != nullptr ? " tq_maskedimage\n" : " tq_unmaskedimage\n");
    writeString(file, text);

    for (long y = 0; y < h; ++y) {
        std::string row;
        for (long x = 0; x < w; ++x)
            putHex(&row, table.indexAt(x, y));
        writeString(file, row + "\n");
    }
    long rowBytes = (w + 7) / 8;
    for (long y = 0; mask != nullptr && y < h; ++y) {
        std::string row;
        for (long i = 0; i < rowBytes; ++i)
            putHex(&row, mask[y * rowBytes + i]);
        writeString(file, row + "\n");
    }
    writeString(file, "grestore\n");
}

// ---------------------------------------------------------------------------
// Drawing operations

namespace {

// The offsets of an image of iw x ih in a box of w x h by alignment code,
// in 16-bit arithmetic; an unknown code is the top left.
void alignOffsets(char alignment, unsigned short w, unsigned short h, unsigned short iw,
                  unsigned short ih, short* ox, short* oy)
{
    short spareW = static_cast<short>(w - iw), spareH = static_cast<short>(h - ih);
    short left = 0, centre = static_cast<short>(spareW / 2), right = spareW;
    short top = 0, middle = static_cast<short>(spareH / 2), bottom = spareH;
    static const struct {
        char h, v;  // 0 start, 1 centre, 2 end
    } kPlaces[9] = {{0, 1}, {2, 1}, {1, 1}, {1, 0}, {1, 2}, {0, 0}, {0, 2}, {2, 0}, {2, 2}};
    short across[3] = {left, centre, right};
    short down[3] = {top, middle, bottom};
    bool known = alignment >= 0 && alignment <= 8;
    *ox = known ? across[static_cast<int>(kPlaces[static_cast<int>(alignment)].h)] : 0;
    *oy = known ? down[static_cast<int>(kPlaces[static_cast<int>(alignment)].v)] : 0;
}

// Along one axis: a box larger than the image shows the whole image at the
// offset; otherwise the box is filled with the part of the image the offset
// shifts into it.
void placeAxis(short at, unsigned short box, unsigned short size, short offset, short* outAt,
               unsigned short* outSize, short* source)
{
    if (box > size) {
        *outSize = size;
        *outAt = static_cast<short>(at + offset);
        *source = 0;
    } else {
        *outSize = box;
        *outAt = at;
        *source = offset;
    }
}

bool drawable(TQDimage* image)
{
    if (image == nullptr)
        return false;
    long handle = image->getValue1();
    return handle != 0 && handle != -1;
}

} // namespace

long TQDpsdraw::writeImage(TQDimage* image, unsigned char stretch, short x, short y, short sx,
                           short sy, unsigned short w, unsigned short h)
{
    if (w == 0 || h == 0)
        return -1;
    TQDmwindowDev* dev = nullptr;
    unsigned char* mask = nullptr;
    unsigned short iw = stretch ? 0 : image->getImageWidth();
    unsigned short ih = stretch ? 0 : image->getImageHeight();
    if (psmakemdev(image, stretch, sx, sy, iw, ih, w, h, &dev, &mask) != 0)
        return -1;
    psoutimage(dev, m_file, m_region, 0, 0, w, h, x, y, mask);
    delete[] mask;
    delete dev;
    return 0;
}

long TQDpsdraw::drawImage(short x, short y, unsigned short w, unsigned short h,
                          TQDimage* image, char alignment)
{
    if (!hasDocument() || !drawable(image))
        return -1;
    unsigned short iw = image->getImageWidth(), ih = image->getImageHeight();
    short ox, oy;
    alignOffsets(alignment, w, h, iw, ih, &ox, &oy);
    short outX, outY, sx, sy;
    unsigned short outW, outH;
    placeAxis(x, w, iw, ox, &outX, &outW, &sx);
    placeAxis(y, h, ih, oy, &outY, &outH, &sy);
    return writeImage(image, 0, outX, outY, sx, sy, outW, outH);
}

long TQDpsdraw::drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                                   TQDimage* image)
{
    if (!hasDocument() || !drawable(image))
        return -1;
    return writeImage(image, 1, x, y, 0, 0, w, h);
}

long TQDpsdraw::drawImage(short, short, short, short, unsigned short, unsigned short,
                          TQDimage*)
{
    return hasDocument() ? 0 : -1;
}

long TQDpsdraw::drawGradation(long, short, short, short, short, short, unsigned short,
                              unsigned short, unsigned char)
{
    return hasDocument() ? 0 : -1;
}

// A black pixel of the mask device makes the pixel transparent.
long TQDpsdraw::copyPixmap(TQDmwindowDev* src, short sx, short sy, unsigned short w,
                           unsigned short h, short dx, short dy, TQDmwindowDev* maskDev)
{
    if (src == nullptr || !hasDocument())
        return -1;
    if (w == 0 || h == 0)
        return -1;
    unsigned char* mask = nullptr;
    if (maskDev != nullptr) {
        Mask opaque(w, h);
        const Rgb black = {0, 0, 0};
        for (long y = 0; y < h; ++y)
            for (long x = 0; x < w; ++x) {
                bool read = false;
                if (pixelAt(maskDev, sx + x, sy + y, &read) == black && read)
                    opaque.setTransparent();
                else
                    opaque.setOpaque(x, y);
            }
        mask = opaque.release();
    }
    psoutimage(src, m_file, m_region, sx, sy, w, h, dx, dy, mask);
    delete[] mask;
    return 0;
}
