// A user's whole session on the real start-up and event loop, by posted
// input: a WAV file chosen in the file dialog, the slider moved, the step
// buttons pressed, a size picked in the drop-down, a noise level typed and
// the curves exported; the CSV files checked against a transform and
// decibels worked out here, the screen against the off-screen pictures.
#include "FileBytes.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "ScenarioSteps.h"
#include "TQGFwinMain.h"
#include "TempDir.h"
#include "WaveBytes.h"
#include "_TQCcomboBox.h"
#include "_TQCfileSelect.h"
#include "_TQClist.h"
#include "_TQCscrForm.h"
#include "_TQCscrFrame.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQDmwindowDev.h"
#include "analysisPass.h"
#include "analysisState.h"
#include "appWidgets.h"
#include "cmnDraw.h"
#include "readWave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const double kPi = 3.141592653589793;
const long kRate = 44100;

struct Session {
    std::unique_ptr<TempDir> dir;
    std::vector<int16_t> samples;
    // The five pictures before the noise level was typed.
    std::vector<std::vector<unsigned char>> before;
};
Session g_session;

TQCbase* widget(const char* className, const char* name)
{
    TQCbase* found = findWidget(className, name);
    requireInChild(found != nullptr, name);
    return found;
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
    const std::string base = g_session.dir->file("toneoff000000size00512");
    const Rows wave = readRows(base + "ObsWav.csv");
    const Rows restoredWave = readRows(base + "ResPowPara" + noise + "Wav0.010.csv");
    const Rows power = readRows(base + "ObsPow.csv");
    const Rows restored = readRows(base + "ResPowPara" + noise + ".csv");

    const std::vector<double> stretch(g_session.samples.begin(), g_session.samples.begin() + 512);
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

// ---- the session ----

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
    user.then(button, [button] {
        const char* names[] = {"newvbtn_001", "newvbtn_002", "newvbtn_017", "newvbtn_016",
                               "newvbtn_005", "newvbtn_006"};
        const char* labels[] = {"<", ">", "<<", ">>", "<<<", ">>>"};
        for (int i = 0; i < 6; ++i)
            if (std::string(labels[i]) == button)
                postClick(widget("TQCvbtn", names[i]));
    });
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
    });
    user.when("the new level is taken", [] { return paraNoise == 0.001f; }, [] {
        for (size_t i = 0; i < 5; ++i) {
            const bool same = picture(*kAreas[i].dev) == g_session.before[i];
            const bool restored = std::string(kAreas[i].name) == "newvdra_003";
            const std::string what = std::string(kAreas[i].name) +
                                     (restored ? " is drawn again" : " stays as it was");
            requireInChild(same != restored, what.c_str());
        }
    });
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

    user.when("the main window is shown", [] {
        TQCbase* main = findWidget("TQCmainWindow", "newwin000");
        return main != nullptr && main->getVisible();
    }, [] {
        requireInChild(textOf("TQCcomboBox", "newcomb_000", "labelString") ==
                               "256" + std::string(61, ' ') &&
                           textOf("TQCcomboBox", "newcomb_000", "menuItems") ==
                               "64,128,256,512,1024,2048,4096,8192,16384,32768",
                       "the size field shows 256 and offers the ten sizes");
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
    stepButton(user, ">>>", 896, "204");
    stepButton(user, ">", 897, "204");
    stepButton(user, "<<", 892, "203");
    stepButton(user, "<", 891, "203");
    pickSizeSteps(user);
    typeNoiseSteps(user);
    user.then("out csv is pressed", [] { postClick(widget("TQCvbtn", "newvbtn_003")); });
    user.when("four CSV files are written", [] {
        return fileExists(g_session.dir->file("toneoff000000size00512ObsPow.csv"));
    }, [] {
        checkCsvFiles();
        checkScreenShowsPictures();
        checkWholeChannelPicture();
        SetCurrentDirectoryA("\\");
        g_session.dir.reset();
        std::fprintf(stderr, "session done\n");
        passInChild();
    });

    armWatchdog(60000, "the session hung");
    user.start();
    __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    requireInChild(false, "the event loop ended before the session");
}

} // namespace

TEST(ProgramSessionDeathTest, FileSliderStepsSizeNoiseAndExportAsAUserDrivesThem)
{
    EXPECT_EXIT(sessionScenario(), ::testing::ExitedWithCode(0), "session done");
}
