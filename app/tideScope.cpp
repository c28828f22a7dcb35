// The program's entry and start-up: the font and cursor tables, the
// registrations made before the toolkit's start-up runs, the dialogs the
// procedures open, and WinMain.
#include "tideScope.h"

#include "analysisMessage.h"
#include "appDialogs.h"
#include "newwin000.h"

#include "TQGFwinMain.h"
#include "_TQCbaseDialog.h"
#include "_TQCfileSelect.h"
#include "_TQClocaleSet.h"
#include "_TQCmessageDialog.h"
#include "_TQDappDev.h"
#include "_TQDcodeConvert.h"
#include "_TQGFappResources.h"

namespace {

// Font numbers 0 to 7: the fields of a LOGFONT in order, the face a
// Japanese fixed-pitch font written in UTF-8.
char* fon[] = {
    const_cast<char*>("13,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("15,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("17,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("19,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("22,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("24,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("26,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    const_cast<char*>("34,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック"),
    nullptr,
};

// Cursor number 0 is the system arrow.
char* mou[] = {const_cast<char*>("0   IDC_ARROW"), nullptr};

long popupDialog(TQCbase* dialog)
{
    void* base = dialog->cast("TQCbaseDialog");
    return base != nullptr ? static_cast<TQCbaseDialog*>(base)->popup() : -1;
}

TQCbase* messageDialog()
{
    return TQGIappMessageDialog();
}

TQCbase* fileSelect()
{
    return TQGIappFileSelect();
}

TQCstring chosenFile(TQCbase* dialog)
{
    void* files = dialog->cast("TQCfileSelect");
    return files != nullptr ? TQCstring(static_cast<TQCfileSelect*>(files)->getFileName())
                            : TQCstring();
}

void createMainWindow()
{
    _create_win_newwin000();
}

} // namespace

void _font_init_()
{
    TQGFloadFontData(fon);
}

void _mouse_init_()
{
    TQGFloadMouseCursorData(mou);
}

void tideScopeStartUp()
{
    TQGFdeviceInitialize();
    TQGIappDev();
    TQDappDev::setInitHandler(_font_init_);
    TQGIappDev();
    TQDappDev::setInitHandler(_mouse_init_);
    // UTF-8 holds every file name the system can list, whatever its code
    // page; Shift_JIS would turn a name such as "tonalité.wav" into "?".
    TQGIappLocaleSet()->setDefaultEncoding(TQENC_UTF8);
    TQGIappDev()->setInstanceName("Marrowfen");
    TQDappDev::setInitHandler(createMainWindow);

    setAppDialogHandlers({popupDialog, fileSelect, messageDialog, chosenFile});
    setAnalysisMessageSink(showAppMessage);
}

namespace {

// Runs inside __win_main, after every static initialiser of the toolkit.
const TQGFappInitializer g_startUp(tideScopeStartUp);

} // namespace

extern "C" int __stdcall WinMain(HINSTANCE__* instance, HINSTANCE__* previous, char* commandLine,
                                 int show)
{
    return __win_main(instance, previous, commandLine, show);
}
