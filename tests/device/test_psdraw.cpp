// The PostScript drawing object: the document frame on each file, the page
// set-up, the blocks the shapes and strings write, and pages for Ghostscript.
#include "_TQDpsdraw.h"

#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "FakeResources.h"
#include "PostScriptPages.h"
#include "RecordingFile.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDpsdraw_internal.h"

#include <cstring>
#include <string>

namespace {

const std::string kPageStart = "gsave\n/tq_origctm matrix currentmatrix def\n\n\n";
const std::string kFooter = "\ngrestore\ntq_savedpage restore\nend\nshowpage\n";
const std::string kBlack = "0.0000000000 0.0000000000 0.0000000000 setrgbcolor\n";
const std::string kWhite = "0.9960937500 0.9960937500 0.9960937500 setrgbcolor\n";

// Fonts of the tests' own numbers: 8 units a character, 16 high.
const char kFont = 41;
class TallFont : public FakeFont {
public:
    explicit TallFont(short no) : FakeFont(no) {}
    long getStringHeight(TQCstring*) override { return 16; }
};

long fakeLong(TQDfile* file)
{
    return reinterpret_cast<long>(file);
}

class PostScript : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FakeCodeConvert::install();
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        if (TQGIappFontSet()->getFont(kFont) == nullptr ||
            TQGIappFontSet()->getFont(kFont)->getId() != kFont)
            TQGIappFontSet()->addFont(new TallFont(kFont));
    }
    void SetUp() override { ASSERT_EQ(0, ps.beginDraw(nullptr, fakeLong(&file), 0, 0)); }
    void TearDown() override { ps.endDraw(); }

    // What the drawing wrote after the prolog and page set-up.
    std::string drawn()
    {
        std::string text = file.take();
        size_t start = text.find(kPageStart);
        return start == std::string::npos ? text : text.substr(start + kPageStart.size());
    }
    short colour(const char* name) { return TQGIappColorSet()->getColorNo(name); }

    RecordingFile file;
    TQDpsdraw ps;
};

std::string header(TQDpsdraw& ps)
{
    RecordingFile file;
    ps.beginDraw(nullptr, fakeLong(&file), 0, 0);
    ps.endDraw();
    std::string text = file.take();
    size_t prolog = std::strlen(tqps::kProlog);
    EXPECT_EQ(tqps::kProlog, text.substr(0, prolog));
    return text.substr(prolog, text.size() - prolog - kFooter.size());
}

} // namespace

TEST(PostScriptDocument, PageSetUpMapsThePageRectangleOntoThePaper)
{
    TQDpsdraw ps;
    EXPECT_EQ(" 72 0 mul 72 11.70 mul translate\n1.00 dup neg scale\n"
              "1.1617240287 1.1635359116 scale\n-10 -10 translate\n10 10 512 724 tq_cliprect\n" +
                  kPageStart,
              header(ps));
    EXPECT_EQ(0, ps.setValue(TQDpsdraw::VALUE_UPRIGHT, 2));
    EXPECT_EQ(" 90 rotate\n 72 0 mul 72 0 mul translate\n 1.00 dup neg scale\n"
              "1.6453125000 0.8215506943 scale\n-10 -10 translate\n10 10 512 724 tq_cliprect\n" +
                  kPageStart,
              header(ps));

    ps.setValue(TQDpsdraw::VALUE_UPRIGHT, 1);
    ps.setValue(TQDpsdraw::VALUE_PAPER, 18);  // A3
    ps.setValue(TQDpsdraw::VALUE_PAGE_X, -3);
    ps.setValue(TQDpsdraw::VALUE_PAGE_Y, 0x10004);
    ps.setValue(TQDpsdraw::VALUE_PAGE_WIDTH, 1000);
    ps.setValue(TQDpsdraw::VALUE_PAGE_HEIGHT, 1000);
    EXPECT_EQ(0, ps.setValue(99, 5));
    EXPECT_EQ(" 72 0 mul 72 16.55 mul translate\n1.00 dup neg scale\n"
              "0.8413662162 1.1916000000 scale\n3 -4 translate\n-3 4 1000 1000 tq_cliprect\n" +
                  kPageStart,
              header(ps));

    ps.setValue(TQDpsdraw::VALUE_PAPER, TQDpsdraw::PAPER_FREE);
    EXPECT_NE(std::string::npos, header(ps).find("11.70 mul translate\n1.00 dup neg scale\n"
                                                  "1.0000000000 1.0000000000 scale\n"));
    ps.setValue(TQDpsdraw::VALUE_PAPER, 15);
    EXPECT_NE(std::string::npos, header(ps).find("0.5948027027 0.8424000000 scale\n"))
        << "paper code 15 prints as A4";
}

TEST(PostScriptDocument, NestedPassesOnOneFileMakeOneDocumentAndEachFileItsOwn)
{
    RecordingFile one, two;
    TQDpsdraw a, b;
    EXPECT_EQ(0, a.endDraw()) << "no document open";
    EXPECT_EQ(-1, a.beginDraw(nullptr, 0, 0, 0));
    EXPECT_EQ(-1, a.drawLine(0, 0, 1, 1));

    ASSERT_EQ(0, a.beginDraw(nullptr, fakeLong(&one), 0, 0));
    ASSERT_EQ(0, b.beginDraw(nullptr, fakeLong(&one), 0, 0));
    ASSERT_EQ(0, b.beginDraw(nullptr, fakeLong(&two), 0, 0));
    std::string prolog = tqps::kProlog;
    EXPECT_EQ(prolog, one.text.substr(0, prolog.size()));
    EXPECT_EQ(one.text, two.text);
    EXPECT_EQ(3, one.writes) << "prolog, page set-up, page start";

    b.endDraw();  // two's only pass
    EXPECT_EQ(kFooter, two.text.substr(two.text.size() - kFooter.size()));
    a.endDraw();
    EXPECT_EQ(std::string::npos, one.text.find("showpage"));
    a.endDraw();  // a still writes to one: the last pass there
    EXPECT_EQ(kFooter, one.text.substr(one.text.size() - kFooter.size()));
    EXPECT_EQ(one.text.find(prolog), one.text.rfind(prolog));

    size_t before = one.text.size();
    EXPECT_EQ(0, a.endDraw());
    EXPECT_EQ(-1, a.drawFillRect(0, 0, 1, 1));
    EXPECT_EQ(0, a.setRegion(0, 0, 1, 1));
    EXPECT_EQ(before, one.text.size()) << "nothing after the document's footer";
}

TEST(PostScriptText, BuildersWriteColoursClipsAndHatchesOnTheSixteenGrid)
{
    TQCstring s;
    drawfill(3, 20, -5, 30, 40, &s);
    drawfill(1, -17, -1, 16, 0, &s);
    drawfill(2, 32, 15, 15, 17, &s);
    drawfill(0, 0, 0, 8, 8, &s);
    drawfill(8, 0, 0, 8, 8, &s);
    putregion(-1, 2, 3, 4, &s);
    putregion(&s);
    putcolor(nullptr, &s);
    EXPECT_STREQ("hatch3 8 16 0 32 48 tq_hatchfill\n"
                 "hatch1 8 -16 0 32 16 tq_hatchfill\n"
                 "hatch2 8 32 0 16 32 tq_hatchfill\n"
                 "-1 2 3 4 tq_cliprect\ntq_clipregion\n",
                 s.getString());
}

TEST_F(PostScript, SettingsAnswerThePreviousValueAndTheHatchIsSharedUntilABeginDraw)
{
    EXPECT_EQ(1, ps.setLineWidth(0));
    EXPECT_EQ(1, ps.setLineWidth(-5));
    EXPECT_EQ(1, ps.setLineWidth(3));
    EXPECT_EQ(0, ps.setLineDashType(4));
    EXPECT_EQ(4, ps.setLineDashType(0));
    EXPECT_EQ(colour("#000000"), ps.setForeColor(colour("#FF0000")));
    EXPECT_EQ(colour("#FF0000"), ps.setForeColor(static_cast<TQDcolor*>(nullptr)));

    TQDpsdraw other;
    EXPECT_EQ(0, ps.setHatchPattern(3));
    EXPECT_EQ(3, other.setHatchPattern(-2));
    EXPECT_EQ(-2, ps.setHatchPattern(-2));
    RecordingFile elsewhere;
    other.beginDraw(nullptr, fakeLong(&elsewhere), 0, 0);
    other.endDraw();
    EXPECT_EQ(0, ps.setHatchPattern(0)) << "reset by the other object's beginDraw";
}

TEST_F(PostScript, ShapesWriteOneBlockInTheForegroundColour)
{
    file.take();
    EXPECT_EQ(0, ps.drawArc(10, 20, 100, 50, 0, 5760));
    EXPECT_EQ(1, file.writes);
    EXPECT_EQ(kBlack + "gsave\ngsave gsave newpath\n60 45 50 25 0 -90 tq_arc\n"
                       "stroke grestore grestore\ngrestore\n",
              drawn());

    ps.setForeColor(colour("#FFFFFF"));
    ps.drawArc(0, 0, 5, 0, 100, -23040);
    ps.drawArc(0, 0, 4, 4, -100, 23039);
    EXPECT_EQ(kWhite + "gsave\ngsave gsave newpath\n2 0 2 0 tq_ellipse\n"
                       " stroke grestore grestore\ngrestore\n" +
                  kWhite + "gsave\ngsave gsave newpath\n2 2 2 2 1 -358 tq_arc\n"
                           "stroke grestore grestore\ngrestore\n",
              drawn());

    ps.setForeColor(colour("#000000"));
    ps.drawFillArc(0, 0, 20, 10, 0, 5760, 0);
    ps.drawFillArc(0, 0, 20, 10, 0, 5760, 1);
    ps.drawFillArc(0, 0, 20, 10, 0, 23040, 0);
    EXPECT_EQ(kBlack + "gsave\nnewpath\n10 5 moveto\n10 5 10 5 0 -90 tq_arc\n10 5 lineto fill\n"
                       "grestore\n" +
                  kBlack + "gsave\nnewpath\n10 5 10 5 0 -90 tq_arc fill\ngrestore\n" + kBlack +
                  "gsave\nnewpath 10 5 10 5 tq_ellipse fill\ngrestore\n",
              drawn());

    ps.drawFillRect(10, 20, 30, 40);
    ps.setLineWidth(2);
    ps.drawLine(1, 2, 3, 4);
    EXPECT_EQ(kBlack + "gsave\nnewpath\n10 20 moveto 40 20 lineto 40 60 lineto 10 60 lineto\n"
                       "closepath fill\ngrestore\n" +
                  kBlack + "gsave\nnewpath\n1 2 moveto\n3 4 lineto\n2 setlinewidth\n"
                           "stroke grestore\n\n",
              drawn());
}

TEST_F(PostScript, CompositeShapesAreSegmentsAndBadCountsWriteNothing)
{
    TQCpoint two[2] = {{0, 0}, {65536 + 5, -1}};
    TQCrect rects[2] = {{1, 2, 3, 4}, {5, 6, 0, 0}};
    file.take();
    EXPECT_EQ(0, ps.drawPoly(two, 2));
    EXPECT_EQ(2, file.writes);
    std::string poly = drawn();
    EXPECT_NE(std::string::npos, poly.find("0 0 moveto\n5 -1 lineto\n"));
    EXPECT_NE(std::string::npos, poly.find("5 -1 moveto\n0 0 lineto\n"));
    EXPECT_EQ(0, ps.drawRect(0, 0, 0, 0));
    EXPECT_EQ(4, file.writes);
    EXPECT_EQ(0, ps.drawRects(rects, 2));
    EXPECT_EQ(0, ps.drawFillRects(rects, 2));
    EXPECT_EQ(0, ps.drawLines(two, 2));
    EXPECT_EQ(4 + 8 + 2 + 1, file.writes);

    file.take();
    EXPECT_EQ(-1, ps.drawPoly(two, 1));
    EXPECT_EQ(-1, ps.drawPoly(nullptr, 3));
    EXPECT_EQ(0, ps.drawLines(two, 1));
    EXPECT_EQ(-1, ps.drawLines(nullptr, 3));
    EXPECT_EQ(0, ps.drawRects(rects, 0));
    EXPECT_EQ(-1, ps.drawFillRects(nullptr, 2));
    EXPECT_EQ(-1, ps.drawFillPoly(two, 0));
    EXPECT_EQ(-1, ps.drawFillPoly(nullptr, 1));
    EXPECT_EQ("", file.take());

    EXPECT_EQ(0, ps.drawFillPoly(two, 1));
    EXPECT_EQ(kBlack + "gsave\nnewpath\n0 0 moveto\n0 0 lineto\nclosepath fill\ngrestore\n",
              drawn());
}

TEST_F(PostScript, HatchedShapesClipToTheirPathAndUnknownPatternsFillSolid)
{
    ps.setLineWidth(3);
    ps.setHatchPattern(2);
    file.take();
    ps.drawLine(0, 0, 10, 0);
    ps.drawArc(10, 20, 100, 50, 0, 5760);
    TQCpoint triangle[3] = {{40, 8}, {20, 50}, {70, 30}};
    ps.drawFillPoly(triangle, 3);
    EXPECT_EQ(kBlack + "gsave\nnewpath\n0 0 moveto\n10 0 lineto\n3 setlinewidth\n"
                       "closepath clip newpath\nhatch2 8 0 0 16 16 tq_hatchfill\n"
                       "stroke grestore\n\n" +
                  kBlack + "gsave\ngsave gsave newpath\n60 45 50 25 0 -90 tq_arc\n"
                           "60 45 50 25 -90 0 tq_arcn\nclosepath clip newpath\n"
                           "hatch2 8 0 16 112 64 tq_hatchfill\nstroke grestore grestore\n"
                           "grestore\n" +
                  kBlack + "gsave\nnewpath\n40 8 moveto\n20 50 lineto\n70 30 lineto\n"
                           "40 8 lineto\nclosepath clip newpath\n"
                           "hatch2 8 16 0 64 48 tq_hatchfill\ngrestore\n",
              drawn());

    for (char pattern : {static_cast<char>(8), static_cast<char>(-1)}) {
        ps.setHatchPattern(pattern);
        ps.drawFillRect(0, 0, 2, 2);
        EXPECT_EQ(kBlack + "gsave\nnewpath\n0 0 moveto 2 0 lineto 2 2 lineto 0 2 lineto\n"
                           "closepath fill\ngrestore\n",
                  drawn())
            << "pattern " << static_cast<int>(pattern);
    }
}

TEST_F(PostScript, RegionIsWrittenOnlyToAFileAndClipsEveryLaterBlock)
{
    TQDpsdraw unbound;
    EXPECT_EQ(0, unbound.setRegion(1, 2, 3, 4));
    EXPECT_EQ(-1, unbound.drawFillRect(0, 0, 1, 1));

    file.take();
    EXPECT_EQ(0, ps.setRegion(-1, 2, 30, 40));
    EXPECT_EQ("-1 2 30 40 tq_setregion\n", file.take());
    ps.drawFillRect(0, 0, 1, 1);
    EXPECT_EQ(0u, drawn().find(kBlack + "gsave\ntq_clipregion\nnewpath\n"));

    // A colour the set does not have writes no colour text.
    ps.setForeColor(static_cast<short>(30000));
    ps.drawLine(0, 0, 1, 1);
    EXPECT_EQ(0u, drawn().find("gsave\ntq_clipregion\nnewpath\n"));
}

TEST_F(PostScript, TextIsEscapedPlacedByTheToolkitFontAndClippedToItsBox)
{
    ps.setRegion(0, 0, 200, 200);
    file.take();
    TQCstring one("a(b)c\\d");
    EXPECT_EQ(0, ps.drawString(10, 10, 100, 20, &one, kFont, 5, -1, 0, 0, 0));
    EXPECT_EQ(1, file.writes);
    EXPECT_EQ(kBlack +
                  "/Times-Roman-Ryumin-Light-EUC-H /Times-Roman /Ryumin-Light-EUC-H eucfont\n"
                  "/Times-Roman-Ryumin-Light-EUC-H findfont [16 0 0 -16 0 0] tq_makefont "
                  "setfont\ngsave\ntq_clipregion\n10 10 100 20 tq_cliprect\n"
                  "10 26 moveto (a\\(b\\)c\\\\d) 56 16 tq_whshow\ngrestore\n",
              drawn());

    // Several lines, each measured on its own; the empty last line has width 0.
    TQCstring lines("ab\nc\n");
    EXPECT_EQ(0, ps.drawString(0, 0, 100, 100, &lines, kFont, 8, -1, 0, 0, 0));
    std::string text = drawn();
    EXPECT_NE(std::string::npos,
              text.find("84 68 moveto (ab) 16 16 tq_whshow\n92 84 moveto (c) 8 16 tq_whshow\n"
                        "100 100 moveto () 0 16 tq_whshow\n"));
    EXPECT_EQ(0, lines.tell());

    // An unknown alignment code writes the box's top left.
    EXPECT_EQ(0, ps.drawString(7, 9, 100, 100, &one, kFont, 9, -1, 0, 0, 0));
    EXPECT_NE(std::string::npos, drawn().find("7 25 moveto ("));
}

TEST_F(PostScript, JapaneseSystemsPrintEucJpInOctal)
{
    FakeCodeConvert* converter = FakeCodeConvert::install();
    ASSERT_NE(nullptr, converter);
    long saved = converter->getSystemEncoding();
    converter->setSystemEncoding(TQENC_SJIS);
    TQCstring euc("\xA4\xA2", TQENC_EUCJP);
    TQCstring sjis("x\x82\xA0", TQENC_SJIS);
    file.take();
    ps.drawString(0, 0, 50, 20, &euc, kFont, 5, -1, 0, 0, 0);
    ps.drawString(0, 0, 50, 20, &sjis, kFont, 5, -1, 0, 0, 0);
    converter->setSystemEncoding(saved);
    std::string text = drawn();
    EXPECT_NE(std::string::npos, text.find("(\\244\\242) 8 16"));
    EXPECT_NE(std::string::npos, text.find("(x\\244\\242) 16 16"));
}

TEST_F(PostScript, FilledStringsPaintTheBoxInTheBackgroundAndNeedAFont)
{
    ps.setBackColor(colour("#FFFFFF"));
    file.take();
    u16 units[] = {'h', 'i', 0};
    EXPECT_EQ(0, ps.drawFillUString(1, 2, 30, 20, units, kFont, 5, -1, 0));
    EXPECT_EQ(0u, drawn().find(kWhite +
                               "gsave\nnewpath\n1 2 moveto 31 2 lineto 31 22 lineto 1 22 lineto\n"
                               "closepath fill\ngrestore\n" +
                               kBlack + "/Times-Roman"));

    // No font of the number and no default font: nothing at all is written.
    TQCfontSet* fonts = TQGIappFontSet();
    short defaultNo = fonts->getDefaultFontNo();
    fonts->setDefaultFont(99);
    TQCstring text("x");
    EXPECT_EQ(-1, ps.drawFillString(0, 0, 10, 10, &text, 98, 0, -1, 0));
    EXPECT_EQ(-1, ps.drawString(0, 0, 10, 10, &text, 98, 0, -1, 0, 0, 0));
    EXPECT_EQ(-1, ps.drawUString(0, 0, 10, 10, nullptr, kFont, 0, -1, 0, 0, 0));
    fonts->setDefaultFont(defaultNo);
    EXPECT_EQ("", file.take());
}

// Pages for Ghostscript, read back as rasters elsewhere: shapes, hatches
// and text on the default upright A4 page, and a rectangle on a rotated one.
TEST_F(PostScript, PagesOfShapesAndTextForRendering)
{
    PostScriptPage page("shapes.ps");
    ASSERT_NE(nullptr, page.file());
    TQDpsdraw draw;
    ASSERT_EQ(0, draw.beginDraw(nullptr, fakeLong(page.file()), 0, 0));
    draw.setForeColor(colour("#FF0000"));
    draw.drawFillRect(50, 50, 100, 60);
    draw.setForeColor(colour("#0000FF"));
    draw.setHatchPattern(4);
    draw.drawFillRect(200, 50, 128, 64);
    draw.setHatchPattern(0);
    draw.setForeColor(colour("#000000"));
    TQCstring words("Tidewell (print) check");
    draw.drawString(50, 200, 300, 30, &words, kFont, 0, -1, 0, 0, 0);

    // Below the checked area: every other kind of block, once each.
    draw.setRegion(20, 300, 480, 420);
    TQCpoint star[5] = {{60, 320}, {90, 400}, {20, 350}, {100, 350}, {30, 400}};
    TQCstring lines("two\nlines\n");
    for (char hatch = 0; hatch <= 7; ++hatch) {
        short x = static_cast<short>(30 + hatch * 56);
        draw.setHatchPattern(hatch);
        draw.drawFillRect(x, 420, 48, 40);
        draw.drawFillArc(x, 470, 48, 40, 0, 23040, 0);
        draw.drawFillArc(x, 520, 48, 40, 1000, 9000, 0);
        draw.drawFillArc(x, 570, 48, 40, -3000, 12000, 1);
        draw.drawArc(x, 620, 48, 40, 0, 23040);
        draw.drawArc(x, 670, 48, 40, 3000, -9000);
        draw.drawLine(x, 715, static_cast<short>(x + 40), 700);
    }
    draw.setHatchPattern(5);
    draw.drawFillPoly(star, 5);
    draw.setHatchPattern(0);
    draw.drawPoly(star, 5);
    draw.drawArc(300, 320, 0, 0, 0, 5760);
    draw.setBackColor(colour("#FFFF00"));
    draw.drawFillString(200, 330, 200, 40, &lines, kFont, 2, -1, 0);
    u16 units[] = {'u', 'c', 's', 0};
    draw.drawUString(200, 380, 60, 20, units, kFont, 7, -1, 0, 0, 0);
    draw.endDraw();
    std::string written = page.close();
    EXPECT_EQ(kFooter, written.substr(written.size() - kFooter.size()));

    PostScriptPage rotated("rotated.ps");
    ASSERT_NE(nullptr, rotated.file());
    draw.setValue(TQDpsdraw::VALUE_UPRIGHT, 0);
    draw.beginDraw(nullptr, fakeLong(rotated.file()), 0, 0);
    draw.setForeColor(colour("#FF0000"));
    draw.drawFillRect(100, 100, 50, 40);
    draw.endDraw();
}
