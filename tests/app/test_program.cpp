// The program itself: its start-up and event loop run for real in a process
// of their own and are driven by posted input, steps waiting on what the
// user would see; the built program is also started as it is laid out. The
// session test chooses a WAV file in the file dialog, moves the slider,
// presses step buttons, picks a size in the drop-down, types a noise level
// and exports the curves, checked against a transform and decibels worked
// out here and against the screen.
#include "FileBytes.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "ScenarioSteps.h"
#include "TQGFwinMain.h"
#include "TempDir.h"
#include "WaveBytes.h"
#include "_TQCbaseDialog.h"
#include "_TQCcomboBox.h"
#include "_TQCfileSelect.h"
#include "_TQCfontSet.h"
#include "_TQCfunctionList.h"
#include "_TQClist.h"
#include "_TQCmessageDialog.h"
#include "_TQCprocedure.h"
#include "_TQCradioGroup.h"
#include "_TQCscrForm.h"
#include "_TQCscrFrame.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQCvlabel.h"
#include "_TQDappDev.h"
#include "_TQDfont.h"
#include "_TQDmwindowDev.h"
#include "_TQGFdebug.h"
#include "_TQGFfontEditor.h"
#include "analysisPass.h"
#include "analysisState.h"
#include "appWidgets.h"
#include "cmnDraw.h"
#include "readWave.h"
#include "tideScope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const double kPi = 3.141592653589793;
const long kRate = 44100;

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

bool mainWindowShown()
{
    TQCbase* main = findWidget("TQCmainWindow", "newwin000");
    return main != nullptr && main->getVisible();
}

TQCbase* widget(const char* className, const char* name)
{
    TQCbase* found = findWidget(className, name);
    requireInChild(found != nullptr, name);
    return found;
}

long number(const char* className, const char* name, const char* property)
{
    return widget(className, name)->getProperty(property).getLong();
}

std::string textOf(const char* className, const char* name, const char* property)
{
    return widgetText(widget(className, name), property).getString(-2);
}

std::string label(const char* name)
{
    return textOf("TQCvlabel", name, "labelString");
}

std::string sliderText(const char* property)
{
    return textOf("TQCvslider", "newvsli_000", property);
}

// ---- the main window as built ----

// Whether the widget carries the procedure record.
bool bound(const char* name, const char* procedure, const char* function, long trigger)
{
    TQClistData procedures = widget("TQCbase", name)->getProcedures();
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
    requireInChild(textOf("TQCmainWindow", "newwin000", "titleString") == "Tidewell ver.0.91",
                   "the main window's title");
    requireInChild(!widget("TQCdialog", "newdial_001")->getVisible(),
                   "the channel dialog exists hidden");
    requireInChild(textOf("TQCcomboBox", "newcomb_000", "labelString") ==
                           "256" + std::string(61, ' ') &&
                       textOf("TQCcomboBox", "newcomb_000", "menuItems") ==
                           "64,128,256,512,1024,2048,4096,8192,16384,32768",
                   "the size field shows 256 and offers the ten sizes");
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
        {"newcomb_000", "act_ep", "combo1act_ep", 2},
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

// The toolkit's font editor comes first, from static initialisation; of
// the program's handlers the builder's comes last, after the fonts and the
// cursors, whose descriptions are in place by the time the window is shown.
void checkStartUpOrder()
{
    TQClistData* handlers = TQDappDev::getInitHandler();
    requireInChild(handlers->getNum() == 4 &&
                       handlers->getData(1) == reinterpret_cast<void*>(_font_init_) &&
                       handlers->getData(2) == reinterpret_cast<void*>(_mouse_init_),
                   "the init handlers: font editor, fonts, cursors, the main window");
    TQCbase* editor = TQGFgetFontEditor();
    requireInChild(editor != nullptr && editor->cast("TQDwinFontSelect") != nullptr &&
                       std::strcmp(editor->getInstanceName(), "font-editor") == 0,
                   "the font editor is there");
    TQDfont* font = TQGIappFontSet()->getFont(7);
    requireInChild(font != nullptr && std::strncmp(font->getFontName(), "34,0,0,0,400,", 13) == 0,
                   "font 7 carries the program's description");
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
        requireInChild(label("newvlab_014") == "RightChannel",
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

// ---- a whole session ----

struct Session {
    std::unique_ptr<TempDir> dir;
    std::vector<int16_t> samples;
    // The five pictures before the noise level was typed.
    std::vector<std::vector<unsigned char>> before;
};
Session g_session;

// A tone at 5000 Hz over a little noise, so that every bin holds power and
// the 1000 Hz tick stands clear of the curve.
std::vector<int16_t> toneSamples()
{
    std::vector<int16_t> v(kRate);
    uint32_t noise = 7;
    for (long i = 0; i < kRate; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double tone = 8000 * std::sin(2 * kPi * 5000 * i / kRate);
        v[i] = static_cast<int16_t>(std::lround(tone) + static_cast<long>(noise >> 23) - 256);
    }
    return v;
}

// ---- the areas' pictures ----

const struct Area {
    const char* name;
    TQDmwindowDev** dev;
} kAreas[] = {{"newvdra_001", &mdev},  {"newvdra_002", &mdev2}, {"newvdra_000", &mdev3},
              {"newvdra_003", &mdev4}, {"newvdra_006", &mdev7}};

std::vector<unsigned char> picture(TQDmwindowDev* dev)
{
    unsigned short w = 0, h = 0;
    dev->getGeometry(&w, &h);
    dev->initBuffer();
    std::unique_ptr<unsigned char[]> rgb(dev->getBuffer());
    return std::vector<unsigned char>(rgb.get(), rgb.get() + 3 * w * h);
}

bool dark(const std::vector<unsigned char>& rgb, int w, int x, int y)
{
    const unsigned char* p = &rgb[3 * (y * w + x)];
    return p[0] < 128 && p[1] < 128 && p[2] < 128;
}

bool white(const std::vector<unsigned char>& rgb, int w, int x, int y)
{
    const unsigned char* p = &rgb[3 * (y * w + x)];
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

// Each area on the screen shows its off-screen picture, pixel for pixel.
void checkScreenShowsPictures()
{
    for (const Area& a : kAreas) {
        TQCbase* area = widget("TQCvdrawingArea", a.name);
        const int x = area->getProperty("x").getLong(), y = area->getProperty("y").getLong();
        unsigned short w = 0, h = 0;
        (*a.dev)->getGeometry(&w, &h);
        const std::vector<unsigned char> rgb = picture(*a.dev);
        std::unique_ptr<DibSurface> screen = captureWindow(windowOf(area), x, y, w, h);
        long differ = 0;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const unsigned char* p = &rgb[3 * (j * w + i)];
                differ += screen->pixel(i, j) != RGB(p[0], p[1], p[2]) ? 1 : 0;
            }
        const std::string what = std::string(a.name) + " on the screen is its picture";
        requireInChild(differ == 0, what.c_str());
        const int mx = 3 * w / 100, my = 3 * h / 100;
        const std::string axis = std::string(a.name) + ": white canvas, the axis at x = mx";
        requireInChild(white(rgb, w, 1, 1) && white(rgb, w, w - 2, 1) &&
                           dark(rgb, w, mx, h / 2) && dark(rgb, w, mx, my + 1) &&
                           dark(rgb, w, mx, h - my - 1),
                       axis.c_str());
    }
    // 0 to 22050 Hz over 312 pixels from x = 9: 1000 Hz at 23, 22000 Hz at 320.
    const std::vector<unsigned char> spectrum = picture(mdev7);
    for (int x : {23, 320})
        requireInChild(dark(spectrum, 330, x, 11) && white(spectrum, 330, x - 1, 11) &&
                           white(spectrum, 330, x + 1, 11),
                       "a tick of the 0 to 22050 Hz scale");
}

// ---- the CSV files ----

struct Rows {
    std::vector<double> x, y;
    bool crlf = true;
};

Rows readRows(const std::string& path)
{
    Rows rows;
    std::istringstream in(readFileBytes(path));
    std::string line;
    while (std::getline(in, line)) {
        rows.crlf = rows.crlf && !line.empty() && line.back() == '\r';
        double x = 0, y = 0;
        if (std::sscanf(line.c_str(), "%lf,%lf", &x, &y) == 2) {
            rows.x.push_back(x);
            rows.y.push_back(y);
        }
    }
    return rows;
}

// The decibels of the Hamming-windowed power of the stretch, by a plain
// transform: bin 0 dropped, normalised to the largest, the smallest
// positive value as the floor.
std::vector<double> windowedPowerDecibels(const std::vector<double>& x)
{
    const size_t n = x.size();
    std::vector<double> p(n / 2, 0.0);
    for (size_t k = 1; k < n / 2; ++k) {
        double re = 0, im = 0;
        for (size_t j = 0; j < n; ++j) {
            const double w = 0.54 - 0.46 * std::cos(2 * kPi * j / (n - 1));
            re += x[j] * w * std::cos(2 * kPi * j * k / n);
            im -= x[j] * w * std::sin(2 * kPi * j * k / n);
        }
        p[k] = (re * re + im * im) / (static_cast<double>(n) * n);
    }
    double largest = 0, floor = 1;
    for (double v : p)
        largest = std::max(largest, v);
    for (double& v : p) {
        v /= largest;
        if (v > 0 && v < floor)
            floor = v;
    }
    std::vector<double> dB;
    for (double v : p)
        dB.push_back(20 * std::log10(v > 0 ? v : floor));
    return dB;
}

bool closeTo(const std::vector<double>& a, const std::vector<double>& b, double tolerance)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!(std::fabs(a[i] - b[i]) <= tolerance))
            return false;
    return true;
}

std::vector<double> steps(size_t count, double step)
{
    std::vector<double> x;
    for (size_t i = 0; i < count; ++i)
        x.push_back(i * step);
    return x;
}

void checkCsvFiles()
{
    char noise[32];
    std::snprintf(noise, sizeof noise, "%0.012f", static_cast<double>(0.001f));
    const std::string base = g_session.dir->file("toneoff000005size00512");
    const Rows wave = readRows(base + "ObsWav.csv");
    const Rows restoredWave = readRows(base + "ResPowPara" + noise + "Wav0.010.csv");
    const Rows power = readRows(base + "ObsPow.csv");
    const Rows restored = readRows(base + "ResPowPara" + noise + ".csv");

    const std::vector<double> stretch(g_session.samples.begin() + 5,
                                      g_session.samples.begin() + 517);
    requireInChild(wave.crlf && restoredWave.crlf && power.crlf && restored.crlf,
                   "every row ends in CR LF");
    requireInChild(closeTo(wave.x, steps(512, 1.0 / kRate), 1e-6) && closeTo(wave.y, stretch, 1e-6),
                   "ObsWav: the stretch, a row every 1/44100 s");
    requireInChild(closeTo(restoredWave.y, std::vector<double>(512, 0.0), 0) &&
                       closeTo(restoredWave.x, wave.x, 0),
                   "the restored stretch is written as zeros, never as what memory held");
    const std::vector<double> hz = steps(256, 86.1328125);
    requireInChild(closeTo(power.x, hz, 1e-6) &&
                       closeTo(power.y, windowedPowerDecibels(stretch), 1e-4),
                   "ObsPow: the windowed power in dB, a row every 86.132813 Hz");
    double largest = -1e9;
    bool finite = true;
    for (double v : restored.y) {
        largest = std::max(largest, v);
        finite = finite && std::isfinite(v);
    }
    requireInChild(closeTo(restored.x, hz, 1e-6) && finite && largest == 0,
                   "the restored spectrum: 256 finite rows normalised to 0 dB");
}

// The whole channel's picture, drawn anew: what the slider's moves show
// from the picture they keep, also after a file of the same length.
void checkWholeChannelPicture()
{
    std::vector<int16_t> reversed(g_session.samples.rbegin(), g_session.samples.rend());
    std::vector<int16_t> halved;
    for (int16_t v : g_session.samples)
        halved.push_back(static_cast<int16_t>(v / 2));
    TQCbase* area = widget("TQCvdrawingArea", "newvdra_001");
    for (const std::vector<int16_t>* next : {&g_session.samples, &reversed, &halved}) {
        writeFileBytes(g_session.dir->file("next.wav"), waveFile(1, kRate, *next));
        nameFull = g_session.dir->file("next.wav").c_str();
        requireInChild(loadWave() == 0, "another file of the same length");
        const SignalRange range = signalRange();
        requireInChild(range.max == findMax(siii, maxsize) && range.min == findMin(siii, maxsize),
                       "the range is the loaded channel's");
        drawWholeSignal(selpos, range);
        std::unique_ptr<TQDmwindowDev> fresh(newAreaDevice(area));
        drawScale(area, fresh.get());
        drawWave(area, fresh.get(), siii, maxsize, range.max, range.min);
        drawScalePos(area, fresh.get(), maxsize, selpos);
        drawScalePos(area, fresh.get(), maxsize, selpos + selsize - 1);
        requireInChild(picture(mdev) == picture(fresh.get()),
                       "the whole channel's picture is the loaded channel's");
    }
}

// ---- the session's steps ----

TQCfileSelect* fileDialog()
{
    return TQGIappFileSelect();
}

TQCbase* fileRow(const char* name)
{
    TQCfileSelect* dialog = fileDialog();
    for (long i = 0; i < dialog->getRowCount(); ++i) {
        TQCbase* row = reinterpret_cast<TQCbase*>(dialog->getRowLabel(i));
        if (row->getOwnVisible() && widgetText(row, "labelString") == TQCstring(name))
            return row;
    }
    return nullptr;
}

void chooseFileSteps(ScenarioSteps& user)
{
    user.then("select WAV is pressed", [] { postClick(widget("TQCvbtn", "newvbtn_000")); });
    user.when("the file dialog lists tone.wav",
              [] { return fileDialog()->getOwnVisible() && fileRow("tone.wav") != nullptr; },
              [] { postClick(fileRow("tone.wav")); });
    user.when("tone.wav is in FILE",
              [] { return widgetText(fileDialog()->getFileField(), "labelString") ==
                          TQCstring("tone.wav"); },
              [] { postClick(fileDialog()->getOkButton()); });
}

void checkLoaded()
{
    requireInChild(label("newvlab_000") == "tone.wav" && label("newvlab_005") == "44100" &&
                       label("newvlab_011") == "16" &&
                       label("newvlab_012") == "44100 - 1.000[s]" &&
                       label("newvlab_013") == "0 - 0.000[s]" &&
                       label("newvlab_015") == "256 - 0.006[s]" &&
                       label("newvlab_014") == "SingleChannel",
                   "the file's labels");
    requireInChild(sliderText("maximum") == "10000" && sliderText("dragInterval") == "200" &&
                       sliderText("value") == sliderText("minimum"),
                   "the slider's range for the file");
}

// Values set as the slider's own procedures take them, then its release.
void checkSliderMapping()
{
    TQCbase* slider = widget("TQCvslider", "newvsli_000");
    const long values[] = {10000, 5000, 1, -5};
    const long positions[] = {43844, 21922, 4, 0};
    for (int i = 0; i < 4; ++i) {
        setWidgetText(slider, "value", longText(values[i]));
        slider->execProcedure(2);
        const std::string what = "slider value " + std::to_string(values[i]) + " gives sample " +
                                 std::to_string(positions[i]);
        requireInChild(selpos == positions[i], what.c_str());
    }
}

void stepButton(ScenarioSteps& user, const char* button, long position, const char* value)
{
    user.then(button, [button] { postClick(widget("TQCvbtn", button)); });
    user.when(button, [position] { return selpos == position; }, [position, value] {
        const std::string what = "moved to " + std::to_string(position) + ", the slider at " +
                                 value + ", the button's change swallowed";
        requireInChild(sliderText("value") == value && SliderChangedByBtn == 0 &&
                           label("newvlab_013") == samplesAndSeconds(position).getString(-2),
                       what.c_str());
    });
}

void pickSizeSteps(ScenarioSteps& user)
{
    static TQCcomboBox* box = nullptr;
    static TQClist* list = nullptr;
    user.then("the drop-down's arrow is pressed", [] {
        box = static_cast<TQCcomboBox*>(widget("TQCcomboBox", "newcomb_000"));
        postClickAt(box, 150, 10);
    });
    user.when(
        "the drop-down is open",
        [] {
            list = static_cast<TQClist*>(findWidget("TQClist", "cw-list-newcomb_000"));
            return list != nullptr && list->getVisible();
        },
        [] {
            RECT rows = {};
            GetWindowRect(windowOf(list->getScrFrame()), &rows);
            SetCursorPos(rows.left + 40, rows.top + 3 * 20 + 10);
        });
    user.when("512 is under the pointer", [] { return list->getSelectedPos() == 3; }, [] {
        POINT at = {};
        GetCursorPos(&at);
        HWND holder = GetCapture();
        ScreenToClient(holder, &at);
        PostMessageA(holder, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageA(holder, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    });
    user.when("512 is taken", [] { return selsize == 512 && analysisSize == 512; }, [] {
        requireInChild(label("newvlab_015") == "512 - 0.012[s]" && selpos == 0 &&
                           sliderText("value") == "0",
                       "the new size, the stretch from the start");
    });
}

void typeNoiseSteps(ScenarioSteps& user)
{
    user.then("the noise level is typed", [] {
        g_session.before.clear();
        for (const Area& a : kAreas)
            g_session.before.push_back(picture(*a.dev));
        TQCbase* field = widget("TQCvifield", "newvifi_000");
        postClick(field);
        HWND frame = frameOf(widget("TQCmainWindow", "newwin000"));
        postKey(frame, VK_END);
        for (int i = 0; i < 10; ++i)
            postKey(frame, VK_BACK);
        postChars(frame, "0.001");
        postKey(frame, VK_RETURN);
    });
    user.when("the new level is taken", [] { return paraNoise == 0.001f; }, [] {
        requireInChild(selpos == 5, "Return in the noise field presses no step button");
        for (size_t i = 0; i < 5; ++i) {
            const bool same = picture(*kAreas[i].dev) == g_session.before[i];
            const bool restored = std::string(kAreas[i].name) == "newvdra_003";
            const std::string what = std::string(kAreas[i].name) +
                                     (restored ? " is drawn again" : " stays as it was");
            requireInChild(same != restored, what.c_str());
        }
    });
}

// The text typed into the size box, then Return unless told otherwise.
void typeSize(const char* text, bool withReturn)
{
    // On the field, left of the arrow.
    postClickAt(widget("TQCcomboBox", "newcomb_000"), 40, 10);
    HWND frame = frameOf(widget("TQCmainWindow", "newwin000"));
    // The field pads its text with blanks to 64 characters.
    postKey(frame, VK_END);
    for (int i = 0; i < 64; ++i)
        postKey(frame, VK_BACK);
    postChars(frame, text);
    if (withReturn)
        postKey(frame, VK_RETURN);
}

// Without the blanks the field may pad it with.
std::string sizeText()
{
    std::string text = textOf("TQCcomboBox", "newcomb_000", "labelString");
    return text.substr(0, text.find(' '));
}

// A size the box offers is taken when typed; any other puts back the size
// in use, also when it waits in the box for the next file.
void typedSizeSteps(ScenarioSteps& user)
{
    user.then("1000 is typed", [] { typeSize("1000", true); });
    user.when("512 is put back", [] { return sizeText() != "1000"; }, [] {
        requireInChild(sizeText() == "512", "the size in use is put back");
        requireInChild(selsize == 512 && analysisSize == 512 && seliii != nullptr,
                       "the analysis at 512 stays");
        typeSize("1024", true);
    });
    user.when("1024 is taken", [] { return analysisSize == 1024; }, [] {
        requireInChild(label("newvlab_015") == "1024 - 0.023[s]", "the new size's label");
        typeSize("1000", false);
        postClick(widget("TQCvbtn", "newvbtn_000"));
    });
    user.when("the file dialog lists tone.wav",
              [] { return fileDialog()->getOwnVisible() && fileRow("tone.wav") != nullptr; },
              [] {
                  postClick(fileRow("tone.wav"));
                  postClick(fileDialog()->getOkButton());
              });
    user.when("the file is loaded at the size in use", [] { return sizeText() == "1024"; }, [] {
        requireInChild(analysisSize == 1024 && selpos == 0 && seliii != nullptr,
                       "analysed at 1024");
        postClick(widget("TQCvbtn", "newvbtn_002"));
    });
    user.when("> moves the stretch", [] { return selpos == 1; }, [] {});
}

void sessionScenario()
{
    static ScenarioSteps user;
    g_session.dir.reset(new TempDir);
    g_session.samples = toneSamples();
    writeFileBytes(g_session.dir->file("tone.wav"), waveFile(1, kRate, g_session.samples));
    writeFileBytes(g_session.dir->file("para.ini"), "0 22050 -100 0\n");
    // The file dialog opens on the working directory; "para.ini" is read there.
    SetCurrentDirectoryA(g_session.dir->path().c_str());

    user.when("the main window is shown", mainWindowShown, [] {
        checkStartedWindow();
        checkStartUpOrder();
    });
    chooseFileSteps(user);
    user.when("the file is analysed", [] { return analysisSize == 256; }, [] {
        checkLoaded();
        checkScreenShowsPictures();
        checkSliderMapping();
        TQCbase* slider = widget("TQCvslider", "newvsli_000");
        postClickAt(slider, slider->getProperty("width").getLong() / 2, 7);
    });
    user.when("the slider is moved by a page", [] { return selpos == 876; }, [] {
        requireInChild(sliderText("value") == "200" && label("newvlab_013") == "876 - 0.020[s]",
                       "a press beside the knob moves it by dragInterval");
    });
    // ">>>", ">", "<<" and "<": the slider's value changes only now and then.
    stepButton(user, "newvbtn_006", 896, "204");
    stepButton(user, "newvbtn_002", 897, "204");
    stepButton(user, "newvbtn_017", 892, "203");
    stepButton(user, "newvbtn_016", 897, "204");
    pickSizeSteps(user);
    user.then(">> is pressed", [] { postClick(widget("TQCvbtn", "newvbtn_016")); });
    user.when("the stretch moves by five", [] { return selpos == 5; }, [] {});
    typeNoiseSteps(user);
    user.then("out csv is pressed", [] { postClick(widget("TQCvbtn", "newvbtn_003")); });
    user.when("four CSV files are written", [] {
        return fileExists(g_session.dir->file("toneoff000005size00512ObsPow.csv"));
    }, [] {
        checkCsvFiles();
        checkScreenShowsPictures();
        checkWholeChannelPicture();
    });
    typedSizeSteps(user);
    user.then("done", [] {
        SetCurrentDirectoryA("\\");
        g_session.dir.reset();
        std::fprintf(stderr, "session done\n");
        passInChild();
    });
    runProgram(user);
}

// ---- names beyond ASCII ----

// "tonalité" is beyond code page 932, "音声" beyond 1252: the test runs
// under en_US.UTF-8 and again under ja_JP.UTF-8.
const char* const kAccented = u8"tonalité.wav";
const char* const kJapanese = u8"音声.wav";
std::unique_ptr<TempDir> g_namesDir;

std::filesystem::path inNamesDir(const std::string& utf8)
{
    return std::filesystem::path(g_namesDir->path()) / std::filesystem::u8path(utf8);
}

std::vector<int16_t> ramp(int16_t count)
{
    std::vector<int16_t> v;
    for (int16_t i = 0; i < count; ++i)
        v.push_back(static_cast<int16_t>(i % 200 - 100));
    return v;
}

// The clock held still from the first press of a double click until the
// dialog has taken both: on a busy machine the program may take longer
// between the two than a double press allows.
std::unique_ptr<GuiTestClock> g_heldClock;

// The file is listed, taken with a double click or a click and OK, and
// read.
void chooseSteps(ScenarioSteps& user, const char* name, bool doubleClick)
{
    user.then("select WAV is pressed", [] { postClick(widget("TQCvbtn", "newvbtn_000")); });
    user.when(name, [name] { return fileDialog()->getOwnVisible() && fileRow(name) != nullptr; },
              [name, doubleClick] {
                  if (doubleClick)
                      g_heldClock.reset(new GuiTestClock(TQGFclocktime()));
                  postClick(fileRow(name));
                  if (doubleClick)
                      postClick(fileRow(name));
                  else
                      postClick(fileDialog()->getOkButton());
              });
    user.when("the file dialog is closed", [] { return !fileDialog()->getOwnVisible(); },
              [] { g_heldClock.reset(); });
}

// "out csv" writes the four files beside the recording, under its name.
void exportSteps(ScenarioSteps& user, const char* name)
{
    user.then("out csv is pressed", [] { postClick(widget("TQCvbtn", "newvbtn_003")); });
    const std::string stem = std::string(name, std::strlen(name) - 4) + "off000000size00256";
    user.when(name, [stem] { return fileExists(inNamesDir(stem + "ObsPow.csv")); }, [stem] {
        requireInChild(fileExists(inNamesDir(stem + "ObsWav.csv")) &&
                           fileExists(inNamesDir(stem + "ResPowPara0.000010000000.csv")),
                       "the CSV files carry the recording's name");
    });
}

void loadedSteps(ScenarioSteps& user, const char* name, long samples)
{
    user.when(name, [samples] { return maxsize == samples && analysisSize == 256; }, [name] {
        requireInChild(label("newvlab_000") == name, "the file's name on its label");
    });
}

void namesScenario()
{
    static ScenarioSteps user;
    g_namesDir.reset(new TempDir);
    writeFileBytes(inNamesDir(kAccented), waveFile(1, 8000, ramp(2000)));
    writeFileBytes(inNamesDir(kJapanese), waveFile(1, 8000, ramp(3000)));
    // Refused for its 8 bits, after the reader has taken its rate.
    writeFileBytes(inNamesDir(u8"brisé.wav"),
                   riffWave(waveChunk("fmt ", waveFormat(1, 11025, 8)) +
                            waveChunk("data", std::string(100, '\x80'))));
    writeFileBytes(inNamesDir("para.ini"), "0 4000 -100 0\n");
    SetCurrentDirectoryA(g_namesDir->path().c_str());

    user.when("the main window is shown", mainWindowShown, [] {});
    chooseSteps(user, kAccented, true);
    loadedSteps(user, kAccented, 2000);
    chooseSteps(user, u8"brisé.wav", true);
    user.when("the 8-bit file is refused", [] { return TQGIappMessageDialog()->getOwnVisible(); },
              [] { postClick(TQGIappMessageDialog()->getOkButton()); });
    // The message hides before the reader returns: the name tells when the
    // loaded file's state is back.
    user.when(
        "the loaded file keeps its name",
        [] {
            return !TQGIappMessageDialog()->getOwnVisible() &&
                   std::string(nameFile.getString(-2)) == kAccented;
        },
        [] { requireInChild(sampleFreq == 8000 && maxsize == 2000, "and its rate and samples"); });
    exportSteps(user, kAccented);
    chooseSteps(user, kJapanese, false);
    loadedSteps(user, kJapanese, 3000);
    exportSteps(user, kJapanese);
    user.then("done", [] {
        requireInChild(!fileExists(inNamesDir(u8"briséoff000000size00256ObsPow.csv")),
                       "nothing is written under the refused file's name");
        SetCurrentDirectoryA("\\");
        g_namesDir.reset();
        std::fprintf(stderr, "names done\n");
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
    EXPECT_EQ(0u, exitCodeWithin(child.hProcess, 10000))
        << "0 ended by closing the window, 98 still running after 10 s";
}

TEST(ProgramDeathTest, TheReaderAsksForTheChannelAndExplainsRefusalsInItsDialogs)
{
    EXPECT_EXIT(channelScenario(), ::testing::ExitedWithCode(0), "scenario done");
}

TEST(ProgramDeathTest, ASessionOfFileSliderStepsSizeNoiseAndExportAsAUserDrivesIt)
{
    EXPECT_EXIT(sessionScenario(), ::testing::ExitedWithCode(0), "session done");
}

TQ_FRESH_PROCESS_TEST(ProgramDeathTest, NamesBeyondTheCodePageAreListedReadAndExportedBeside,
                      namesScenario(), "names done")
