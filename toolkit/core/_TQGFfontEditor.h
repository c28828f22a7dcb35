// The application's font editor: the object the builder opens to pick a
// font. The platform's font chooser registers itself here at start-up.
#ifndef _TQGFFONTEDITOR_H
#define _TQGFFONTEDITOR_H

class TQCbase;

// Only stores; null forgets the editor.
void TQGFsetFontEditor(TQCbase* editor);
// The stored editor, or null.
TQCbase* TQGFgetFontEditor();

#endif
