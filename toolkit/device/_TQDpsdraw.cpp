// The PostScript drawing object: its settings, the documents open on each
// output file, the prolog, page set-up and footer, and the text builders
// that the drawing operations share.
#include "_TQDpsdraw.h"

#include "_TQCcolorSet.h"
#include "_TQCstring.h"
#include "_TQDcolor.h"
#include "_TQDfile.h"
#include "_TQDpsdraw_internal.h"

#include <cstring>
#include <vector>

namespace {

// A file with an open document and the beginDraw calls on it not yet ended.
struct OpenDocument {
    TQDfile* file;
    long count;
};

std::vector<OpenDocument>& openDocuments()
{
    static std::vector<OpenDocument> documents;
    return documents;
}

OpenDocument* findDocument(TQDfile* file)
{
    for (OpenDocument& document : openDocuments())
        if (document.file == file)
            return &document;
    return nullptr;
}

struct Paper {
    double width;   // points
    double height;  // points
    const char* inches;  // the height in inches, as the upright set-up writes it
};

// By paper code; 14 (free) and 15 print as A4.
const Paper kPapers[16] = {
    {594.8027027027026, 842.4, "11.70"},              // A4
    {421.95405405405404, 597.6, "8.30"},              // A5
    {841.3662162162162, 1191.6000000000001, "16.55"}, // A3
    {729.522972972973, 1033.2, "14.35"},              // B4
    {516.0040540540541, 730.8000000000001, "10.15"},  // B5
    {612, 792, "11.00"},                              // Letter
    {612, 1008, "14.00"},                             // Legal
    {396, 612, "8.50"},                               // Statement
    {792, 1224, "17.00"},                             // Tabloid
    {1224, 792, "11.00"},                             // Ledger
    {612, 936, "13.00"},                              // Folio
    {610.9384615384614, 781.1999999999999, "10.85"},  // Quarto
    {720, 1008, "14.00"},                             // 10x14
    {540, 720, "10.00"},                              // Executive
    {594.8027027027026, 842.4, "11.70"},              // free
    {594.8027027027026, 842.4, "11.70"},
};

const char kPageStart[] = "gsave\n/tq_origctm matrix currentmatrix def\n\n\n";
const char kFooter[] = "\ngrestore\ntq_savedpage restore\nend\nshowpage\n";

void writeAll(TQDfile* file, const char* text)
{
    file->write(const_cast<char*>(text), static_cast<long>(std::strlen(text)));
}

} // namespace

long TQDpsdraw::s_fillType = 0;

namespace tqps {

long hatchOf(long fillType)
{
    return fillType >= 1 && fillType <= 7 ? fillType : 0;
}

} // namespace tqps

// ---------------------------------------------------------------------------
// Text builders

void putcolor(TQDcolor* color, TQCstring* s)
{
    long r = 0, g = 0, b = 0;
    if (color == nullptr || color->getRGB(&r, &g, &b) != 0)
        return;
    *s << r / 256.0 << " " << g / 256.0 << " " << b / 256.0 << " setrgbcolor\n";
}

void putregion(short x, short y, unsigned short w, unsigned short h, TQCstring* s)
{
    tqps::putNumbers(s, {x, y, w, h});
    *s << " tq_cliprect\n";
}

void putregion(TQCstring* s)
{
    *s << "tq_clipregion\n";
}

// Positions go toward zero to a multiple of 16, sizes lose their low four
// bits and gain 16, so the pattern lines up across shapes.
void drawfill(long pattern, long x, long y, unsigned long w, unsigned long h, TQCstring* s)
{
    if (tqps::hatchOf(pattern) == 0)
        return;
    *s << "hatch" << pattern << " 8 ";
    tqps::putNumbers(s, {x / 16 * 16, y / 16 * 16, static_cast<long>((w & ~15UL) + 16),
                         static_cast<long>((h & ~15UL) + 16)});
    *s << " tq_hatchfill\n";
}

// ---------------------------------------------------------------------------
// Object and settings

TQDpsdraw::TQDpsdraw()
    : m_file(nullptr),
      m_foreColorNo(0),
      m_backColorNo(0),
      m_foreColor(nullptr),
      m_backColor(nullptr),
      m_lineWidth(1),
      m_dashType(-1),
      m_region(0),
      m_pageX(10),
      m_pageY(10),
      m_pageWidth(512),
      m_pageHeight(724),
      m_printMode(0),
      m_paper(PAPER_A4),
      m_upright(1)
{
}

// The file and any open document stay the caller's.
TQDpsdraw::~TQDpsdraw()
{
}

long TQDpsdraw::setValue(long key, long value)
{
    switch (key) {
    case VALUE_PAGE_WIDTH:
        m_pageWidth = static_cast<unsigned short>(value);
        break;
    case VALUE_PAGE_HEIGHT:
        m_pageHeight = static_cast<unsigned short>(value);
        break;
    case VALUE_PAGE_X:
        m_pageX = static_cast<short>(value);
        break;
    case VALUE_PAGE_Y:
        m_pageY = static_cast<short>(value);
        break;
    case VALUE_PRINT_MODE:
        m_printMode = static_cast<unsigned char>(value & 3);
        break;
    case VALUE_PAPER:
        m_paper = static_cast<unsigned char>(value & 15);
        break;
    case VALUE_UPRIGHT:
        m_upright = static_cast<unsigned char>(value & 1);
        break;
    default:
        break;
    }
    return 0;
}

namespace {

// A colour by number: the set's colour of it, null when the set has none.
long storeColor(short no, long* number, TQDcolor** color)
{
    long previous = *number;
    *number = no;
    *color = TQGIappColorSet()->getColor(no);
    return previous;
}

// A colour object, with its number; a null one changes nothing.
long storeColor(TQDcolor* given, long* number, TQDcolor** color)
{
    long previous = *number;
    if (given != nullptr) {
        *color = given;
        *number = given->getId();
    }
    return previous;
}

} // namespace

long TQDpsdraw::setForeColor(short color)
{
    return storeColor(color, &m_foreColorNo, &m_foreColor);
}

long TQDpsdraw::setBackColor(short color)
{
    return storeColor(color, &m_backColorNo, &m_backColor);
}

long TQDpsdraw::setForeColor(TQDcolor* color)
{
    return storeColor(color, &m_foreColorNo, &m_foreColor);
}

long TQDpsdraw::setBackColor(TQDcolor* color)
{
    return storeColor(color, &m_backColorNo, &m_backColor);
}

long TQDpsdraw::setLineWidth(short width)
{
    long previous = m_lineWidth;
    m_lineWidth = width < 1 ? 1 : width;
    return previous;
}

long TQDpsdraw::setLineDashType(char dashType)
{
    long previous = m_dashType;
    m_dashType = static_cast<signed char>(dashType);
    return previous;
}

long TQDpsdraw::setHatchPattern(char pattern)
{
    long previous = s_fillType;
    s_fillType = static_cast<signed char>(pattern);
    return previous;
}

long TQDpsdraw::setRegion(short x, short y, unsigned short w, unsigned short h)
{
    if (!hasDocument())
        return 0;
    TQCstring s;
    tqps::putNumbers(&s, {x, y, w, h});
    s << " tq_setregion\n";
    writeText(&s);
    m_region = 1;
    return 0;
}

// ---------------------------------------------------------------------------
// Documents

long TQDpsdraw::beginDraw(TQDdev*, long deviceResource, long, long)
{
    m_file = reinterpret_cast<TQDfile*>(deviceResource);
    if (m_file == nullptr)
        return -1;
    OpenDocument* document = findDocument(m_file);
    if (document != nullptr) {
        ++document->count;
    } else {
        openDocuments().push_back({m_file, 1});
        outputHeader();
    }
    if (m_lineWidth < 0)
        m_lineWidth = 1;
    s_fillType = 0;
    m_dashType = 0;
    m_region = 0;

    TQCcolorSet* colors = TQGIappColorSet();
    char black[] = "#000000";
    m_foreColorNo = m_backColorNo = colors->getColorNo(black);
    m_foreColor = m_backColor = colors->getColor(black);
    return 0;
}

long TQDpsdraw::endDraw()
{
    OpenDocument* document = findDocument(m_file);
    if (document == nullptr)
        return 0;
    if (--document->count > 0)
        return 0;
    std::vector<OpenDocument>& documents = openDocuments();
    documents.erase(documents.begin() + (document - documents.data()));
    outputFooter();
    return 0;
}

// The page set-up maps device space onto the paper: the origin at the
// paper's top-left corner with y pointing down (upright), or at the bottom
// left of the upright sheet with x up the sheet (rotated); the page
// rectangle fills the paper and is the clip.
long TQDpsdraw::outputHeader()
{
    writeAll(m_file, tqps::kProlog);

    const Paper& paper = kPapers[m_paper];
    double across = m_upright ? paper.width : paper.height;
    double down = m_upright ? paper.height : paper.width;
    double sx = m_paper == PAPER_FREE ? 1.0 : across / m_pageWidth;
    double sy = m_paper == PAPER_FREE ? 1.0 : down / m_pageHeight;

    TQCstring s;
    if (m_upright)
        s << " 72 0 mul 72 " << paper.inches << " mul translate\n1.00 dup neg scale\n";
    else
        s << " 90 rotate\n 72 0 mul 72 0 mul translate\n 1.00 dup neg scale\n";
    s << sx << " " << sy << " scale\n";
    tqps::putNumbers(&s, {-static_cast<long>(m_pageX), -static_cast<long>(m_pageY)});
    s << " translate\n";
    putregion(m_pageX, m_pageY, m_pageWidth, m_pageHeight, &s);
    writeText(&s);

    writeAll(m_file, kPageStart);
    return 0;
}

long TQDpsdraw::outputFooter()
{
    writeAll(m_file, kFooter);
    return 0;
}

// A file whose document is closed may already be gone: after the footer
// nothing more may be written to it.
bool TQDpsdraw::hasDocument() const
{
    return m_file != nullptr && findDocument(m_file) != nullptr;
}

long TQDpsdraw::writeText(TQCstring* s)
{
    writeAll(m_file, s->getString());
    return 0;
}

void TQDpsdraw::openBlock(TQCstring* s)
{
    putcolor(m_foreColor, s);
    *s << "gsave\n";
    if (m_region)
        putregion(s);
}
