// Colour-property text and colour numbers of the application colour set.
#ifndef _TQGFCOLOR_H
#define _TQGFCOLOR_H

// A positive number stands for itself, a negative one for -1, "DEFn" for
// role -n; any other text is a colour name. TQGFcolor looks names up among
// the colours made by name only, TQGFindexColor among all colours.
short TQGFcolor(const char* text);
short TQGFindexColor(const char* text);
char* TQGFcolorName(short no);

#endif
