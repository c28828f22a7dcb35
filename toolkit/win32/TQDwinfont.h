// A GDI font made from its description: thirteen numbers of a logical font
// and a face name, all separated by commas, as in
// "20,0,0,0,700,1,0,0,0,0,0,0,0,Arial". The handlers that let the font set
// create, set up and default-fill its fonts live here too.
#ifndef TQDWINFONT_H
#define TQDWINFONT_H

#include "TQtypes.h"
#include "_TQDfont.h"

#include <memory>

class TQCfontSet;
struct tagLOGFONTA;

class TQDwinfont : public TQDfont {
public:
    TQDwinfont();
    ~TQDwinfont() override;
    TQ_ROOT_FRAME(TQDwinfont, TQDfont)
    static const char* getThisClassName() { return "TQDwinfont"; }
    using TQDfont::getStringHeight;
    using TQDfont::getStringWidth;

    // Parses the description (a built-in one when there is none) and makes
    // the GDI font; value 1 is its handle. A virtual font's name starts with
    // the height that replaces the described one.
    long initialize() override;
    long destroy() override;

    // Pixels of the text as the font draws it, measured on the application
    // window's context. The height is the described one, whatever the text.
    long getStringWidth(TQCstring* text) override;
    long getStringHeight(TQCstring* text) override;
    long getStringWidthUCS2(u16* text) override;
    long getStringHeightUCS2(u16* text) override;
    long getAscent() override;
    long getDescent() override;

    // The parsed description.
    tagLOGFONTA* getLogFont();
    // A copy of the font with height and width scaled, for a printer; the
    // same copy comes back while the scale stays the same.
    void* getScaledFont(double xScale, double yScale);

private:
    // The font handle, realising the font first when needed; null when it
    // cannot be made.
    void* fontHandle();
    template <typename Measure> long measure(Measure how);

    void* m_font;
    std::unique_ptr<tagLOGFONTA> m_logFont;
    void* m_scaledFont;
    std::unique_ptr<tagLOGFONTA> m_scaledLogFont;
};

// The font set's handlers. A set-up string is the font number as one
// digit, one separator and the description.
TQDfont* _winfont_chandler();
long _winfont_setup_handler(TQDfont* font, char* setup);
// Fills the set with the nine default fonts of the system's language, or of
// LANG when it is exactly "ko" or "zh".
long _winfont_default_init_handler(TQCfontSet* set);
// The same for a given system locale identifier.
long _winfont_default_init_for_locale(TQCfontSet* set, unsigned long locale);

// Installs the three handlers in the application font set.
void TQGFinitializeWinFont();
// Installs them and fills the set with the default fonts; device
// initialisation calls it.
void _win_font_init();

#endif
