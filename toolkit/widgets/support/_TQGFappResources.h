// The application's fonts and mouse cursors from the text tables a program
// carries: one description per font number, one entry per cursor.
#ifndef _TQGFAPPRESOURCES_H
#define _TQGFAPPRESOURCES_H

class TQCstring;

// Hands each entry of a null-terminated table, in order, to the mouse
// service's cursor set-up. -1 for a null table, else 0.
long TQGFloadMouseCursorData(char** table);
// Joins the entries of a null-terminated table, each followed by a line
// feed, and hands the text to TQGFsetFontData.
void TQGFloadFontData(char** lines);
// Line i (from 0) becomes the font name of font number i of the
// application's font set; a number the set holds no font for is skipped.
// The last line needs no line feed.
void TQGFsetFontData(TQCstring* text);
// A new string, the caller's, of eight lines: the font names of fonts 0 to
// 7, an empty line for a number the set holds no font for.
TQCstring* TQGFgetFontSaveData();

#endif
