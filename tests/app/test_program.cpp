// The program itself: its start-up and event loop run for real in a process
// of their own and are driven by posted input, steps waiting on what the
// user would see; the built program is also started as it is laid out.
#include "FileBytes.h"
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "ScenarioSteps.h"
#include "TQGFwinMain.h"
#include "TempDir.h"
#include "WaveBytes.h"
#include "_TQCbaseDialog.h"
#include "_TQCfontSet.h"
#include "_TQCfunctionList.h"
#include "_TQCmessageDialog.h"
#include "_TQCprocedure.h"
#include "_TQCradioGroup.h"
#include "_TQCvbtn.h"
#include "_TQCvlabel.h"
#include "_TQDappDev.h"
#include "_TQDfont.h"
#include "analysisState.h"
#include "appWidgets.h"
#include "readWave.h"
#include "tideScope.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// The program's start-up and loop in this process, with the user's steps
// running inside it; the last step ends the process.
[[noreturn]] void runProgram(ScenarioSteps& user)
{
    armWatchdog(60000, "the program scenario hung");
    user.start();
    __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    requireInChild(false, "the event loop ended before the scenario");
    std::_Exit(3);
}

TQCbase* mainWindow()
{
    return findWidget("TQCmainWindow", "newwin000");
}

bool mainWindowShown()
{
    return mainWindow() != nullptr && mainWindow()->getVisible();
}

long number(const char* className, const char* name, const char* property)
{
    TQCbase* widget = findWidget(className, name);
    return widget != nullptr ? widget->getProperty(property).getLong() : -1;
}

std::string text(const char* className, const char* name, const char* property)
{
    TQCbase* widget = findWidget(className, name);
    return widget != nullptr ? widgetText(widget, property).getString(-2) : "(missing)";
}

// Whether the widget carries the procedure record.
bool bound(const char* name, const char* procedure, const char* function, long trigger)
{
    TQCbase* widget = findWidget("TQCbase", name);
    if (widget == nullptr)
        return false;
    TQClistData procedures = widget->getProcedures();
    for (long i = 0; i < procedures.getNum(); ++i) {
        auto* p = static_cast<TQCprocedure*>(procedures.getData(i));
        if (std::strcmp(p->getProcName(), procedure) == 0 &&
            std::strcmp(p->getFunctionName(), function) == 0 && p->getTrigger() == trigger)
            return true;
    }
    return false;
}

void checkStartedWindow()
{
    requireInChild(number("TQCmainWindow", "newwin000", "x") == 100 &&
                       number("TQCmainWindow", "newwin000", "y") == 100 &&
                       number("TQCmainWindow", "newwin000", "width") == 1008 &&
                       number("TQCmainWindow", "newwin000", "height") == 613,
                   "the main window at 100, 100, 1008 x 613");
    requireInChild(text("TQCmainWindow", "newwin000", "titleString") == "Tidewell ver.0.91",
                   "the main window's title");
    requireInChild(findWidget("TQCdialog", "newdial_001") != nullptr &&
                       !findWidget("TQCdialog", "newdial_001")->getVisible(),
                   "the channel dialog exists hidden");
    const struct {
        const char *widget, *procedure, *function;
        long trigger;
    } bindings[] = {
        {"newvbtn_000", "act_ep", "wave1act_ep", 2},
        {"newvdra_001", "init_ep", "gra1Init_ep", 0},
        {"newvdra_001", "expose_ep", "gra1Expose_ep", 9},
        {"newvsli_000", "valueCH_ep", "sli1valueCH_ep", 3},
        {"newvsli_000", "act_ep", "sli1act_ep", 2},
        {"newvdra_002", "init2_ep", "gra2Init_ep", 0},
        {"newvdra_002", "expose2_ep", "gra2Expose_ep", 9},
        {"newvdra_000", "init_ep", "gra3init_ep", 0},
        {"newvdra_000", "expose_ep", "gra3expose_ep", 9},
        {"newvdra_003", "init_ep", "gra4init_ep", 0},
        {"newvdra_003", "expose_ep", "gra4expose_ep", 9},
        {"newvbtn_001", "act_ep", "btn1act_ep", 2},
        {"newvbtn_002", "act_ep", "btn2act_ep", 2},
        {"newvifi_000", "new_ep", "vifi1valCH_ep", 3},
        {"newvbtn_003", "act_ep", "btn3act_ep", 2},
        {"newvbtn_005", "new_ep", "btn5act_ep", 2},
        {"newvbtn_006", "new_ep", "btn6act_ep", 2},
        {"newvdra_006", "gra7init_ep", "gra7init_ep", 0},
        {"newvdra_006", "gra7expose_ep", "gra7expose_ep", 9},
        {"newdial_001", "dialogRadioAct_ep", "dialogRadioAct_ep", 2},
        {"newvbtn_016", "btn16act_ep", "btn16act_ep", 2},
        {"newvbtn_017", "btn17act_ep", "btn17act_ep", 2},
    };
    for (const auto& b : bindings) {
        std::string what = std::string(b.function) + " is bound and known by name";
        requireInChild(bound(b.widget, b.procedure, b.function, b.trigger) &&
                           TQGIappFunctionList()->getFunctionAddr(b.function) != nullptr,
                       what.c_str());
    }
}

// The builder's handler comes last, after the fonts and the cursors, whose
// descriptions are in place by the time the window is shown.
void checkStartUpOrder()
{
    TQClistData* handlers = TQDappDev::getInitHandler();
    requireInChild(handlers->getNum() == 3 &&
                       handlers->getData(0) == reinterpret_cast<void*>(_font_init_) &&
                       handlers->getData(1) == reinterpret_cast<void*>(_mouse_init_),
                   "the init handlers: fonts, cursors, the main window");
    TQDfont* font = TQGIappFontSet()->getFont(7);
    requireInChild(font != nullptr && std::strncmp(font->getFontName(), "34,0,0,0,400,", 13) == 0,
                   "font 7 carries the program's description");
}

void startUpScenario()
{
    static ScenarioSteps user;
    user.when("the main window is shown", mainWindowShown, [] {
        checkStartedWindow();
        checkStartUpOrder();
        PostMessageA(frameOf(mainWindow()), WM_CLOSE, 0, 0);
    });
    runProgram(user);
}

// ---- the WAV reader's dialogs ----

TQCbaseDialog* channelDialog()
{
    return static_cast<TQCbaseDialog*>(findWidget("TQCdialog", "newdial_001"));
}

// What the user is told, and how a read ended.
struct Reading {
    std::unique_ptr<TempDir> dir;
    std::string shown;
    int result = 99;
    bool done = false;
};
Reading g_reading;

// Steps of one read of the file, the user answering the message dialog with
// OK when it comes up. Dialog steps go between the read and its end.
void readFile(ScenarioSteps& user, const char* what, const std::string& bytes)
{
    user.then(what, [bytes] {
        writeFileBytes(g_reading.dir->file("r.wav"), bytes);
        nameFull = g_reading.dir->file("r.wav").c_str();
        g_reading.shown.clear();
        g_reading.done = false;
        g_reading.result = loadWave();
        g_reading.done = true;
    });
}

void answerMessage(ScenarioSteps& user)
{
    user.when(
        "a message is shown", [] { return TQGIappMessageDialog()->getOwnVisible() != 0; }, [] {
            TQCmessageDialog* dialog = TQGIappMessageDialog();
            g_reading.shown = widgetText(dialog->getLabel(), "labelString").getString(-2);
            postClick(dialog->getOkButton());
        });
}

void refusalEnds(ScenarioSteps& user, const char* message)
{
    user.when(message, [] { return g_reading.done; }, [message] {
        requireInChild(g_reading.result == -1 && g_reading.shown == message, message);
    });
}

std::vector<int16_t> stereoFrames()
{
    std::vector<int16_t> words;
    for (int16_t i = 1; i <= 100; ++i) {
        words.push_back(i);
        words.push_back(static_cast<int16_t>(-1000 - i));
    }
    return words;
}

bool holdsChannel(int16_t first, int16_t step)
{
    if (maxsize != 100 || siii == nullptr)
        return false;
    for (long i = 0; i < maxsize; ++i)
        if (siii[i] != first + step * i)
            return false;
    return true;
}

void channelScenario()
{
    static ScenarioSteps user;
    g_reading.dir.reset(new TempDir);
    user.when("the main window is shown", mainWindowShown, [] {});
    readFile(user, "a stereo file is read", waveFile(2, 8000, stereoFrames()));
    user.when("the channel is asked for", [] { return channelDialog()->getOwnVisible() != 0; },
              [] {
                  TQCbase* radio = findWidget("TQCradioGroup", "newradi_002");
                  postClick(static_cast<TQCradioGroup*>(radio)->getItem(1));
              });
    user.when(
        "Right Channel is chosen",
        [] { return number("TQCradioGroup", "newradi_002", "value") == 2; },
        [] { postClick(channelDialog()->getOkButton()); });
    user.when("the right channel is read", [] { return g_reading.done; }, [] {
        requireInChild(g_reading.result == 0 && holdsChannel(-1001, -1),
                       "the second word of each frame");
        requireInChild(text("TQCvlabel", "newvlab_014", "labelString") == "RightChannel",
                       "the channel label says RightChannel");
    });

    readFile(user, "the stereo file is read again", waveFile(2, 8000, stereoFrames()));
    user.when("the channel is asked for again",
              [] { return channelDialog()->getOwnVisible() != 0; },
              [] { postClick(channelDialog()->getCancelButton()); });
    answerMessage(user);
    user.when("the left channel is read after a cancel", [] { return g_reading.done; }, [] {
        requireInChild(g_reading.shown == "dialog status CANCEL : this program chose left channel",
                       "the cancel is explained");
        requireInChild(g_reading.result == 0 && holdsChannel(1, 1), "the first word of each frame");
    });

    const std::string fmt8 = waveChunk("fmt ", waveFormat(1, 8000, 8));
    const std::string data = waveChunk("data", pcm16({1, 2, 3, 4}));
    std::string declaredLong = waveFile(1, 8000, {1, 2, 3, 4});
    declaredLong.replace(40, 4, littleEndian(100, 4));
    const struct {
        std::string bytes;
        const char* message;
    } refusals[] = {
        {riffWave(fmt8 + data), "Sorry, this program need 16 BitsPerSample"},
        {"RIFF\x04\0\0\0AVI ", "riff chunk not found"},
        {riffWave(waveChunk("fmt ", waveFormat(1, 8000, 16))), "data chunk not found"},
        {declaredLong, "can not read wave data"},
    };
    for (const auto& r : refusals) {
        readFile(user, r.message, r.bytes);
        answerMessage(user);
        refusalEnds(user, r.message);
    }
    user.then("done", [] {
        g_reading.dir.reset();
        std::fprintf(stderr, "scenario done\n");
        passInChild();
    });
    runProgram(user);
}

} // namespace

// The built program's folder, beside the test programs' folder.
std::string programFolder()
{
    char self[MAX_PATH];
    std::string path(self, GetModuleFileNameA(nullptr, self, sizeof self));
    path = path.substr(0, path.find_last_of('\\'));
    return path.substr(0, path.find_last_of('\\') + 1) + "tidewell\\";
}

// The subsystem field of the program's PE header.
unsigned subsystemOf(const std::string& program)
{
    const std::string bytes = readFileBytes(program);
    if (bytes.size() < 0x40)
        return 0;
    const uint32_t header = static_cast<unsigned char>(bytes[0x3C]) |
                            static_cast<unsigned char>(bytes[0x3D]) << 8;
    const size_t field = header + 24 + 68;
    if (bytes.size() < field + 2)
        return 0;
    return static_cast<unsigned char>(bytes[field]) |
           static_cast<unsigned char>(bytes[field + 1]) << 8;
}

TEST(ProgramExe, StartsInItsLayoutWithItsWindowAndEndsWithZeroWhenClosed)
{
    const std::string bin = programFolder() + "bin";
    const std::string program = bin + "\\tidewell.exe";
    EXPECT_EQ(2u, subsystemOf(program)) << "a GUI program";
    EXPECT_TRUE(fileExists(programFolder() + "sys\\pixmaps\\bi23.png")) << "its pictures";
    EXPECT_TRUE(fileExists(bin + "\\para.ini")) << "its settings";

    std::string line = "\"" + program + "\"";
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                               bin.c_str(), &start, &child));
    CloseHandle(child.hThread);
    HWND window = nullptr;
    for (DWORD begun = GetTickCount(); GetTickCount() - begun < 10000 && window == nullptr;) {
        WaitForSingleObject(child.hProcess, 20);
        window = FindWindowA(nullptr, "Tidewell ver.0.91");
    }
    DWORD owner = 0;
    if (window != nullptr)
        GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(child.dwProcessId, owner) << "the program's window with its title";

    if (window != nullptr)
        PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, exitCodeWithin(child.hProcess, 10000)) << "0 ended by closing the window, 98 still running after 10 s";
}

TEST(ProgramDeathTest, StartsWithItsMainWindowAndEndsWhenItIsClosed)
{
    EXPECT_EXIT(startUpScenario(), ::testing::ExitedWithCode(0), "step: the main window is shown");
}

TEST(ProgramDeathTest, TheReaderAsksForTheChannelAndExplainsRefusalsInItsDialogs)
{
    EXPECT_EXIT(channelScenario(), ::testing::ExitedWithCode(0), "scenario done");
}
