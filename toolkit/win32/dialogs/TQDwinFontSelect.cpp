// The font dialog: the system's chooser started from a logical font, and the
// font description read into that font and made from its choice.
#include "TQDwinFontSelect.h"

#include "TQDwinAppDev.h"
#include "TQGFwinSystemText.h"
#include "TQwin32.h"
#include "_TQCfontSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDappDev.h"
#include "_TQDcreateInstance.h"
#include "_TQDfont.h"
#include "_TQGFfontEditor.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

TQ_TYPE_SERVER_FRAME(TQDwinFontSelect, TQCbaseDialog);

namespace {

// Stops at "X", so the fields after the strike-out keep their values.
const char* const kDefaultDescription = "13,0,0,0,400,0,0,0,X,3,2,1,1,NULL";
// Follows the point size that a choice with a type carries after the face.
const char* const kTypeMark = " 60c6";

// The height the chooser gives (a negative character height) in points, at
// the screen's vertical resolution of the moment.
long pointsOf(long height)
{
    TQDwinAppDev* app = TQGIwinAppDev();
    HWND window = app != nullptr ? app->getHWND() : nullptr;
    HDC dc = GetDC(window);
    int resolution = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return -MulDiv(height, 72, resolution);
}

bool isEmpty(const char* text)
{
    return text == nullptr || text[0] == '\0';
}

} // namespace

TQDwinFontSelect::TQDwinFontSelect(TQCbase* parent, const char* name)
    : TQCbaseDialog(parent, name), m_logFont(new LOGFONTA())
{
    m_font = 0;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, fontName, kDefaultDescription);
        TQ_WATCH(r, type, "");
        TQ_WATCH_BITS(r, font, 0);
        r.changeDefault<m_titleBarSlot>(_TQNtitleBar(), 2);
        r.withdraw(_TQNpixmapStyle());
        r.hide(_TQNwidth());
        r.hide(_TQNheight());
        r.triggers({TQEV_VALUE_CH});
    });
}

TQDwinFontSelect::~TQDwinFontSelect()
{
    delete[] m_type;
    delete[] m_fontName;
    delete m_logFont;
}

long TQDwinFontSelect::initialize()
{
    TQCbaseDialog::initialize();
    return 0;
}

// ---------------------------------------------------------------------------
// The starting font

// Faces are cut to the 31 characters the logical font holds.
void TQDwinFontSelect::readDescription(const char* description, bool withFace)
{
    if (description == nullptr)
        return;
    int number[13];
    char face[LF_FACESIZE] = "";
    int read = std::sscanf(description, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%31s", &number[0],
                           &number[1], &number[2], &number[3], &number[4], &number[5],
                           &number[6], &number[7], &number[8], &number[9], &number[10],
                           &number[11], &number[12], face);
    LOGFONTA& font = *m_logFont;
    LONG* const wide[] = {&font.lfHeight, &font.lfWidth, &font.lfEscapement, &font.lfOrientation,
                          &font.lfWeight};
    BYTE* const narrow[] = {&font.lfItalic,       &font.lfUnderline,     &font.lfStrikeOut,
                            &font.lfCharSet,      &font.lfOutPrecision,  &font.lfClipPrecision,
                            &font.lfQuality,      &font.lfPitchAndFamily};
    for (int i = 0; i < read && i < 13; ++i) {
        if (i < 5)
            *wide[i] = number[i];
        else
            *narrow[i - 5] = static_cast<BYTE>(number[i]);
    }
    if (withFace && read == 14)
        std::memcpy(font.lfFaceName, face, sizeof font.lfFaceName);
}

void TQDwinFontSelect::setWorkTQNfontName(char* description)
{
    if (isEmpty(m_type)) {
        readDescription(description, true);
        return;
    }
    TQDfont* base = TQGIappFontSet()->getFont(8);
    if (base == nullptr)
        return;
    readDescription(base->getSrc(), false);
    int height = 0;
    if (description != nullptr && std::sscanf(description, "%d", &height) == 1)
        m_logFont->lfHeight = height;
}

void TQDwinFontSelect::setWorkTQNfont(unsigned char font)
{
    if (TQDfont* chosen = TQGIappFontSet()->getFont(font))
        setWorkTQNfontName(chosen->getFontName());
}

// ---------------------------------------------------------------------------
// The chooser

long TQDwinFontSelect::popup()
{
    CHOOSEFONTA choice = {};
    choice.lStructSize = sizeof choice;
    choice.lpLogFont = m_logFont;
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    if (!ChooseFontA(&choice))
        return 0;
    std::string description = chosenDescription();
    delete[] m_fontName;
    m_fontName = TQGFstrdup(description.c_str());
    if (TQDfont* font = TQGIappFontSet()->getFont(m_font))
        font->setFontName(m_fontName);
    return 1;
}

// The point size in the place of the height, the other twelve numbers, then
// the face in the toolkit's encoding; with a type, the point size and the
// type mark follow the face.
std::string TQDwinFontSelect::chosenDescription()
{
    const LOGFONTA& font = *m_logFont;
    long points = pointsOf(font.lfHeight);
    char numbers[192];
    std::snprintf(numbers, sizeof numbers, "%ld,%ld,%ld,%ld,%ld,%d,%d,%d,%d,%d,%d,%d,%d,", points,
                  static_cast<long>(font.lfWidth), static_cast<long>(font.lfEscapement),
                  static_cast<long>(font.lfOrientation), static_cast<long>(font.lfWeight),
                  font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet,
                  font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
                  font.lfPitchAndFamily);
    std::string description = numbers + TQGFfromSystemText(font.lfFaceName);
    if (!isEmpty(m_type))
        description += std::to_string(points) + kTypeMark;
    return description;
}

// ---------------------------------------------------------------------------
// Start-up

void _winfonts_init_()
{
    auto* editor = new TQDwinFontSelect(nullptr, "font-editor");
    editor->initialize();
    TQGFsetFontEditor(editor);
}

namespace {

void registerFontEditor()
{
    TQDappDev::setInitHandler(_winfonts_init_);
}

} // namespace

TQ_RUN_AT_START_UP(registerFontEditor)
