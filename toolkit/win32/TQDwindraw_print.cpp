// GDI drawing object: the print job, asked for with the system's print
// dialog and kept for the whole process, and the conversion of device
// coordinates to the printer's pixels.
#include "TQDwindraw.h"

#include "TQwin32.h"

#include <commdlg.h>

#include <cmath>

namespace {

// The page in device units and the job's printer; one for the process.
struct PrintPage {
    short x = 0;
    short y = 0;
    unsigned short width = 0;
    unsigned short height = 0;
    double scaleX = 1.0;
    double scaleY = 1.0;
    HDC printer = nullptr;
};
PrintPage g_page;

int systemPrintDialog(void* record)
{
    return PrintDlgA(static_cast<PRINTDLGA*>(record));
}

int systemStartDoc(void* context, const void* document)
{
    return StartDocA(static_cast<HDC>(context), static_cast<const DOCINFOA*>(document));
}

int systemStartPage(void* context)
{
    return StartPage(static_cast<HDC>(context));
}

int systemEndPage(void* context)
{
    return EndPage(static_cast<HDC>(context));
}

int systemEndDoc(void* context)
{
    return EndDoc(static_cast<HDC>(context));
}

int systemDeleteContext(void* context)
{
    return DeleteDC(static_cast<HDC>(context));
}

const TQDprintCalls kSystemCalls = {systemPrintDialog, systemStartDoc, systemStartPage,
                                    systemEndPage,     systemEndDoc,   systemDeleteContext};
const TQDprintCalls* g_calls = &kSystemCalls;

// The device settings the dialog hands back are not kept.
void freeDialogSettings(PRINTDLGA* dialog)
{
    if (dialog->hDevMode != nullptr)
        GlobalFree(dialog->hDevMode);
    if (dialog->hDevNames != nullptr)
        GlobalFree(dialog->hDevNames);
}

// Truncated toward zero and kept in 16 bits, as the primitives take them.
long onPage(double value)
{
    return static_cast<long>(std::trunc(value));
}

} // namespace

void TQGFsetPrintCalls(const TQDprintCalls* calls)
{
    g_calls = calls != nullptr ? calls : &kSystemCalls;
}

long TQDwindraw::setValue(long key, long value)
{
    switch (key) {
    case VALUE_PAGE_WIDTH:
        g_page.width = static_cast<unsigned short>(value);
        return 0;
    case VALUE_PAGE_HEIGHT:
        g_page.height = static_cast<unsigned short>(value);
        return 0;
    case VALUE_PAGE_X:
        g_page.x = static_cast<short>(value);
        return 0;
    case VALUE_PAGE_Y:
        g_page.y = static_cast<short>(value);
        return 0;
    case VALUE_PRINT_JOB:
        return value != 0 ? startPrintJob() : endPrintJob();
    default:
        return -1;
    }
}

// The printing flag goes up only once the page has started: every way out
// before leaves the object drawing on the screen as it was.
long TQDwindraw::startPrintJob()
{
    if (g_page.width == 0 || g_page.height == 0 || g_page.printer != nullptr)
        return -1;
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDC | PD_PRINTSETUP;
    if (!g_calls->printDialog(&dialog))
        return -1;
    freeDialogSettings(&dialog);
    HDC printer = dialog.hDC;
    if (printer == nullptr)
        return -1;

    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "TqDoc";
    if (g_calls->startDoc(printer, &document) <= 0) {
        g_calls->deleteContext(printer);
        return -1;
    }
    if (g_calls->startPage(printer) <= 0) {
        g_calls->endDoc(printer);
        g_calls->deleteContext(printer);
        return -1;
    }
    g_page.scaleX = static_cast<double>(GetDeviceCaps(printer, HORZRES)) / g_page.width;
    g_page.scaleY = static_cast<double>(GetDeviceCaps(printer, VERTRES)) / g_page.height;
    g_page.printer = printer;
    m_printing = 1;
    return 0;
}

long TQDwindraw::endPrintJob()
{
    m_printing = 0;
    HDC printer = g_page.printer;
    if (printer == nullptr)
        return 0;
    // A pass still open on the printer ends with the context.
    if (isBound() && reinterpret_cast<HDC>(pass.contextResource) == printer)
        endDraw();
    bool printed = g_calls->endPage(printer) > 0;
    printed = g_calls->endDoc(printer) > 0 && printed;
    g_calls->deleteContext(printer);
    g_page.printer = nullptr;
    return printed ? 0 : -1;
}

void* TQDwindraw::printerContext() const
{
    return m_printing ? g_page.printer : nullptr;
}

short TQDwindraw::pageX(long x) const
{
    if (!m_printing)
        return static_cast<short>(x);
    return static_cast<short>(onPage((static_cast<double>(x) - g_page.x) * g_page.scaleX));
}

short TQDwindraw::pageY(long y) const
{
    if (!m_printing)
        return static_cast<short>(y);
    return static_cast<short>(onPage((static_cast<double>(y) - g_page.y) * g_page.scaleY));
}

unsigned short TQDwindraw::pageWidth(long w) const
{
    if (!m_printing)
        return static_cast<unsigned short>(w);
    return static_cast<unsigned short>(onPage(static_cast<double>(w) * g_page.scaleX));
}

unsigned short TQDwindraw::pageHeight(long h) const
{
    if (!m_printing)
        return static_cast<unsigned short>(h);
    return static_cast<unsigned short>(onPage(static_cast<double>(h) * g_page.scaleY));
}

void TQDwindraw::toPage(short* x, short* y, unsigned short* w, unsigned short* h) const
{
    *w = pageWidth(*w);
    *h = pageHeight(*h);
    *x = pageX(*x);
    *y = pageY(*y);
}

double TQDwindraw::pageScaleX() const
{
    return m_printing ? g_page.scaleX : 1.0;
}

double TQDwindraw::pageScaleY() const
{
    return m_printing ? g_page.scaleY : 1.0;
}
