// Colours on Win32: a colour's name ("#" forms or a name of the colour
// table) realised as the GDI colour reference 0x02bbggrr in value 1.
#ifndef TQDWINCOLOR_H
#define TQDWINCOLOR_H

#include "_TQDcolor.h"

class TQDwinColor : public TQDcolor {
public:
    TQDwinColor();
    ~TQDwinColor() override;
    TQ_ROOT_FRAME(TQDwinColor, TQDcolor)
    static const char* getThisClassName() { return "TQDwinColor"; }

    // Names that are neither a "#" form of 3, 4, 6, 8, 12 or 16 digits nor
    // in the table give black; it never fails.
    long initialize() override;
    long destroy() override;
    // The realised components, each 0 to 255. 0.
    long getRGB(long* red, long* green, long* blue) override;
};

// One row of the colour-name table: the components and the name in upper
// case.
struct TQDwinColorName {
    long red;
    long green;
    long blue;
    const char* name;
};
// The table, ended by a row whose name is null.
extern const TQDwinColorName TQDwinColorNames[];

TQDcolor* _win_color_create_handler();
// Makes the application's colour set create Win32 colours, and installs the
// file-system and file services.
void _win_color_init();

#endif
