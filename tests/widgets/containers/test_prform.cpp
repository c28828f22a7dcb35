// The print form in a real window: made by class name, its settings, and
// prdraw to PostScript and EPS files in a temporary folder and to a memory
// printer through the print calls, each leaving the screen's drawing object,
// the form's device and its window-less child's devices as they were. Each
// scenario runs in a process of its own.
#include "FileBytes.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "PostScriptPages.h"
#include "TQDwindraw.h"
#include "TQDwinformDev.h"
#include "TempDir.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCconductor.h"
#include "_TQDcolor.h"
#include "_TQCtypeServer.h"
#include "_TQCnwbase.h"
#include "_TQCprform.h"
#include "_TQCwindow.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <commdlg.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const char kRed[] = "0.9960937500 0.0000000000 0.0000000000 setrgbcolor";
const char kBlue[] = "0.0000000000 0.0000000000 0.9960937500 setrgbcolor";
const char kGreen[] = "0.0000000000 0.9960937500 0.0000000000 setrgbcolor";

long g_formExposes = 0;
long g_innerExposes = 0;

short colour(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

long number(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

// The procedure fills the object's rectangle at (x, y, w, h) of its
// device's coordinates in its colour.
void fill(TQCbase* object, long x, long y, long w, long h, const char* name)
{
    TQDdev* dev = object->getdev();
    if (dev == nullptr || dev->beginDraw(static_cast<short>(x), static_cast<short>(y),
                                         static_cast<unsigned short>(w),
                                         static_cast<unsigned short>(h), 1, 1) != 0)
        return;
    dev->setForeColor(colour(name));
    dev->drawFillRect(0, 0, static_cast<unsigned short>(w), static_cast<unsigned short>(h));
    dev->endDraw();
}

// The form's own picture: red at (50, 50, 100, 60).
void paintForm(TQCbase* form)
{
    ++g_formExposes;
    TQDdev* dev = form->getdev();
    if (dev == nullptr || dev->beginDraw(0, 0, 600, 800, 1, 1) != 0)
        return;
    dev->setForeColor(colour("#ff0000"));
    dev->drawFillRect(50, 50, 100, 60);
    dev->endDraw();
}

void paintPatch(TQCbase* patch)
{
    fill(patch, number(patch, "x"), number(patch, "y"), number(patch, "width"),
         number(patch, "height"), "#0000ff");
}

void paintInner(TQCbase* inner)
{
    ++g_innerExposes;
    fill(inner, 0, 0, number(inner, "width"), number(inner, "height"), "#00ff00");
}

template <class T>
T* placed(T* object, long x, long y, long w, long h)
{
    object->initialize();
    TQGFsetGeometry(object, static_cast<short>(x), static_cast<short>(y),
                    static_cast<unsigned short>(w), static_cast<unsigned short>(h));
    object->setVisible(1);
    return object;
}

// A frameless window holding a print form made by class name, 600 x 800,
// with a window-less child at (200, 300, 80, 40) and a child form with a
// window of its own at (300, 600, 100, 50).
struct PrintScene {
    PrintScene() : window(new TQCwindow(nullptr, "w"))
    {
        requireInChild(startGuiApp() != nullptr, "the application window exists");
        window->initialize();
        window->setPropertyV(_TQNtitleBar(), static_cast<char>(0));
        TQGFsetGeometry(window, 0, 0, 620, 820);
        TQCtypeServer* server = TQGIconductor()->searchTypeServer("TQCprform");
        requireInChild(server != nullptr, "the print form has a type server");
        form = static_cast<TQCprform*>(
            static_cast<TQCbase*>(server->createInstance(window))->cast("TQCprform"));
        requireInChild(form != nullptr, "made by class name");
        TQGFsetGeometry(form, 0, 0, 600, 800);
        form->setVisible(1);
        form->addProcedureV("paint", "paintForm", paintForm, TQEV_EXPOSE);
        patch = placed(new TQCnwbase(form, "patch"), 200, 300, 80, 40);
        patch->addProcedureV("paint", "paintPatch", paintPatch, TQEV_EXPOSE);
        inner = placed(new TQCform(form, "inner"), 300, 600, 100, 50);
        inner->addProcedureV("paint", "paintInner", paintInner, TQEV_EXPOSE);
        window->setVisible(1);
        TQGIappObjectList()->execUpdate();
        pumpPendingMessages(5000);
    }
    void set(const char* name, long value) { form->setProperty(name, TQCvariant(value)); }
    void setText(const char* name, const std::string& text)
    {
        form->setProperty(name, TQCvariant(text.c_str()));
    }
    // Everything prdraw must leave as it found it.
    std::string state()
    {
        TQDdev* dev = patch->getdev();
        return std::to_string(reinterpret_cast<long>(TQDdev::getDraw())) + " " +
               std::to_string(reinterpret_cast<long>(form->getowndev())) + " " +
               std::to_string(reinterpret_cast<long>(dev->getParentDev())) + " " +
               std::to_string(reinterpret_cast<long>(dev->getEventParentDev()));
    }

    TQCwindow* window;
    TQCprform* form = nullptr;
    TQCnwbase* patch = nullptr;
    TQCform* inner = nullptr;
};

long count(const std::string& text, const std::string& part)
{
    long n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

bool onePage(const std::string& page)
{
    const std::string end = "showpage\n";
    return page.compare(0, 2, "%!") == 0 && page.size() > end.size() &&
           page.compare(page.size() - end.size(), end.size(), end) == 0 &&
           count(page, "showpage") == 1;
}

void filesScenario()
{
    armWatchdog(60000, "the file scenario hung");
    PrintScene scene;
    TQCprform* form = scene.form;
    requireInChild(TQCvariant(form->getProperty("fileName")).getCharPtrConst() ==
                       std::string("tmp.ps"),
                   "fileName tmp.ps");
    requireInChild(number(form, "workX") == 10 && number(form, "workY") == 10 &&
                       number(form, "workWidth") == 512 && number(form, "workHeight") == 724,
                   "work rectangle (10, 10, 512, 724)");
    short back = 0;
    form->getPropertyV("backColor", &back);
    requireInChild(number(form, "format") == 0 && number(form, "type") == 0 &&
                       number(form, "orientation") == 1 && back == -11,
                   "A4, PostScript, portrait, background -11");
    scene.set("format", 17);
    scene.set("type", 6);
    scene.set("orientation", 3);
    requireInChild(number(form, "format") == 1 && number(form, "type") == 2 &&
                       number(form, "orientation") == 1,
                   "format, type and orientation keep 4, 2 and 1 bits");
    scene.set("format", 0);
    scene.set("type", 0);

    // On the screen: the background, and the work rectangle's outline.
    HWND window = static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"))->getHWND();
    auto rgb = [](short no) {
        return static_cast<COLORREF>(TQGIappColorSet()->getColor(no)->getValue1()) & 0xFFFFFF;
    };
    requireInChild(windowPixel(window, 10, 200) == rgb(-2) &&
                       windowPixel(window, 521, 200) == rgb(-2) &&
                       windowPixel(window, 30, 200) == rgb(-11) && rgb(-2) != rgb(-11),
                   "the outline of the work rectangle on the background");

    TempDir dir;
    std::string before = scene.state();
    std::string file = dir.file("print_form.ps");
    scene.setText("fileName", file);
    long exposes = g_formExposes, innerExposes = g_innerExposes;
    requireInChild(form->prdraw() == 0, "prdraw writes the file");
    std::string page = readFileBytes(file);
    requireInChild(onePage(page), "one page from %! to showpage");
    requireInChild(page.find(kRed) != std::string::npos && page.find(kBlue) != std::string::npos,
                   "the form's procedure and the window-less child are on the page");
    requireInChild(g_formExposes == exposes + 1 && g_innerExposes == innerExposes &&
                       page.find(kGreen) == std::string::npos,
                   "the child with a window is left out");
    requireInChild(scene.state() == before, "drawing object and devices as they were");
    savePage("print_form.ps", page);

    requireInChild(form->prdraw() == 0 && readFileBytes(file) == page,
                   "a second prdraw replaces the file");
    scene.set("type", 1);
    std::string eps = dir.file("print_form.eps");
    scene.setText("fileName", eps);
    requireInChild(form->prdraw() == 0 && onePage(readFileBytes(eps)), "EPS likewise");

    // The free size keeps the page at scale 1; code 15 fits it to A4.
    const char a4[] = " 72 0 mul 72 11.70 mul translate\n1.00 dup neg scale\n"
                      "1.1617240287 1.1635359116 scale\n";
    scene.set("format", 14);
    requireInChild(form->prdraw() == 0 &&
                       readFileBytes(eps).find("\n1.0000000000 1.0000000000 scale\n") !=
                           std::string::npos,
                   "paper code 14 prints at scale 1");
    scene.set("format", 15);
    requireInChild(form->prdraw() == 0 && readFileBytes(eps).find(a4) != std::string::npos,
                   "paper code 15 fits the page to A4");
    scene.set("type", 7);
    requireInChild(form->prdraw() == -1, "type 3 has no output");

    scene.set("type", 0);
    scene.setText("fileName", dir.file("missing\\print_form.ps"));
    exposes = g_formExposes;
    requireInChild(form->prdraw() == -1 && g_formExposes == exposes &&
                       scene.state() == before,
                   "an unopenable name: -1, nothing drawn, nothing changed");

    TQCprform* bare = placed(new TQCprform(scene.window, "bare"), 0, 0, 50, 50);
    std::string empty = dir.file("bare.ps");
    bare->setProperty("fileName", TQCvariant(empty.c_str()));
    requireInChild(bare->prdraw() == 0 && onePage(readFileBytes(empty)),
                   "a form without children or procedures still gives a page");
    passInChild();
}

// The memory printer: a DIB section of 1000 x 1400 pixels.
struct MemoryPrinter {
    DibSurface surface{1000, 1400};
    int dialogAnswer = 1;
    int endDocAnswer = 1;
    int pages = 0;
    std::string docName;
};
MemoryPrinter* g_printer = nullptr;

const TQDprintCalls kMemoryPrinter = {
    [](void* record) {
        static_cast<PRINTDLGA*>(record)->hDC = g_printer->surface.dc();
        return g_printer->dialogAnswer;
    },
    [](void*, const void* document) {
        g_printer->docName = static_cast<const DOCINFOA*>(document)->lpszDocName;
        return 1;
    },
    [](void*) { return ++g_printer->pages, 1; },
    [](void*) { return 1; },
    [](void*) { return g_printer->endDocAnswer; },
    [](void*) { return 1; },
};

void printerScenario()
{
    armWatchdog(60000, "the printer scenario hung");
    PrintScene scene;
    scene.set("type", 2);
    MemoryPrinter printer;
    g_printer = &printer;
    printer.surface.fill(RGB(255, 255, 255));
    TQGFsetPrintCalls(&kMemoryPrinter);
    std::string before = scene.state();

    printer.dialogAnswer = 0;
    long exposes = g_formExposes;
    requireInChild(scene.form->prdraw() == -1 && g_formExposes == exposes &&
                       scene.state() == before,
                   "a cancelled dialog: -1, nothing drawn, nothing changed");
    printer.dialogAnswer = 1;
    requireInChild(scene.form->prdraw() == 0 && printer.docName == "TqDoc" &&
                       printer.pages == 1,
                   "one page of the document TqDoc");
    requireInChild(scene.state() == before && TQGIwindraw()->getPrinting() == 0,
                   "the screen draws as before");

    // The work rectangle (10, 10, 512, 724) spreads over the printer's page.
    HDC dc = printer.surface.dc();
    double sx = GetDeviceCaps(dc, HORZRES) / 512.0, sy = GetDeviceCaps(dc, VERTRES) / 724.0;
    auto at = [&](long x, long y) {
        return printer.surface.pixel(static_cast<int>(std::trunc((x - 10) * sx)),
                                     static_cast<int>(std::trunc((y - 10) * sy)));
    };
    requireInChild(at(100, 80) == RGB(255, 0, 0) && at(151, 80) == RGB(255, 255, 255),
                   "the form's red where the page puts it");
    requireInChild(at(240, 320) == RGB(0, 0, 255), "the window-less child's blue");

    printer.endDocAnswer = 0;
    requireInChild(scene.form->prdraw() == -1 && scene.state() == before,
                   "a document the printer refuses: -1");
    TQDdraw* screen = TQDdev::getDraw();
    TQDdev::setDraw(nullptr);
    long failed = scene.form->prdraw();
    TQDdev::setDraw(screen);
    requireInChild(failed == -1 && scene.state() == before, "nothing to draw with: -1");
    TQGFsetPrintCalls(nullptr);
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(PrintForm, PagesToFilesLeaveEverythingAsItWas, filesScenario(), "")
TQ_FRESH_PROCESS_TEST(PrintForm, PrinterJobThroughThePrintCalls, printerScenario(), "")
