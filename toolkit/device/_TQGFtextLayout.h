// Placing text in a rectangle by one of nine alignments, converting between
// character indexes of multi-line UCS-2 text and points, and breaking text
// into lines that fit a width. Every measurement goes through the caller's
// font.
#ifndef _TQGFTEXTLAYOUT_H
#define _TQGFTEXTLAYOUT_H

#include "TQtypes.h"

class TQCstring;
class TQDfont;

// Alignment codes (horizontal, vertical): 0 left centre, 1 right centre,
// 2 centre centre, 3 centre top, 4 centre bottom, 5 left top, 6 left bottom,
// 7 right top, 8 right bottom.

// The top-left drawing position of every line, in a new array of *count
// points that the caller frees with delete[]. Returns 0.
long TQGFcalcStringAddr(TQCstring* text, TQCrect* r, char align, TQDfont* font,
                        TQCpoint** points, long* count);
// The top-left drawing position of line `line` (from 0) of `lines` lines of
// height lineHeight, that line being width pixels wide. Returns 0.
long TQGFcalcLineAddr(const TQCrect* r, char align, long lineHeight, long lines, long line,
                      long width, TQCpoint* point);
// The same for text drawn as one line. Returns 0.
long TQGFcalcOneLineStringAddr(TQCstring* text, TQCrect* r, char align, TQDfont* font,
                               TQCpoint* point);
// The position of one line (from 0); a line the text does not have gives
// (0, 0). Returns 0.
long TQGFcalcStringLineAddr(u16* text, TQCrect* r, char align, TQDfont* font,
                            TQCpoint* point, long line);
// Where the cursor stands before index pos. -1 for a negative index; a
// null text gives (0, 0).
long TQGFcalcStringPosAddr(u16* text, TQCrect* r, char align, TQDfont* font,
                           long pos, long* x, long* y);
// The index under a point. Right of a line's end it gives the line's last
// index, or the one after it with afterLast. Without a usable font the
// index is 0 and the result -1.
long TQGFcalcStringPosFromAddr(u16* text, TQCrect* r, char align, TQDfont* font,
                               long x, long y, long* pos, unsigned char afterLast);
// Column and line (from 0) of index pos. Returns 0.
long TQGFcalcStringXYPos(u16* text, long pos, long* column, long* line);
// The index of (column, line); a negative line is the last line, and the
// column stops at the end of its line. Returns 0.
long TQGFcalcStringXYPosToPos(u16* text, long column, long line, long* pos);
// A new string broken into lines that fit width pixels in font fontNo of
// the application's font set; a copy when the set has no font for it.
TQCstring* TQGFcreateLineFeedStringByWidth(TQCstring* text, short fontNo,
                                           unsigned short width);

#endif
