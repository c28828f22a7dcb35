// The modal dialogs the procedures open: the shared file selection and
// message dialogs and the main window's own dialogs. The dialog classes live
// in the widget libraries; the program's start-up hands their operations
// over once, as handlers. Until then no dialog can be shown: a popup answers
// -1 and there is no file or message dialog.
#ifndef APPDIALOGS_H
#define APPDIALOGS_H

#include "_TQCstring.h"

class TQCbase;

struct AppDialogHandlers {
    // Runs the dialog's modal loop: 0 cancel, 1 OK, 2 no, 3 a finished
    // wizard, -1 when the dialog could not be shown.
    long (*popup)(TQCbase* dialog);
    // The shared file selection and message dialogs, made on first use.
    TQCbase* (*fileSelect)();
    TQCbase* (*messageDialog)();
    // The full name of the file chosen in the file selection dialog.
    TQCstring (*chosenFile)(TQCbase* fileSelect);
};

void setAppDialogHandlers(const AppDialogHandlers& handlers);

long popupAppDialog(TQCbase* dialog);
// Null without a handler.
TQCbase* appFileSelect();
TQCstring appChosenFile(TQCbase* fileSelect);

// The message road's sink of the program: the shared message dialog at
// (x, y) with the message as its text, shown modally; its answer does not
// matter. Nothing is shown when there is no message dialog.
void showAppMessage(const char* message, const char* x, const char* y);

#endif
