// The application's font editor, kept for the builder.
#include "_TQGFfontEditor.h"

namespace {

TQCbase* g_fontEditor = nullptr;

} // namespace

void TQGFsetFontEditor(TQCbase* editor)
{
    g_fontEditor = editor;
}

TQCbase* TQGFgetFontEditor()
{
    return g_fontEditor;
}
