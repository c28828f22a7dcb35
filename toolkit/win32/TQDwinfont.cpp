// GDI fonts from their descriptions, measuring, printer copies, and the
// default fonts of each language.
#include "TQDwinfont.h"

#include "_TQDcreateInstance.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQGFstring.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// ＭＳ ゴシック in Shift_JIS.
const char kJapaneseFace[] = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
// 굴림체 in EUC-KR.
const char kKoreanFace[] = "\xB1\xBC\xB8\xB2\xC3\xBC";

struct DefaultFontList {
    short heights[9];
    int charSet;
    int pitchAndFamily;
    const char* face;
};

const DefaultFontList kDefaultList = {{13, 15, 17, 19, 22, 24, 26, 34, 15}, 1, 1, "Courier New"};
const DefaultFontList kJapaneseList = {{13, 15, 17, 19, 22, 24, 26, 34, 13}, 128, 1,
                                       kJapaneseFace};
const DefaultFontList kKoreanList = {{13, 15, 17, 19, 22, 24, 26, 34, 13}, 129, 49,
                                     kKoreanFace};
const DefaultFontList kChineseList = {{13, 15, 17, 19, 22, 24, 26, 34, 13}, 134, 49,
                                      "NSimSun"};

std::string descriptionOf(const DefaultFontList& list, int height)
{
    char text[80];
    std::snprintf(text, sizeof text, "%d,0,0,0,400,0,0,0,%d,3,2,1,%d,%s", height, list.charSet,
                  list.pitchAndFamily, list.face);
    return text;
}

// The face ends at the first blank and keeps at most 31 characters; "NULL"
// leaves the choice to the system. Missing fields stay 0.
LOGFONTA parseDescription(const char* description)
{
    int v[13] = {};
    char face[32] = "";
    std::sscanf(description, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%31s", &v[0], &v[1],
                &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
                &v[12], face);
    LOGFONTA lf = {};
    lf.lfHeight = v[0];
    lf.lfWidth = v[1];
    lf.lfEscapement = v[2];
    lf.lfOrientation = v[3];
    lf.lfWeight = v[4];
    lf.lfItalic = static_cast<BYTE>(v[5]);
    lf.lfUnderline = static_cast<BYTE>(v[6]);
    lf.lfStrikeOut = static_cast<BYTE>(v[7]);
    lf.lfCharSet = static_cast<BYTE>(v[8]);
    lf.lfOutPrecision = static_cast<BYTE>(v[9]);
    lf.lfClipPrecision = static_cast<BYTE>(v[10]);
    lf.lfQuality = static_cast<BYTE>(v[11]);
    lf.lfPitchAndFamily = static_cast<BYTE>(v[12]);
    if (std::strcmp(face, "NULL") != 0)
        std::memcpy(lf.lfFaceName, face, sizeof face);
    return lf;
}

// Measures on the application window's context (the screen's before there
// is one) with the font selected.
template <typename Measure> long withFont(HFONT font, Measure how)
{
    HWND window = TQGFgetAppWindow();
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return 0;
    HGDIOBJ previous = SelectObject(dc, font);
    long result = how(dc);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return result;
}

long extentOf(HDC dc, const u16* text)
{
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text), TQGFstrlenUCS2(text),
                          &size);
    return size.cx;
}

bool drawsLatinLetters(HFONT font)
{
    return withFont(font, [](HDC dc) {
        WORD glyph = 0xFFFF;
        GetGlyphIndicesW(dc, L"A", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
        return glyph != 0xFFFF ? 1L : 0L;
    }) != 0;
}

// The font of the description. When the face is missing, the system picks
// any font of the character set, which may hold no Latin letters at all
// (a CJK fallback font without a Japanese one, for instance); the same
// request in the default character set then gives a font that draws them.
HFONT createDrawableFont(LOGFONTA lf)
{
    HFONT font = CreateFontIndirectA(&lf);
    if (font == nullptr || lf.lfCharSet == DEFAULT_CHARSET || drawsLatinLetters(font))
        return font;
    lf.lfCharSet = DEFAULT_CHARSET;
    HFONT other = CreateFontIndirectA(&lf);
    if (other == nullptr)
        return font;
    DeleteObject(font);
    return other;
}

} // namespace

TQDwinfont::TQDwinfont()
    : m_font(nullptr), m_logFont(new LOGFONTA()), m_scaledFont(nullptr),
      m_scaledLogFont(new LOGFONTA())
{
}

TQDwinfont::~TQDwinfont()
{
    destroy();
}

long TQDwinfont::initialize()
{
    destroy();
    std::string description = getSrc();
    if (description.empty())
        description = descriptionOf(kJapaneseList, 13);
    LOGFONTA lf = parseDescription(description.c_str());
    if (getVirtualFlag()) {
        // Only the leading number of the name counts.
        int height = 0;
        if (std::sscanf(getFontName(), "%d", &height) == 1)
            lf.lfHeight = height;
    }
    *m_logFont = lf;
    *m_scaledLogFont = lf;
    m_font = createDrawableFont(lf);
    if (m_font != nullptr)
        setValue1(reinterpret_cast<long>(m_font));
    return 0;
}

long TQDwinfont::destroy()
{
    if (m_font != nullptr)
        DeleteObject(static_cast<HFONT>(m_font));
    if (m_scaledFont != nullptr)
        DeleteObject(static_cast<HFONT>(m_scaledFont));
    m_font = nullptr;
    m_scaledFont = nullptr;
    setValue1(-1);
    return 0;
}

void* TQDwinfont::fontHandle()
{
    if (m_font == nullptr)
        initialize();
    return m_font;
}

template <typename Measure> long TQDwinfont::measure(Measure how)
{
    HFONT font = static_cast<HFONT>(fontHandle());
    return font != nullptr ? withFont(font, how) : 0;
}

long TQDwinfont::getStringWidth(TQCstring* text)
{
    if (text == nullptr)
        return 0;
    std::unique_ptr<u16[]> units(TQGFgetUCS2(text->getString(16), 16));
    return getStringWidthUCS2(units.get());
}

long TQDwinfont::getStringWidthUCS2(u16* text)
{
    if (text == nullptr)
        return 0;
    return measure([text](HDC dc) { return extentOf(dc, text); });
}

long TQDwinfont::getStringHeight(TQCstring*)
{
    fontHandle();
    return m_logFont->lfHeight;
}

long TQDwinfont::getStringHeightUCS2(u16*)
{
    return getStringHeight(static_cast<TQCstring*>(nullptr));
}

long TQDwinfont::getAscent()
{
    return measure([](HDC dc) {
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        return static_cast<long>(metrics.tmAscent);
    });
}

long TQDwinfont::getDescent()
{
    return measure([](HDC dc) {
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        return static_cast<long>(metrics.tmDescent);
    });
}

tagLOGFONTA* TQDwinfont::getLogFont()
{
    return m_logFont.get();
}

void* TQDwinfont::getScaledFont(double xScale, double yScale)
{
    fontHandle();
    LOGFONTA& scaled = *m_scaledLogFont;
    if (m_scaledFont != nullptr && m_logFont->lfWidth * xScale == scaled.lfWidth &&
        m_logFont->lfHeight * yScale == scaled.lfHeight)
        return m_scaledFont;
    if (m_scaledFont != nullptr)
        DeleteObject(static_cast<HFONT>(m_scaledFont));
    scaled.lfHeight = static_cast<LONG>(m_logFont->lfHeight * yScale);
    scaled.lfWidth = static_cast<LONG>(m_logFont->lfWidth * xScale);
    m_scaledFont = createDrawableFont(scaled);
    return m_scaledFont;
}

// ---- the font set's handlers ----

TQDfont* _winfont_chandler()
{
    return new TQDwinfont;
}

long _winfont_setup_handler(TQDfont* font, char* setup)
{
    if (font == nullptr)
        return -1;
    const char* text = setup != nullptr ? setup : "";
    font->setId(std::isdigit(static_cast<unsigned char>(text[0])) ? text[0] - '0' : 0);
    font->setFontName(std::strlen(text) >= 2 ? text + 2 : "");
    return 0;
}

namespace {

// The list for a locale identifier; null for a Chinese locale other than
// the PRC's, whose fonts stay without a description.
const DefaultFontList* defaultListFor(unsigned long locale)
{
    unsigned long language = locale & 0x3FF;
    unsigned long sublanguage = (locale >> 10) & 0x3F;
    if (language == 0x11)
        return &kJapaneseList;
    if (language == 0x12)
        return &kKoreanList;
    if (language == 0x04)
        return sublanguage == 2 ? &kChineseList : nullptr;
    return &kDefaultList;
}

} // namespace

long _winfont_default_init_for_locale(TQCfontSet* set, unsigned long locale)
{
    if (set == nullptr)
        return -1;
    const char* lang = std::getenv("LANG");
    if (lang != nullptr && std::strcmp(lang, "ko") == 0)
        locale = 0x12;
    else if (lang != nullptr && std::strcmp(lang, "zh") == 0)
        locale = 0x804;
    const DefaultFontList* list = defaultListFor(locale);
    for (int i = 0; i < 9; ++i) {
        TQDfont* font = new TQDwinfont;
        if (list != nullptr) {
            std::string setup = std::to_string(i) + "," + descriptionOf(*list, list->heights[i]);
            _winfont_setup_handler(font, &setup[0]);
        }
        set->addFont(font);
    }
    return 0;
}

long _winfont_default_init_handler(TQCfontSet* set)
{
    return _winfont_default_init_for_locale(set, GetSystemDefaultLCID());
}

void TQGFinitializeWinFont()
{
    TQCfontSet* set = TQGIappFontSet();
    set->setCreateHandler(_winfont_chandler);
    set->setSetupHandler(_winfont_setup_handler);
    set->setDefaultInitializeHandler(_winfont_default_init_handler);
}

void _win_font_init()
{
    TQGFinitializeWinFont();
    TQGIappFontSet()->initializeDefault();
}

TQ_RUN_AT_START_UP(TQGFinitializeWinFont)
