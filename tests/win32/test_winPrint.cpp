// Print jobs of the GDI drawing object: the job's failures leave nothing
// open; on a memory printer (a 24-bit DIB section handed over through the
// print calls) every primitive lands where the page conversion puts it;
// and a real page on Wine's PostScript printer, through the real dialog.
#include <gtest/gtest.h>

#include "DibSurface.h"
#include "FakeResources.h"
#include "FileBytes.h"
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "PostScriptPages.h"
#include "TQDwinfont.h"
#include "TempDir.h"
#include "TestPrinter.h"
#include "WinCodeConverter.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDimage.h"
#include "_TQDprDev.h"
#include "_TQGFtextLayout.h"

#include <commdlg.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const char kFontNo = 42;

// What the print calls were asked, and what they answer.
struct PrintCalls {
    HDC printer = nullptr;
    int dialogAnswer = 1;
    int startDocAnswer = 1;
    int endDocAnswer = 1;
    int dialogs = 0, docs = 0, pages = 0, endPages = 0, endDocs = 0, deletes = 0;
    DWORD dialogSize = 0, dialogFlags = 0;
    std::string docName;
};
PrintCalls g_calls;

const TQDprintCalls kMemoryPrinter = {
    [](void* record) {
        PRINTDLGA* dialog = static_cast<PRINTDLGA*>(record);
        ++g_calls.dialogs;
        g_calls.dialogSize = dialog->lStructSize;
        g_calls.dialogFlags = dialog->Flags;
        dialog->hDC = g_calls.printer;
        return g_calls.dialogAnswer;
    },
    [](void*, const void* document) {
        ++g_calls.docs;
        g_calls.docName = static_cast<const DOCINFOA*>(document)->lpszDocName;
        return g_calls.startDocAnswer;
    },
    [](void*) { return ++g_calls.pages, 1; },
    [](void*) { return ++g_calls.endPages, 1; },
    [](void*) { return ++g_calls.endDocs, g_calls.endDocAnswer; },
    // The surface keeps its context.
    [](void*) { return ++g_calls.deletes, 1; },
};

short colorNo(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

// The printer's page: as large as a memory context says it is, within
// reason.
SIZE printerPage()
{
    HDC memory = CreateCompatibleDC(nullptr);
    SIZE page = {std::min(GetDeviceCaps(memory, HORZRES), 1600),
                 std::min(GetDeviceCaps(memory, VERTRES), 1280)};
    DeleteDC(memory);
    return page;
}

// A page of 800 x 600 device units from (50, 20), printed on a memory
// printer, beside a screen surface on which a test draws what the page
// conversion makes of the same calls.
class MemoryPrinter : public ::testing::Test {
protected:
    MemoryPrinter()
        : printed(printerPage().cx, printerPage().cy), screen(printerPage().cx, printerPage().cy),
          printedDev(printed), screenDev(screen)
    {
    }
    void SetUp() override
    {
        useWinCodeConverter();
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        g_calls = PrintCalls();
        g_calls.printer = printed.dc();
        TQGFsetPrintCalls(&kMemoryPrinter);
        printed.fill(kWhite);
        screen.fill(kWhite);
        page(800, 600);
        sx = static_cast<double>(GetDeviceCaps(printed.dc(), HORZRES)) / 800;
        sy = static_cast<double>(GetDeviceCaps(printed.dc(), VERTRES)) / 600;
    }
    void TearDown() override
    {
        draw.setValue(36, 0);
        TQGFsetPrintCalls(nullptr);
    }
    void page(long w, long h)
    {
        draw.setValue(9, 50);
        draw.setValue(10, 20);
        draw.setValue(7, w);
        draw.setValue(8, h);
    }
    short px(long x) const { return static_cast<short>(std::trunc((x - 50) * sx)); }
    short py(long y) const { return static_cast<short>(std::trunc((y - 20) * sy)); }
    unsigned short pw(long w) const { return static_cast<unsigned short>(std::trunc(w * sx)); }
    unsigned short ph(long h) const { return static_cast<unsigned short>(std::trunc(h * sy)); }
    long differingPixels() const
    {
        long n = 0;
        SIZE size = printerPage();
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                n += printed.pixel(x, y) != screen.pixel(x, y) ? 1 : 0;
        return n;
    }

    DibSurface printed;
    DibSurface screen;
    SurfaceDev printedDev;
    SurfaceDev screenDev;
    TQDwindraw draw;
    double sx = 1, sy = 1;
};

TQDfont* textFont()
{
    static TQDfont* font = [] {
        TQDwinfont* made = new TQDwinfont;
        made->setId(kFontNo);
        made->setFontName("16,0,0,0,400,0,0,0,0,0,0,0,0,Arial");
        TQGIappFontSet()->addFont(made);
        return made;
    }();
    return font;
}

} // namespace

TEST_F(MemoryPrinter, AJobStartsOnlyWithAPagePrinterAndDocumentAndLeavesNothingOpenWhenNot)
{
    EXPECT_EQ(-1, draw.setValue(11, 5));
    EXPECT_EQ(0, draw.setValue(36, 0)) << "ending without a job";

    page(0, 600);
    EXPECT_EQ(-1, draw.setValue(36, 1));
    EXPECT_EQ(0, g_calls.dialogs) << "a page without width asks for no printer";
    page(800, 600);

    g_calls.dialogAnswer = 0;
    EXPECT_EQ(-1, draw.setValue(36, 1)) << "cancelled";
    g_calls.dialogAnswer = 1;
    g_calls.printer = nullptr;
    EXPECT_EQ(-1, draw.setValue(36, 1)) << "a printer without a context";
    g_calls.printer = printed.dc();
    g_calls.startDocAnswer = -1;
    EXPECT_EQ(-1, draw.setValue(36, 1)) << "the document does not start";
    EXPECT_EQ(1, g_calls.deletes);
    EXPECT_EQ(0, g_calls.pages);

    // After every failure the screen is drawn as it was: its own context,
    // line widths as given.
    EXPECT_EQ(0, draw.getPrinting());
    ASSERT_EQ(0, draw.beginDraw(&screenDev, 1, 2, screen.context()));
    EXPECT_EQ(screen.context(), draw.getPassState().contextResource);
    draw.setLineWidth(3);
    EXPECT_EQ(3, draw.setLineWidth(1));
    draw.endDraw();

    g_calls.startDocAnswer = 1;
    ASSERT_EQ(0, draw.setValue(36, 1));
    EXPECT_EQ(1, draw.getPrinting());
    EXPECT_EQ(66u, g_calls.dialogSize);
    EXPECT_EQ(static_cast<DWORD>(PD_RETURNDC | PD_PRINTSETUP), g_calls.dialogFlags);
    EXPECT_EQ("TqDoc", g_calls.docName);
    EXPECT_EQ(-1, draw.setValue(36, 1)) << "one job at a time";
    EXPECT_EQ(0, draw.setValue(36, 0)) << "one page, with nothing drawn on it";
    EXPECT_EQ(0, draw.getPrinting());
    EXPECT_EQ((std::vector<int>{2, 1, 1, 1, 2}),
              (std::vector<int>{g_calls.docs, g_calls.pages, g_calls.endPages, g_calls.endDocs,
                                g_calls.deletes}));

    g_calls.endDocAnswer = 0;
    ASSERT_EQ(0, draw.setValue(36, 1));
    EXPECT_EQ(-1, draw.setValue(36, 0)) << "the printer refused the document";
    EXPECT_EQ(0, draw.getPrinting());
}

TEST_F(MemoryPrinter, EveryPrimitiveLandsWhereThePageConversionPutsIt)
{
    Bitmap picture(printed.dc(), 8, 8, RGB(255, 0, 0), RGB(0, 0, 255));
    TQDimage image;
    makeImage(&image, picture, nullptr, 8, 8);
    TQDfont* font = textFont();
    TQCstring text("Print", 16);
    TQCrect rects[2] = {{100, 420, 30, 20}, {150, 430, 40, 10}};

    ASSERT_EQ(0, draw.setValue(36, 1));
    ASSERT_EQ(0, draw.beginDraw(&printedDev, 1, 2, screen.context()));
    EXPECT_EQ(printed.context(), draw.getPassState().contextResource) << "the printer's context";
    draw.setRegion(0, 0, 1000, 1000);
    draw.setForeColor(colorNo("#000000"));
    draw.setBackColor(colorNo("#ffffff"));
    draw.setLineWidth(0);
    draw.drawLine(100, 100, 200, 100);
    EXPECT_EQ(static_cast<long>(std::trunc(2 * sx)), (draw.setLineWidth(2), draw.setLineWidth(2)));
    draw.drawRect(300, 40, 100, 50);
    draw.setForeColor(colorNo("#00ff00"));
    draw.drawFillRect(120, 200, 60, 40);
    draw.drawFillRects(rects, 2);
    draw.drawStretchedImage(600, 40, 40, 30, &image);
    draw.drawImage(600, 120, 40, 40, &image, 5);
    draw.setForeColor(colorNo("#000000"));
    draw.drawString(100, 300, 300, 40, &text, kFontNo, 5, -1, 0, 0, 0);
    draw.endDraw();
    ASSERT_EQ(0, draw.setValue(36, 0));
    EXPECT_EQ(150, rects[1].x) << "the caller's rectangles stay in device units";

    // The line of 100 to 200 from origin 50 covers trunc((x - 50) * scale),
    // its last point left out as on the screen.
    int row = py(100), from = px(100), to = px(200);
    EXPECT_EQ(kWhite, printed.pixel(from - 1, row));
    EXPECT_EQ(kBlack, printed.pixel(from, row));
    EXPECT_EQ(kBlack, printed.pixel(to - 1, row));
    EXPECT_EQ(kWhite, printed.pixel(to, row));

    TQDwindraw plain;
    ASSERT_EQ(0, plain.beginDraw(&screenDev, 1, 2, screen.context()));
    plain.setRegion(0, 0, 3000, 3000);
    plain.setForeColor(colorNo("#000000"));
    plain.setLineWidth(1);
    plain.drawLine(px(100), py(100), px(200), py(100));
    plain.setLineWidth(static_cast<short>(std::trunc(2 * sx)));
    plain.drawRect(px(300), py(40), pw(100), ph(50));
    plain.setForeColor(colorNo("#00ff00"));
    plain.drawFillRect(px(120), py(200), pw(60), ph(40));
    for (const TQCrect& r : rects)
        plain.drawFillRect(px(r.x), py(r.y), pw(r.width), ph(r.height));
    plain.drawStretchedImage(px(600), py(40), pw(40), ph(30), &image);
    plain.drawStretchedImage(px(600), py(120), pw(8), ph(8), &image);
    plain.endDraw();

    // The text is placed in device units with the screen font, and drawn on
    // the page in the font scaled to it.
    TQCrect box = {100, 300, 300, 40};
    TQCpoint origin = {0, 0};
    TQGFcalcOneLineStringAddr(&text, &box, 5, font, &origin);
    HGDIOBJ scaled = static_cast<HGDIOBJ>(
        static_cast<TQDwinfont*>(font->cast("TQDwinfont"))->getScaledFont(sx, sy));
    HGDIOBJ previous = SelectObject(screen.dc(), scaled);
    SetBkMode(screen.dc(), TRANSPARENT);
    SetTextColor(screen.dc(), kBlack);
    TextOutW(screen.dc(), px(origin.x), py(origin.y), L"Print", 5);
    SelectObject(screen.dc(), previous);

    EXPECT_EQ(0, differingPixels());
    EXPECT_GT(printed.count(px(100), py(300), pw(300), ph(40), kBlack), 0) << "the text printed";
}

namespace {

// A real page: the job asks Wine's print dialog, which the test answers,
// for the test printer; its PostScript driver writes the page through the
// spooler into a file, kept for Ghostscript. The same dialog cancelled
// first starts nothing.
void printerPageScenario()
{
    armWatchdog(60000, "the printer scenario hung");
    TQGIappColorSet()->setCreateHandler(FakeColor::create);
    std::string why;
    requireInChild(installTestPrinter(&why), ("the test printer is made: " + why).c_str());
    TempDir dir;
    std::string output = dir.file("job.ps");
    requireInChild(sendPrinterOutputTo(output), "the spooler writes into the folder");

    TQDwindraw draw;
    TQDdev::setDraw(&draw);
    draw.setValue(9, 50);
    draw.setValue(10, 20);
    draw.setValue(7, 800);
    draw.setValue(8, 600);
    {
        PrintDialogAnswer cancel(IDCANCEL);
        requireInChild(draw.setValue(36, 1) == -1, "the cancelled dialog starts no job");
        requireInChild(cancel.answered() && draw.getPrinting() == 0,
                       "the dialog was there, and nothing is left printing");
    }
    {
        PrintDialogAnswer ok(IDOK);
        requireInChild(draw.setValue(36, 1) == 0 && ok.answered(), "OK starts the job");
    }
    TQDprDev printer;
    requireInChild(printer.beginDraw(0, 0, 800, 600, 1, 1) == 0, "the printer device draws");
    printer.setForeColor(colorNo("#ff0000"));
    printer.drawFillRect(150, 120, 200, 100);
    printer.setForeColor(colorNo("#0000ff"));
    printer.drawFillRect(500, 400, 100, 50);
    printer.endDraw();
    requireInChild(draw.setValue(36, 0) == 0, "the job ends and prints");

    std::string page = readFileBytes(output);
    requireInChild(page.compare(0, 10, "%!PS-Adobe") == 0, "the file is PostScript");
    requireInChild(page.find("%%Title: TqDoc") != std::string::npos, "the document's name");
    requireInChild(page.find("%%Pages: 1") != std::string::npos, "one page");
    savePage("printer_job.ps", page);
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(PrinterJob, PageOnWinesPostScriptPrinter, printerPageScenario(), "")
