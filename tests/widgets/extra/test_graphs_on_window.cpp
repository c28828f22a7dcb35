// Graphs on a form in a top-level window under Xvfb, on the real devices:
// the bars and the hatched line drawn through GDI and read back, and a line
// graph that takes its values from real input fields, typed into by posted
// characters, as it is linked, relinked and deleted. Each scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "_TQCcolorSet.h"
#include "_TQCvbarGraph.h"
#include "_TQCvifield.h"
#include "_TQCvlineGraph.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

short colour(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

std::string value(TQCbase* graph)
{
    TQCvariant v = graph->getProperty("value");
    return v.getCharPtr() ? v.getCharPtr() : "";
}

// Whether the 3 x 3 pixels around (x, y) hold the colour.
bool drawnNear(const DibSurface& shot, int x, int y, COLORREF c)
{
    return shot.count(x - 1, y - 1, 3, 3, c) > 0;
}

// The bar graph at (10, 10) and the line graph at (130, 10), both 100 x 100
// with their default series.
void pixelsScenario()
{
    armWatchdog(60000, "the graph pixels scenario hung");
    GuiControlScene scene;
    TQCvbarGraph* bars = scene.add<TQCvbarGraph>("bars", 10, 10, 100, 100);
    bars->setPropertyV(_TQNforeColor(), colour("#ff0000"));
    TQCvlineGraph* line = scene.add<TQCvlineGraph>("line", 130, 10, 100, 100);
    line->setPropertyV(_TQNforeColor(), colour("#000000"));
    line->setPropertyV(_TQNhatchColor(), colour("#0000ff"));
    line->setPropertyV(_TQNstippled(), static_cast<unsigned char>(1));
    scene.show();

    auto shot = captureWindow(scene.hwnd(), 0, 0, 240, 120);
    const COLORREF background = shot->pixel(5, 5);
    requireInChild(shot->count(59, 60, 3, 1, kRed) > 0 && shot->count(69, 60, 3, 1, kRed) > 0,
                   "both sides of bar 5 (50, 1, 10, 98) are outlined in foreColor");
    requireInChild(shot->count(72, 12, 37, 96, background) == 37 * 96,
                   "slots 6 to 9 show the background");
    requireInChild(drawnNear(*shot, 130 + 55, 10 + 50, kBlack) && drawnNear(*shot, 130 + 77, 10 + 21, kBlack) &&
                       drawnNear(*shot, 130 + 33, 10 + 60, kBlack),
                   "the line passes through the computed points");
    requireInChild(shot->count(130 + 55, 10 + 55, 1, 40, kBlue) == 40 &&
                       shot->count(130 + 55, 10 + 2, 1, 45, kBlue) == 0,
                   "the fill lies below the line and not above it");
    passInChild();
}

// Types at the end of a field.
void typeInto(GuiControlScene& scene, int y, const char* text)
{
    scene.click(20, y);
    scene.key(VK_END);
    scene.type(text);
}

void sourceScenario()
{
    armWatchdog(60000, "the graph source scenario hung");
    GuiControlScene scene;
    TQCvlineGraph* graph = scene.add<TQCvlineGraph>("graph", 10, 90, 200, 100);
    graph->setPropertyV(_TQNdataSourceName(), "one");
    graph->setPropertyV(_TQNdataSource(), static_cast<unsigned char>(1));
    requireInChild(value(graph) == "0,30,20,40,10,50,10,80,50,70",
                   "an instance not there yet changes nothing");

    TQCvifield* one = scene.add<TQCvifield>("one", 10, 10, 150, 24);
    one->setPropertyV(_TQNlabelString(), "10,20");
    graph->update();
    requireInChild(value(graph) == "10,20", "the next update links and copies the field");
    scene.show();
    typeInto(scene, 22, ",30");
    requireInChild(value(graph) == "10,20,30", "typed text reaches the graph");

    TQCvifield* two = scene.add<TQCvifield>("two", 10, 50, 150, 24);
    two->setPropertyV(_TQNlabelString(), "5");
    graph->setPropertyV(_TQNdataSourceName(), "two");
    requireInChild(value(graph) == "5" && one->getDataSourceClients()->getNum() == 0,
                   "relinked, the graph has left the first field");
    typeInto(scene, 22, "9");
    requireInChild(value(graph) == "5", "the first field no longer reaches the graph");
    typeInto(scene, 62, ",7");
    requireInChild(value(graph) == "5,7", "the second one does");

    delete graph;
    typeInto(scene, 22, "1");
    typeInto(scene, 62, "1");
    requireInChild(two->getDataSourceClients()->getNum() == 0,
                   "a deleted graph leaves its server");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(GraphsOnWindowDeathTest, BarsAndAHatchedLineAreDrawnWhereComputed,
                      pixelsScenario(), "")
TQ_FRESH_PROCESS_TEST(GraphsOnWindowDeathTest, LineFollowsTheFieldItIsLinkedToUntilDeleted,
                      sourceScenario(), "")
