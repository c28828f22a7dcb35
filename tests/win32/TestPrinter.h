// A printer for the tests in the private prefix: Wine's own PostScript
// driver, on the port LPT1:, whose jobs the spooler writes into a file of
// the test's choosing; and a user for the system's print dialog.
#ifndef TESTPRINTER_H
#define TESTPRINTER_H

#include "TQwin32.h"

#include <string>

// Makes the printer (once; later calls find it) and the default printer.
// False, with the reason in why, when it cannot be made.
bool installTestPrinter(std::string* why);
// The spooler writes the printer's next jobs into the file at the Windows
// path; false when the path has no Unix name.
bool sendPrinterOutputTo(const std::string& path);

// Ends the thread's next print dialog with the button (IDOK or IDCANCEL),
// posted from a timer of the thread, which the dialog's modal loop
// dispatches; a dialog still open after watchdogMs is cancelled.
class PrintDialogAnswer {
public:
    PrintDialogAnswer(int button, DWORD watchdogMs = 15000);
    ~PrintDialogAnswer();
    PrintDialogAnswer(const PrintDialogAnswer&) = delete;
    PrintDialogAnswer& operator=(const PrintDialogAnswer&) = delete;

    // The dialog was there and answered.
    bool answered() const { return s_answered; }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR m_timer;
    static int s_button;
    static DWORD s_deadline;
    static bool s_answered;
};

#endif
