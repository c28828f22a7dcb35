// The font dialog with the system's real chooser, ended by OK or Cancel
// posted to it from a timer: the description a choice makes, the font it
// goes to, and the editor that start-up registers.
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "TQDwinFontSelect.h"
#include "_TQCbaseList.h"
#include "_TQCfontSet.h"
#include "_TQDfont.h"
#include "_TQGFfontEditor.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

WPARAM g_answer = IDCANCEL;

// Polls for the chooser, which runs its own loop on this thread, and
// answers it once.
void CALLBACK answerChooser(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND chooser = FindWindowA("#32770", nullptr);
    if (chooser == nullptr || !IsWindowVisible(chooser))
        return;
    KillTimer(nullptr, timer);
    PostMessageA(chooser, WM_COMMAND, g_answer, 0);
}

long popupAnswering(TQDwinFontSelect* editor, WPARAM answer)
{
    g_answer = answer;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, answerChooser);
    long result = editor->popup();
    KillTimer(nullptr, timer);
    return result;
}

std::vector<std::string> fieldsOf(const std::string& text)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(text.substr(start, comma - start));
    fields.push_back(text.substr(start));
    return fields;
}

std::string fontNameOf(TQCbase* editor)
{
    TQCvariant description = editor->getProperty(_TQNfontName());
    return description.getCharPtrConst();
}

// The point size of a character height at the screen's resolution.
long pointsOf(long height)
{
    HDC screen = GetDC(nullptr);
    long points = MulDiv(height, 72, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return points;
}

int CALLBACK keepFirstFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM found)
{
    std::string* face = reinterpret_cast<std::string*>(found);
    if (font->lfFaceName[0] == '@' || std::strchr(font->lfFaceName, ' ') != nullptr)
        return 1;
    *face = font->lfFaceName;
    return 0;
}

// A face of this machine's screen fonts, one word long as descriptions
// read faces.
std::string screenFace()
{
    std::string face;
    HDC screen = GetDC(nullptr);
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen, &all, keepFirstFace, reinterpret_cast<LPARAM>(&face), 0);
    ReleaseDC(nullptr, screen);
    return face;
}

void chooserScenario()
{
    armWatchdog(30000, "the font chooser was not answered");
    startGuiScenario(0);
    TQGIappDev()->execInitHandler();
    auto* editor = static_cast<TQDwinFontSelect*>(TQGFgetFontEditor());
    requireInChild(editor != nullptr && editor->cast("TQDwinFontSelect") == editor &&
                       TQGIappObjectList()->getInstance("TQDwinFontSelect", "font-editor") ==
                           editor,
                   "start-up registers \"font-editor\" as the font editor");
    requireInChild(fontNameOf(editor) == "13,0,0,0,400,0,0,0,X,3,2,1,1,NULL",
                   "the default description");

    const std::string face = screenFace();
    requireInChild(!face.empty(), "the screen has a font with a one-word face");
    const std::string start = "-16,0,0,0,400,0,0,0,0,3,2,1,34," + face;
    editor->setPropertyV(_TQNfontName(), start.c_str());
    requireInChild(popupAnswering(editor, IDCANCEL) == 0 && fontNameOf(editor) == start,
                   "Cancel answers 0 and leaves fontName");

    long answer = popupAnswering(editor, IDOK);
    std::vector<std::string> fields = fieldsOf(fontNameOf(editor));
    requireInChild(answer == 1 && fields.size() == 14 && fields[0] == std::to_string(pointsOf(16)) &&
                       fields[4] == "400" && fields[13] == face,
                   "OK answers 1: the point size first, fourteen fields, the face last");
    requireInChild(TQGIappFontSet()->getFont(0)->getFontName() == fontNameOf(editor),
                   "the choice goes to font 0");

    editor->setPropertyV(_TQNtype(), "target");
    popupAnswering(editor, IDOK);
    std::string withType = fontNameOf(editor);
    std::string tail = "," + face + std::to_string(pointsOf(16)) + " 60c6";
    requireInChild(withType.size() > tail.size() &&
                       withType.compare(withType.size() - tail.size(), tail.size(), tail) == 0,
                   "with a type the point size and \" 60c6\" follow the face");

    editor->setPropertyV(_TQNtype(), "");
    TQDfont* third = TQGIappFontSet()->getFont(3);
    third->setFontName(("-32,0,0,0,700,0,0,0,0,3,2,1,34," + face).c_str());
    std::string before = fontNameOf(editor);
    editor->setPropertyV(_TQNfont(), static_cast<unsigned char>(3));
    requireInChild(fontNameOf(editor) == before, "font 3 leaves fontName");
    popupAnswering(editor, IDOK);
    fields = fieldsOf(fontNameOf(editor));
    requireInChild(fields.size() == 14 && fields[0] == std::to_string(pointsOf(32)) &&
                       fields[4] == "700",
                   "the chooser started from font 3's description");
    requireInChild(third->getFontName() == fontNameOf(editor), "the choice goes to font 3");

    editor->setPropertyV(_TQNfont(), static_cast<unsigned char>(17));
    requireInChild(editor->getProperty(_TQNfont()).getLong() == 1, "font keeps 4 bits");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinFontSelectDeathTest, ChoiceBecomesTheDescriptionOfTheNumberedFont,
                      chooserScenario(), "")
