// The builder's edit mode on real forms and windows: the geometry the grip
// handles drag on the grid, a press that selects a form and shows its nine
// handles, a handle dragged through SendInput and undone, a window resized
// in edit mode, and the rubber band of a new instance. The scenarios on
// screen run in a process of their own.
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "ScenarioSteps.h"
#include "_TQCbaseList.h"
#include "_TQCclassFrame.h"
#include "_TQCform.h"
#include "_TQCgripHand.h"
#include "_TQCindexVariantData.h"
#include "_TQCpropUndoProc.h"
#include "_TQCundoManager.h"
#include "_TQCwindow.h"
#include "_TQGFbuilder.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;

// The builder's property editor as far as the toolkit sees it: an object
// with a "client".
class EditorProbe : public TQCbase {
public:
    TQ_CLASS_FRAME(EditorProbe, TQCbase, 1000, 1000)
    EditorProbe(TQCbase* parent, const char* name) : TQCbase(parent, name)
    {
        TQCregisterClass(this, VERSION, [](Registrar& r) {
            r.field<&EditorProbe::client>(_TQNclient(), nullptr);
        });
    }
    void* client = nullptr;
};

struct EditorCall {
    TQCbase* object;
    long mode;
};
std::vector<EditorCall> g_editorCalls;
std::vector<TQCindexVariantData> g_created;

void recordEditorCall(TQCbase* object, long mode)
{
    g_editorCalls.push_back({object, mode});
}

TQCbase* recordCreation(TQCbase*, TQCindexVariantData* values)
{
    g_created.push_back(*values);
    return nullptr;
}

long number(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

std::vector<long> box(TQCbase* object)
{
    return {number(object, "x"), number(object, "y"), number(object, "width"),
            number(object, "height")};
}

TQCform* makeForm(TQCbase* parent, const char* name, short x, short y, unsigned short w,
                  unsigned short h)
{
    return makeShownChild<TQCform>(parent, name, x, y, w, h);
}

void drag(TQCbase* client, short handle, short dx, short dy)
{
    _griph_geom_handler(client, handle, dx, dy);
}

// Left button down or up where the pointer is, as the user does it.
void button(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

POINT screenPoint(TQCbase* form, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(formWindowOf(form), &point);
    return point;
}

TQClistData* handlesOf(TQCbase* object)
{
    return static_cast<TQClistData*>(object->getUserData("GH-LIST"));
}

// A frameless window at (40, 50) holding the form "f", with an editor and
// a handler that records what the builder is told.
struct EditScene {
    explicit EditScene(const char* what)
    {
        armWatchdog(60000, what);
        requireInChild(startGuiApp() != nullptr, "the application window exists");
        window = makeToolkitWindow("w", 40, 50, 320, 240);
        form = makeForm(window, "f", 20, 20, 120, 80);
        editor = new EditorProbe(nullptr, "editor");
        editor->initialize();
        TQGFsetAppPropertyEditor(editor);
        TQGFsetPropertyEditorHandler(recordEditorCall);
        requireInChild(showAndPaint(window), "the window is painted");
    }
    void settle()
    {
        TQGIappObjectList()->execUpdate();
        pumpPendingMessages(kPatience);
    }

    TQCwindow* window;
    TQCform* form;
    EditorProbe* editor;
};

void selectAndDragScenario()
{
    EditScene scene("the selection scenario hung");
    TQCform* form = scene.form;
    form->setPropertyEditMode(1);
    postInput(formWindowOf(form), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    postInput(formWindowOf(form), WM_LBUTTONUP, 0, MAKELPARAM(60, 50));
    pumpMessagesUntil([&] { return form->getShowGriphand() != 0; }, kPatience);
    scene.settle();
    requireInChild(scene.editor->client == form, "the press makes the form the editor's client");
    requireInChild(!g_editorCalls.empty() && g_editorCalls.back().object == form &&
                       g_editorCalls.back().mode == 1,
                   "the handler hears of the selection with (form, 1)");
    TQClistData* hands = handlesOf(form);
    requireInChild(hands != nullptr && hands->getNum() == 9, "nine handles are made");
    const std::vector<std::vector<long>> places = {
        {0, 0, 10, 10, 195},  {55, 0, 10, 5, 197},   {110, 0, 10, 10, 196},
        {115, 35, 5, 10, 176}, {110, 70, 10, 10, 135}, {55, 75, 10, 5, 136},
        {0, 70, 10, 10, 134},  {0, 35, 5, 10, 163},   {55, 35, 10, 10, 154}};
    for (long n = 0; n < 9; ++n) {
        TQCbase* hand = static_cast<TQCbase*>(hands->getData(n));
        std::vector<long> place = box(hand);
        place.push_back(number(hand, "mouse"));
        requireInChild(place == places[n], "each handle sits at its place inside the form");
        requireInChild(hand->getParent() == form && IsWindowVisible(formWindowOf(hand)),
                       "each handle shows in a window of its own on the form");
    }

    TQCbase::setGripHandGrid(8, 8);
    TQCbase* corner = static_cast<TQCbase*>(hands->getData(4));
    POINT centre = screenPoint(corner, 5, 5);
    SetCursorPos(centre.x, centre.y);
    button(true);
    pumpMessagesUntil([] { return TQGIappUndoManager()->getNum() == 1; }, kPatience);
    requireInChild(TQGIappUndoManager()->getNum() == 1, "the press on a handle records a step");
    SetCursorPos(centre.x + 30, centre.y + 20);
    pumpMessagesUntil([&] { return number(form, "width") != 120; }, kPatience);
    pumpMessagesFor(300);
    button(false);
    pumpMessagesFor(300);
    scene.settle();
    requireInChild(box(form) == (std::vector<long>{20, 20, 144, 96}),
                   "the corner follows the pointer on the grid: 150 x 100 becomes 144 x 96");
    requireInChild(box(corner) == (std::vector<long>{134, 86, 10, 10}),
                   "the handles are placed round the new size");
    requireInChild(TQGIappUndoManager()->getNum() == 1, "the drag is one step");
    requireInChild(TQGFcheckMarkChanged(form), "the form is marked changed");
    requireInChild(g_editorCalls.back().object == form && g_editorCalls.back().mode == 0,
                   "the handler hears of the new geometry with (form, 0)");
    requireInChild(scene.editor->getUserData("GEOMETRY-UPDATE") != nullptr,
                   "the editor is told the geometry changed");

    TQGIappUndoManager()->execUndoProc();
    scene.settle();
    requireInChild(box(form) == (std::vector<long>{20, 20, 120, 80}), "undo restores the form");
    form->setPropertyEditExecute(0);
    requireInChild(handlesOf(form) == nullptr && form->getChildren().getNum() == 0 &&
                       scene.editor->client == nullptr && g_editorCalls.back().mode == 2,
                   "deselecting removes the handles and the editor's client");
    form->setPropertyEditExecute(1);
    requireInChild(form->getChildren().getNum() == 9 && scene.editor->client == form,
                   "selected again");
    delete form;
    requireInChild(scene.editor->client == nullptr && g_editorCalls.back().object == form &&
                       g_editorCalls.back().mode == 2,
                   "a selected form that goes leaves the editor and tells the handler");
    passInChild();
}

void windowResizeScenario()
{
    EditScene scene("the window resize scenario hung");
    TQCwindow* window = scene.window;
    window->setPropertyEditExecute(1);
    scene.settle();
    HWND frame = frameOf(window);
    RECT outer;
    GetWindowRect(frame, &outer);
    auto resizeBy = [&](int dw, int dh) {
        SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left + dw,
                     outer.bottom - outer.top + dh, SWP_NOMOVE | SWP_NOZORDER);
    };
    resizeBy(40, 30);
    pumpMessagesUntil([&] { return number(window, "width") == 360; }, kPatience);
    scene.settle();
    TQCundoManager* history = TQGIappUndoManager();
    requireInChild(history->getNum() == 1, "a resize in edit mode records one step");
    TQClistData* hands = handlesOf(window);
    requireInChild(hands != nullptr &&
                       box(static_cast<TQCbase*>(hands->getData(4))) ==
                           (std::vector<long>{350, 260, 10, 10}),
                   "the handles follow the window's new size");
    resizeBy(60, 40);
    pumpMessagesUntil([&] { return number(window, "width") == 380; }, kPatience);
    requireInChild(history->getNum() == 1, "the next resize of the same window adds none");

    drag(window, 0, -10, -10);
    drag(window, 8, -10, -10);
    requireInChild(box(window)[2] == 380, "a window is not moved or resized from the left");
    drag(window, 4, -20, -10);
    pumpPendingMessages(kPatience);
    requireInChild(box(window)[2] == 400 && box(window)[3] == 290 && history->getNum() == 1,
                   "its bottom-right handle resizes it, still one step");
    history->execUndoProc();
    pumpPendingMessages(kPatience);
    requireInChild(box(window)[2] == 320 && box(window)[3] == 240,
                   "undo gives back the size before the first resize");
    passInChild();
}

void placementScenario()
{
    EditScene scene("the placement scenario hung");
    TQCform* form = scene.form;
    form->setPropertyEditMode(1);
    TQGIappObjectList()->setNewInstancePositionMode(1);
    TQGIappObjectList()->setNewInstanceClassName("TQCvbtn");
    TQGFsetCreateInstanceHandler(recordCreation);
    SetForegroundWindow(clientWindowOf(scene.window));
    auto bandsShown = [] {
        long shown = 0;
        TQClistData* windows = TQGIappObjectList()->getInstanceList("TQCwindow");
        for (long i = 0; windows != nullptr && i < windows->getNum(); ++i) {
            TQCbase* window = static_cast<TQCbase*>(windows->getData(i));
            if (std::string(window->getInstanceName()) == "tqcbase_sep_window" &&
                window->getOwnVisible())
                ++shown;
        }
        return shown;
    };
    const long moves[2][4] = {{40, 30, 45, 35}, {80, 70, 50, 40}};
    for (const long* move : moves) {
        POINT press = screenPoint(form, move[0], move[1]);
        POINT release = screenPoint(form, move[2], move[3]);
        SetCursorPos(press.x, press.y);
        size_t before = g_created.size();
        button(true);
        pumpMessagesUntil([&] { return bandsShown() == 4; }, kPatience);
        requireInChild(bandsShown() == 4, "the four bands show while the button is held");
        SetCursorPos(release.x, release.y);
        pumpMessagesFor(100);
        button(false);
        pumpMessagesUntil([&] { return g_created.size() > before; }, kPatience);
        requireInChild(g_created.size() == before + 1 && bandsShown() == 0,
                       "the release hides the bands and asks for one new object");
    }
    TQCindexVariantData& small = g_created[0];
    requireInChild(std::string(small["class"].getCharPtr()) == "TQCvbtn" &&
                       std::string(small["name"].getCharPtr()) == "new_insntace",
                   "the record names the class and the new object");
    requireInChild(small["x"].getLong() == 40 && small["y"].getLong() == 30 &&
                       small["width"].getLong() == 20 && small["height"].getLong() == 20,
                   "a small drag gives 20 x 20 at the press point");
    TQCindexVariantData& back = g_created[1];
    requireInChild(back["x"].getLong() == 50 && back["y"].getLong() == 40 &&
                       back["width"].getLong() == 30 && back["height"].getLong() == 30,
                   "dragging 30 up and left gives 30 x 30 ending at the press point");
    passInChild();
}

} // namespace

// Straight calls of the geometry handler on forms of a window that is never
// shown.
TEST(GripGeometry, HandlesFollowTheGridTheAnchorsAndTheLimits)
{
    TQCwindow* window = makeToolkitWindow("gw", 0, 0, 400, 300);
    TQCform* form = makeForm(window, "gf", 16, 16, 100, 40);
    EditorProbe editor(nullptr, "ge");
    editor.initialize();
    TQGFsetAppPropertyEditor(&editor);
    TQGFsetPropertyEditorHandler(recordEditorCall);
    g_editorCalls.clear();

    TQCbase::setGripHandGrid(8, 8);
    drag(form, 3, -13, 0);
    EXPECT_EQ((std::vector<long>{16, 16, 112, 40}), box(form)) << "113 snapped down to 112";
    EXPECT_TRUE(TQGFcheckMarkChanged(form));
    ASSERT_EQ(1u, g_editorCalls.size());
    EXPECT_EQ(0, g_editorCalls[0].mode);
    EXPECT_NE(nullptr, editor.getUserData("GEOMETRY-UPDATE"));

    TQCbase::setGripHandGrid(1, 1);
    drag(form, 0, -120, 5);
    EXPECT_EQ((std::vector<long>{16, 16, 112, 40}), box(form))
        << "the top-left corner moves nothing when one of its sides is refused";
    drag(form, 2, -300, 6);
    EXPECT_EQ((std::vector<long>{16, 10, 112, 46}), box(form))
        << "the right edge may not reach the window's width; the top edge still moves";
    drag(form, 6, 4, -4);
    EXPECT_EQ((std::vector<long>{12, 10, 116, 50}), box(form));
    drag(form, 8, 10, 12);
    EXPECT_EQ((std::vector<long>{2, 10, 116, 50}), box(form)) << "x moves, y may not go below 0";
    drag(form, 0, 0, 0);
    EXPECT_EQ(5u, g_editorCalls.size()) << "a refused step is told too, one without offset not";

    form->setProperty("anchorLeftFlag", TQCvariant(1L));
    drag(form, 8, -5, -5);
    drag(form, 7, -5, 0);
    EXPECT_EQ((std::vector<long>{2, 10, 116, 50}), box(form)) << "the left anchor holds";
    drag(form, 5, 0, -2);
    EXPECT_EQ(52, box(form)[3]) << "the bottom edge is free";

    TQCbase::setGripHandGrid(0, 0);
    unsigned short gx = 9, gy = 9;
    TQCbase::getGripHandGrid(&gx, &gy);
    EXPECT_EQ(1, gx);
    EXPECT_EQ(1, gy);
    drag(form, 4, -3, -3);
    EXPECT_EQ((std::vector<long>{2, 10, 119, 55}), box(form)) << "a grid of 0 works as 1";

    size_t told = g_editorCalls.size();
    drag(&editor, 4, -3, -3);
    EXPECT_EQ(told, g_editorCalls.size()) << "a client without geometry is left alone";
    TQCbase* bare = TQGFgetNewGripHand(form);
    EXPECT_EQ((std::vector<long>{0, 0, 10, 10}), box(bare));
    EXPECT_STREQ("gph", bare->getInstanceName());
    EXPECT_TRUE(bare->getInternalObject() && bare->getUseParentBaseDev());
    EXPECT_EQ(-1, number(bare, "userValue"));
    short backColor = 0;
    bare->getPropertyV("backColor", &backColor);
    EXPECT_EQ(-10, backColor);
    EXPECT_EQ(6, bare->getObjectType());
    TQCgripHand::_grip_hand_update_proc(bare);
    EXPECT_EQ((std::vector<long>{2, 10, 119, 55}), box(form)) << "a handle without client";

    TQGFsetPropertyEditorHandler(nullptr);
    TQGFsetAppPropertyEditor(nullptr);
    delete window;
}

TQ_FRESH_PROCESS_TEST(GripHandDeathTest, APressSelectsAFormAndAHandleDragResizesIt,
                      selectAndDragScenario(), "")
TQ_FRESH_PROCESS_TEST(GripHandDeathTest, AWindowResizedInEditModeIsOneUndoStep,
                      windowResizeScenario(), "")
TQ_FRESH_PROCESS_TEST(GripHandDeathTest, ADraggedBandPlacesANewInstance, placementScenario(), "")
