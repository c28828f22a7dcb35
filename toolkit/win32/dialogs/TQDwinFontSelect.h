// The font dialog of the Win32 layer: popup() runs the system's font
// chooser instead of a window of its own, keeps the choice as a font
// description in fontName and gives it to the numbered font of the
// application's font set. One instance, "font-editor", is the toolkit's
// font editor from start-up on.
#ifndef TQDWINFONTSELECT_H
#define TQDWINFONTSELECT_H

#include "_TQCbaseDialog.h"

#include <string>

struct tagLOGFONTA;

class TQDwinFontSelect : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQDwinFontSelect, TQCbaseDialog, 1000, 1000)
    TQDwinFontSelect(TQCbase* parent, const char* name);
    ~TQDwinFontSelect() override;

    long initialize() override;
    // The dialog's own window is never shown.
    void onVisibleChange(unsigned char) override {}
    // 1 with a font chosen, 0 when the chooser was cancelled or failed,
    // which changes nothing.
    long popup() override;

    // Loads the font's description into the chooser's starting font;
    // fontName stays as it is.
    void setWorkTQNfont(unsigned char font) override;
    // The description as the chooser's starting font; with a type, only
    // its height, the rest coming from font 8.
    TQ_PROPERTY_WORK_HOOK(fontName, char*)
    TQ_PROPERTY_HOOKS(type, char*)

private:
    // Reads the numbers of description into the starting font, and its face when
    // withFace is set; fields that description lacks keep their values.
    void readDescription(const char* description, bool withFace);
    std::string chosenDescription();

    // The chooser's starting font and its last choice; zero-filled at
    // construction.
    tagLOGFONTA* m_logFont;
    char* m_fontName = nullptr;
    // The target name: with one, a choice also carries its point size
    // after the face.
    char* m_type = nullptr;
};

void* TQDwinFontSelect_create(void* parent);
void TQDwinFontSelect_delete(void* object);
// The init handler that makes "font-editor" and registers it as the font
// editor.
void _winfonts_init_();

#endif
