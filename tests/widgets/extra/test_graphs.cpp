// The bar graph, line graph, graph scale and graph matrix on the recording
// device: the exact rectangles, polylines, ticks, labels and grid lines of
// their geometry, the order of fills and outlines, the fields narrower than
// their properties, and a file as data source.
#include "ControlScene.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "_TQCfontSet.h"
#include "_TQCvbarGraph.h"
#include "_TQCvgraphMatrix.h"
#include "_TQCvgraphScale.h"
#include "_TQCvlineGraph.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class Graphs : public ControlScene {
protected:
    static void set(TQCbase* o, const char* name, long v) { o->setProperty(name, TQCvariant(v)); }
    static void setText(TQCbase* o, const char* name, const char* v) { o->setPropertyV(name, v); }
    static std::string text(TQCbase* o, const char* name)
    {
        TQCvariant v = o->getProperty(name);
        return v.getCharPtr() ? v.getCharPtr() : "";
    }
    // The calls of a whole drawing whose names begin with one of prefixes.
    Calls callsOf(TQCbase* graph, std::initializer_list<const char*> prefixes)
    {
        Calls out;
        for (const std::string& call : repaint(graph))
            for (const char* prefix : prefixes)
                if (call.rfind(prefix, 0) == 0 && call[std::string(prefix).size()] == '(')
                    out.push_back(call);
        return out;
    }
};

} // namespace

TEST_F(Graphs, BarsStandInTheirSlotsAndEveryFillComesBeforeTheOutlines)
{
    TQCvbarGraph* bars = add<TQCvbarGraph>("bars", 0, 0, 100, 100);
    const Calls standing = {"drawRect(10,80,10,19)", "drawRect(20,60,10,39)",
                            "drawRect(30,41,10,58)", "drawRect(40,21,10,78)",
                            "drawRect(50,1,10,98)"};
    EXPECT_EQ(standing, callsOf(bars, {"drawRect", "drawFillRect"}))
        << "0 leaves slot 0 empty and slots 6 to 9 have no field";

    set(bars, "stippled", 1);
    set(bars, "hatchPattern", 3);
    Calls order = callsOf(bars, {"drawRect", "drawFillRect", "setLineWidth", "setHatchPattern"});
    EXPECT_EQ("setLineWidth(0)", order[0]);
    EXPECT_EQ("setHatchPattern(3)", order[1]);
    EXPECT_EQ("drawFillRect(50,1,10,98)", order[6]);
    EXPECT_EQ((Calls{"setLineWidth(2)", "setHatchPattern(0)", "drawRect(10,80,10,19)"}),
              Calls(order.begin() + 7, order.begin() + 10));

    set(bars, "stippled", 0);
    setText(bars, "value", "30,abc,,50,-20");
    EXPECT_EQ((Calls{"drawRect(0,70,10,29)", "drawRect(30,50,10,49)"}),
              callsOf(bars, {"drawRect"}))
        << "no number and a negative one leave their slots empty";
    set(bars, "reverseFlag", 1);
    set(bars, "orientation", 0);
    EXPECT_EQ((Calls{"drawRect(1,0,29,10)", "drawRect(1,30,49,10)"}), callsOf(bars, {"drawRect"}))
        << "horizontal bars hanging from the left edge";
    set(bars, "columns", 0);
    EXPECT_EQ(Calls{}, repaint(bars));
}

TEST_F(Graphs, LineRunsBreakAtMissingValuesAndStandAloneValuesAreDashes)
{
    TQCvlineGraph* line = add<TQCvlineGraph>("line", 0, 0, 100, 100);
    const std::string path = "(0,99),(11,70),(22,80),(33,60),(44,90),(55,50),(66,90),(77,21),"
                             "(88,50),(100,31)";
    EXPECT_EQ((Calls{"drawLines(" + path + ")"}), callsOf(line, {"drawLines", "drawFillPoly"}));
    set(line, "stippled", 1);
    EXPECT_EQ((Calls{"drawFillPoly(" + path + ",(100,97),(0,97))", "drawLines(" + path + ")"}),
              callsOf(line, {"drawLines", "drawFillPoly"}))
        << "the fill down to the baseline first";

    set(line, "stippled", 0);
    set(line, "columns", 4);
    set(line, "width", 90);
    setText(line, "value", "10,NA,20,30");
    EXPECT_EQ((Calls{"drawLine(0,90,2,90)", "drawLines((60,80),(90,70))"}),
              callsOf(line, {"drawLine", "drawLines"}));
    setText(line, "value", "NA,na,50");
    EXPECT_EQ((Calls{"drawLine(60,50,62,50)"}), callsOf(line, {"drawLine", "drawLines"}));
    setText(line, "value", "10, NA,Na");
    EXPECT_EQ((Calls{"drawLines((0,90),(30,99),(60,99))"}), callsOf(line, {"drawLines"}))
        << "only NA and na exactly are missing";

    set(line, "columns", 1);
    repaint(line);
    EXPECT_EQ(2, line->getProperty("columns").getLong()) << "one position is taken as two";
    set(line, "columns", 0);
    EXPECT_EQ(Calls{}, repaint(line));
}

TEST_F(Graphs, ScaleCentresItsTicksAndLabelsOnTheSlotsOfTheMatrix)
{
    TQCvgraphScale* scale = add<TQCvgraphScale>("scale", 0, 0, 200, 40);
    const long half = FakeFont::CHAR_WIDTH / 2;
    Calls drawn = callsOf(scale, {"drawLine", "drawString"});
    ASSERT_EQ(23u, drawn.size()) << "the axis, then a tick and a label in each of 11 slots";
    EXPECT_EQ("drawLine(9,1,190,1)", drawn[0]);
    EXPECT_EQ("drawLine(10,1,10,10)", drawn[1]);
    EXPECT_EQ("drawString(" + std::to_string(10 - half) + ",10,100,100,\"0\",0,5,-1,0,0,0)",
              drawn[2]);
    EXPECT_EQ("drawLine(28,1,28,5)", drawn[3]);
    EXPECT_EQ("drawString(" + std::to_string(190 - 2 * half) + ",10,100,100,\"10\",0,5,-1,0,0,0)",
              drawn[22]);

    setText(scale, "barThickness", "10,0,-3,5");
    EXPECT_EQ((Calls{"drawLine(9,1,190,1)", "drawLine(10,1,10,10)", "drawLine(64,1,64,5)"}),
              callsOf(scale, {"drawLine"}));
    EXPECT_EQ(4u, callsOf(scale, {"drawString"}).size()) << "every slot keeps its label";

    TQCvgraphMatrix* grid = add<TQCvgraphMatrix>("grid", 0, 0, 200, 100);
    Calls lines = callsOf(grid, {"drawLine"});
    ASSERT_EQ(11u, lines.size());
    EXPECT_EQ("drawLine(0,5,200,5)", lines.front());
    EXPECT_EQ("drawLine(0,94,200,94)", lines.back());
    set(grid, "orientation", 1);
    lines = callsOf(grid, {"drawLine"});
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ("drawLine(" + std::to_string(10 + 18 * i) + ",0," + std::to_string(10 + 18 * i) +
                      ",100)",
                  lines[i]);
    set(grid, "columns", 0);
    set(scale, "columns", 0);
    EXPECT_EQ(Calls{}, repaint(grid));
    EXPECT_EQ(Calls{}, repaint(scale));
}

TEST_F(Graphs, GraphsAreMadeByNameAndNarrowFieldsKeepTheirLowBits)
{
    for (const char* name : {"TQCvbarGraph", "TQCvlineGraph", "TQCvgraphScale", "TQCvgraphMatrix"}) {
        TQCbase* graph = TQCbase::getNewInstance(name, form, "g");
        ASSERT_NE(nullptr, graph) << name;
        graph->initialize();
        EXPECT_STREQ(name, graph->getClassName());
        EXPECT_NE(nullptr, graph->cast("TQCnwbase")) << name;
        set(graph, "lineType", 20);
        EXPECT_EQ(4, graph->getProperty("lineType").getLong()) << name;
        delete graph;
    }
    EXPECT_EQ(nullptr, TQCvbarGraph_create(nullptr));
    TQCvbarGraph* bars = add<TQCvbarGraph>("bars", 0, 0, 100, 100);
    set(bars, "dataSource", 5);
    EXPECT_EQ(1, bars->getProperty("dataSource").getLong());
    EXPECT_EQ("value", std::string(bars->getDefaultProperty()));
    TQCvgraphScale* scale = add<TQCvgraphScale>("scale", 0, 0, 200, 40);
    set(scale, "font", 17);
    EXPECT_EQ(1, scale->getProperty("font").getLong());
    EXPECT_EQ(0, scale->getProperty("lineType").getLong()) << "the font keeps to its own bits";
}

TEST_F(Graphs, FileSourceGivesTheValuesAndAMissingFileOrNameKeepsThem)
{
    TempDir dir;
    const std::string series = "12,40\x1a,77\r\n";
    writeFileBytes(dir.file("series.txt"), series);
    TQCvbarGraph* bars = add<TQCvbarGraph>("bars", 0, 0, 100, 100);
    setText(bars, "dataSourceName", dir.file("series.txt").c_str());
    set(bars, "dataSource", 2);
    EXPECT_EQ(series, text(bars, "value")) << "the whole text, past a 0x1A byte";
    EXPECT_EQ(3u, callsOf(bars, {"drawRect"}).size());
    setText(bars, "dataSourceName", dir.file("missing.txt").c_str());
    EXPECT_EQ(series, text(bars, "value"));
    set(bars, "dataSource", 1);
    setText(bars, "dataSourceName", nullptr);
    bars->update();
    EXPECT_EQ(series, text(bars, "value")) << "no name, no instance looked for";

    TQCvlineGraph* line = add<TQCvlineGraph>("line", 0, 0, 100, 100);
    writeFileBytes(dir.file("gaps.txt"), "12,NA,77\x1a,NA\n");
    setText(line, "dataSourceName", dir.file("gaps.txt").c_str());
    set(line, "dataSource", 2);
    EXPECT_EQ((Calls{"drawLine(0,88,2,88)", "drawLines((22,24),(33,99))"}),
              callsOf(line, {"drawLine", "drawLines"}))
        << "the line break keeps the last NA from being missing";
}
