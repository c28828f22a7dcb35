// Font and cursor tables handed to the application's font set and mouse.
#include "_TQGFappResources.h"

#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDfont.h"
#include "_TQDmouse.h"

#include <cstring>

long TQGFloadMouseCursorData(char** table)
{
    if (table == nullptr)
        return -1;
    TQDmouse* mouse = TQGIappMouse();
    for (char** entry = table; *entry != nullptr; ++entry) {
        if (mouse != nullptr)
            mouse->setupMouseCursor(*entry);
    }
    return 0;
}

void TQGFloadFontData(char** lines)
{
    if (lines == nullptr)
        return;
    TQCstring text;
    for (char** line = lines; *line != nullptr; ++line) {
        text.addString(*line);
        text.addString("\n");
    }
    TQGFsetFontData(&text);
}

void TQGFsetFontData(TQCstring* text)
{
    if (text == nullptr)
        return;
    // The descriptions go to the fonts as they are, in whatever encoding
    // they came.
    const long encoding = text->getEncoding();
    TQCfontSet* fonts = TQGIappFontSet();
    // A line feed ends a line rather than starting one: only a text that
    // ends in one has an empty last field that names no font.
    const char* all = text->getString(encoding);
    const size_t length = all != nullptr ? std::strlen(all) : 0;
    long lines = text->getWords("\n", encoding);
    if (length == 0 || all[length - 1] == '\n')
        --lines;
    for (long i = 0; i < lines && i <= 0x7FFF; ++i) {
        // The set answers its default font for a number it lacks; renaming
        // that one would change every widget that uses the default.
        TQDfont* font = fonts->getFont(static_cast<short>(i));
        if (font == nullptr || font->getId() != i)
            continue;
        TQCstring line = text->getWord(i, "\n", encoding);
        font->setFontName(line.getString(encoding));
    }
}

TQCstring* TQGFgetFontSaveData()
{
    TQCstring* text = new TQCstring;
    TQCfontSet* fonts = TQGIappFontSet();
    for (short no = 0; no < 8; ++no) {
        TQDfont* font = fonts->getFont(no);
        if (font != nullptr && font->getId() == no && font->getFontName() != nullptr)
            text->addString(font->getFontName());
        text->addString("\n");
    }
    return text;
}
