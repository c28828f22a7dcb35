// The PostScript drawing object: the document on each file, the page set-up,
// the blocks that shapes and strings write, and pages for Ghostscript.
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
const std::string kUpright = " 72 0 mul 72 11.70 mul translate\n1.00 dup neg scale\n";

// A font of the tests' own number: 8 units a character, 16 high.
const char kFont = 41;
class TallFont : public FakeFont {
public:
    TallFont() : FakeFont(kFont) {}
    long getStringHeight(TQCstring*) override { return 16; }
};

long asLong(TQDfile* file)
{
    return reinterpret_cast<long>(file);
}

short colour(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

class PostScript : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FakeCodeConvert::install();
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        TQDfont* font = TQGIappFontSet()->getFont(kFont);
        if (font == nullptr || font->getId() != kFont)
            TQGIappFontSet()->addFont(new TallFont);
    }
    void SetUp() override
    {
        ASSERT_EQ(0, ps.beginDraw(nullptr, asLong(&file), 0, 0));
        file.take();
    }
    void TearDown() override { ps.endDraw(); }

    RecordingFile file;
    TQDpsdraw ps;
};

// The page set-up of a whole document of ps, between prolog and page start.
std::string pageSetUp(TQDpsdraw& ps)
{
    RecordingFile file;
    ps.beginDraw(nullptr, asLong(&file), 0, 0);
    ps.endDraw();
    size_t prolog = std::strlen(tqps::kProlog);
    EXPECT_EQ(tqps::kProlog, file.text.substr(0, prolog));
    size_t tail = kPageStart.size() + kFooter.size();
    EXPECT_EQ(kPageStart + kFooter, file.text.substr(file.text.size() - tail));
    return file.text.substr(prolog, file.text.size() - prolog - tail);
}

} // namespace

TEST(PostScriptDocument, PageSetUpMapsThePageRectangleOntoThePaper)
{
    TQDpsdraw ps;
    EXPECT_EQ(kUpright + "1.1617240287 1.1635359116 scale\n-10 -10 translate\n"
                         "10 10 512 724 tq_cliprect\n",
              pageSetUp(ps));
    ps.setValue(TQDpsdraw::VALUE_UPRIGHT, 2);
    EXPECT_EQ(" 90 rotate\n 72 0 mul 72 0 mul translate\n 1.00 dup neg scale\n"
              "1.6453125000 0.8215506943 scale\n-10 -10 translate\n10 10 512 724 tq_cliprect\n",
              pageSetUp(ps));

    ps.setValue(TQDpsdraw::VALUE_UPRIGHT, 1);
    ps.setValue(TQDpsdraw::VALUE_PAPER, 18);  // A3
    ps.setValue(TQDpsdraw::VALUE_PAGE_X, -3);
    ps.setValue(TQDpsdraw::VALUE_PAGE_Y, 0x10004);
    ps.setValue(TQDpsdraw::VALUE_PAGE_WIDTH, 1000);
    ps.setValue(TQDpsdraw::VALUE_PAGE_HEIGHT, 1000);
    EXPECT_EQ(0, ps.setValue(99, 5));
    EXPECT_EQ(" 72 0 mul 72 16.55 mul translate\n1.00 dup neg scale\n"
              "0.8413662162 1.1916000000 scale\n3 -4 translate\n-3 4 1000 1000 tq_cliprect\n",
              pageSetUp(ps));
    ps.setValue(TQDpsdraw::VALUE_PAPER, TQDpsdraw::PAPER_FREE);
    EXPECT_EQ(0u, pageSetUp(ps).find(kUpright + "1.0000000000 1.0000000000 scale\n"));
    ps.setValue(TQDpsdraw::VALUE_PAPER, 15);
    EXPECT_EQ(0u, pageSetUp(ps).find(kUpright + "0.5948027027 0.8424000000 scale\n"))
        << "paper code 15 prints as A4";
}

TEST(PostScriptDocument, PassesOnOneFileMakeOneDocumentAndNothingFollowsItsFooter)
{
    RecordingFile one, two;
    TQDpsdraw a, b;
    EXPECT_EQ(-1, a.beginDraw(nullptr, 0, 0, 0));
    EXPECT_EQ(-1, a.drawLine(0, 0, 1, 1));
    ASSERT_EQ(0, a.beginDraw(nullptr, asLong(&one), 0, 0));
    ASSERT_EQ(0, b.beginDraw(nullptr, asLong(&one), 0, 0));
    ASSERT_EQ(0, b.beginDraw(nullptr, asLong(&two), 0, 0));
    EXPECT_EQ(3, one.writes) << "prolog, page set-up, page start";
    EXPECT_EQ(one.text, two.text);

    b.endDraw();  // two's only pass
    EXPECT_EQ(kFooter, two.text.substr(two.text.size() - kFooter.size()));
    a.endDraw();
    EXPECT_EQ(std::string::npos, one.text.find("showpage"));
    a.endDraw();  // a still draws into one: its last pass there
    EXPECT_EQ(kFooter, one.text.substr(one.text.size() - kFooter.size()));
    EXPECT_EQ(0u, one.text.rfind("%!"));

    one.take();
    EXPECT_EQ(0, a.endDraw());
    EXPECT_EQ(-1, a.drawFillRect(0, 0, 1, 1));
    EXPECT_EQ(0, a.setRegion(0, 0, 1, 1));
    EXPECT_EQ(0, one.writes) << "nothing after the document's footer";
}

TEST_F(PostScript, ShapesWriteOneBlockEachInTheForegroundColour)
{
    EXPECT_EQ(1, ps.setLineWidth(-5));
    EXPECT_EQ(1, ps.setLineWidth(2));
    ps.drawArc(10, 20, 100, 50, 0, 5760);
    EXPECT_EQ(1, file.writes);
    ps.setForeColor(colour("#FFFFFF"));
    ps.drawArc(0, 0, 5, 0, 100, -23040);
    ps.drawArc(0, 0, 4, 4, -100, 23039);
    ps.setForeColor(colour("#000000"));
    ps.drawFillArc(0, 0, 20, 10, 0, 5760, 0);
    ps.drawFillArc(0, 0, 20, 10, 0, 5760, 1);
    ps.drawFillArc(0, 0, 20, 10, 0, 23040, 0);
    ps.drawFillRect(10, 20, 30, 40);
    ps.drawLine(1, 2, 3, 4);
    EXPECT_EQ(kBlack + "gsave\ngsave gsave newpath\n60 45 50 25 0 -90 tq_arc\n"
                       "stroke grestore grestore\ngrestore\n" +
                  kWhite + "gsave\ngsave gsave newpath\n2 0 2 0 tq_ellipse\n"
                           " stroke grestore grestore\ngrestore\n" +
                  kWhite + "gsave\ngsave gsave newpath\n2 2 2 2 1 -358 tq_arc\n"
                           "stroke grestore grestore\ngrestore\n" +
                  kBlack + "gsave\nnewpath\n10 5 moveto\n10 5 10 5 0 -90 tq_arc\n"
                           "10 5 lineto fill\ngrestore\n" +
                  kBlack + "gsave\nnewpath\n10 5 10 5 0 -90 tq_arc fill\ngrestore\n" + kBlack +
                  "gsave\nnewpath 10 5 10 5 tq_ellipse fill\ngrestore\n" + kBlack +
                  "gsave\nnewpath\n10 20 moveto 40 20 lineto 40 60 lineto 10 60 lineto\n"
                  "closepath fill\ngrestore\n" +
                  kBlack + "gsave\nnewpath\n1 2 moveto\n3 4 lineto\n2 setlinewidth\n"
                           "stroke grestore\n\n",
              file.take());
}

TEST_F(PostScript, HatchesClipToTheShapeOnASixteenUnitGridAndUnknownOnesFillSolid)
{
    TQCstring s;
    drawfill(3, 20, -5, 30, 40, &s);
    drawfill(1, -17, -1, 16, 0, &s);
    drawfill(8, 0, 0, 8, 8, &s);
    EXPECT_STREQ("hatch3 8 16 0 32 48 tq_hatchfill\nhatch1 8 -16 0 32 16 tq_hatchfill\n",
                 s.getString());

    // One pattern for every PostScript object, back to 0 on any beginDraw.
    TQDpsdraw other;
    EXPECT_EQ(0, other.setHatchPattern(2));
    ps.setLineWidth(3);
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
              file.take());

    for (char pattern : {'\x08', '\xff'}) {
        ps.setHatchPattern(pattern);
        ps.drawFillRect(0, 0, 2, 2);
        EXPECT_NE(std::string::npos, file.take().find("closepath fill\n"));
    }
    RecordingFile elsewhere;
    other.beginDraw(nullptr, asLong(&elsewhere), 0, 0);
    other.endDraw();
    EXPECT_EQ(0, ps.setHatchPattern(0));
}

TEST_F(PostScript, BadArgumentsWriteNothingAndRegionsClipLaterBlocks)
{
    TQDpsdraw unbound;
    EXPECT_EQ(0, unbound.setRegion(1, 2, 3, 4));
    TQCpoint two[2] = {{0, 0}, {65536 + 5, -1}};
    EXPECT_EQ(-1, ps.drawPoly(two, 1));
    EXPECT_EQ(-1, ps.drawPoly(nullptr, 3));
    EXPECT_EQ(0, ps.drawLines(two, 1));
    EXPECT_EQ(-1, ps.drawLines(nullptr, 3));
    EXPECT_EQ(0, ps.drawRects(nullptr, 0));
    EXPECT_EQ(-1, ps.drawFillRects(nullptr, 2));
    EXPECT_EQ(-1, ps.drawFillPoly(two, 0));
    EXPECT_EQ(-1, ps.drawFillPoly(nullptr, 1));
    EXPECT_EQ("", file.take());

    // Composites are blocks of the simple shapes, coordinates cut to 16 bits.
    EXPECT_EQ(0, ps.drawPoly(two, 2));
    EXPECT_EQ(2, file.writes);
    std::string poly = file.take();
    EXPECT_NE(std::string::npos, poly.find("0 0 moveto\n5 -1 lineto\n"));
    EXPECT_NE(std::string::npos, poly.find("5 -1 moveto\n0 0 lineto\n"));
    TQCrect rects[2] = {{1, 2, 3, 4}, {5, 6, 0, 0}};
    ps.drawRects(rects, 2);
    ps.drawFillRects(rects, 2);
    EXPECT_EQ(8 + 2, file.writes);

    file.take();
    EXPECT_EQ(0, ps.setRegion(-1, 2, 30, 40));
    ps.setForeColor(static_cast<short>(30000));  // a colour the set does not have
    ps.drawFillPoly(two, 1);
    EXPECT_EQ("-1 2 30 40 tq_setregion\ngsave\ntq_clipregion\nnewpath\n0 0 moveto\n"
              "0 0 lineto\nclosepath fill\ngrestore\n",
              file.take());
}

TEST_F(PostScript, TextIsEscapedPlacedByTheToolkitFontClippedAndNeedsAFont)
{
    ps.setRegion(0, 0, 200, 200);
    file.take();
    TQCstring one("a(b)c\\d");
    EXPECT_EQ(0, ps.drawString(10, 10, 100, 20, &one, kFont, 5, -1, 0, 0, 0));
    EXPECT_EQ(kBlack +
                  "/Times-Roman-Ryumin-Light-EUC-H /Times-Roman /Ryumin-Light-EUC-H eucfont\n"
                  "/Times-Roman-Ryumin-Light-EUC-H findfont [16 0 0 -16 0 0] tq_makefont "
                  "setfont\ngsave\ntq_clipregion\n10 10 100 20 tq_cliprect\n"
                  "10 26 moveto (a\\(b\\)c\\\\d) 56 16 tq_whshow\ngrestore\n",
              file.take());

    // Lines measured one by one, bottom right; the empty last one is 0 wide.
    TQCstring lines("ab\nc\n");
    ps.drawString(0, 0, 100, 100, &lines, kFont, 8, -1, 0, 0, 0);
    EXPECT_NE(std::string::npos,
              file.take().find("84 68 moveto (ab) 16 16 tq_whshow\n92 84 moveto (c) 8 16 "
                               "tq_whshow\n100 100 moveto () 0 16 tq_whshow\n"));
    EXPECT_EQ(0, lines.tell());
    ps.drawString(7, 9, 100, 100, &one, kFont, 9, -1, 0, 0, 0);
    EXPECT_NE(std::string::npos, file.take().find("7 25 moveto (")) << "unknown alignment";

    // A Japanese system prints EUC-JP, from any encoding, in octal.
    FakeCodeConvert* converter = FakeCodeConvert::install();
    ASSERT_NE(nullptr, converter);
    long saved = converter->getSystemEncoding();
    converter->setSystemEncoding(TQENC_SJIS);
    TQCstring euc("\xA4\xA2", TQENC_EUCJP), sjis("x\x82\xA0", TQENC_SJIS);
    ps.drawString(0, 0, 50, 20, &euc, kFont, 5, -1, 0, 0, 0);
    ps.drawString(0, 0, 50, 20, &sjis, kFont, 5, -1, 0, 0, 0);
    converter->setSystemEncoding(saved);
    std::string text = file.take();
    EXPECT_NE(std::string::npos, text.find("(\\244\\242) 8 16"));
    EXPECT_NE(std::string::npos, text.find("(x\\244\\242) 16 16"));

    // A filled string paints its box in the background colour first.
    ps.setBackColor(colour("#FFFFFF"));
    u16 units[] = {'h', 'i', 0};
    EXPECT_EQ(0, ps.drawFillUString(1, 2, 30, 20, units, kFont, 5, -1, 0));
    EXPECT_EQ(0u, file.take().find(kWhite + "gsave\ntq_clipregion\nnewpath\n1 2 moveto 31 2 "
                                            "lineto 31 22 lineto 1 22 lineto\nclosepath fill\n"
                                            "grestore\n" +
                                   kBlack + "/Times-Roman"));

    // No font of the number and no default font: nothing at all is written.
    TQCfontSet* fonts = TQGIappFontSet();
    short defaultNo = fonts->getDefaultFontNo();
    fonts->setDefaultFont(99);
    EXPECT_EQ(-1, ps.drawFillString(0, 0, 10, 10, &one, 98, 0, -1, 0));
    EXPECT_EQ(-1, ps.drawString(0, 0, 10, 10, &one, 98, 0, -1, 0, 0, 0));
    EXPECT_EQ(-1, ps.drawUString(0, 0, 10, 10, nullptr, kFont, 0, -1, 0, 0, 0));
    fonts->setDefaultFont(defaultNo);
    EXPECT_EQ("", file.take());
}


// Pages for Ghostscript (read back as rasters elsewhere): a rectangle, a
// hatch and text on the default upright page, every other kind of block
// below them, and a rectangle on a rotated page.
TEST_F(PostScript, PagesOfShapesAndTextForRendering)
{
    RecordingFile page, rotated;
    TQDpsdraw draw;
    ASSERT_EQ(0, draw.beginDraw(nullptr, asLong(&page), 0, 0));
    draw.setForeColor(colour("#FF0000"));
    draw.drawFillRect(50, 50, 100, 60);
    draw.setForeColor(colour("#0000FF"));
    draw.setHatchPattern(4);
    draw.drawFillRect(200, 50, 128, 64);
    draw.setForeColor(colour("#000000"));
    TQCstring words("Tidewell (print) check"), lines("two\nlines\n");
    draw.drawString(50, 200, 300, 30, &words, kFont, 0, -1, 0, 0, 0);

    draw.setRegion(20, 300, 480, 420);
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
    TQCpoint star[5] = {{60, 320}, {90, 400}, {20, 350}, {100, 350}, {30, 400}};
    draw.drawFillPoly(star, 5);
    draw.drawPoly(star, 5);
    draw.drawArc(300, 320, 0, 0, 0, 5760);
    draw.setBackColor(colour("#FFFF00"));
    draw.drawFillString(200, 330, 200, 40, &lines, kFont, 2, -1, 0);
    draw.endDraw();
    savePage("shapes.ps", page.text);

    draw.setValue(TQDpsdraw::VALUE_UPRIGHT, 0);
    draw.beginDraw(nullptr, asLong(&rotated), 0, 0);
    draw.setForeColor(colour("#FF0000"));
    draw.drawFillRect(100, 100, 50, 40);
    draw.endDraw();
    savePage("rotated.ps", rotated.text);
}
