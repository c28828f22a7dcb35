// Times the program as the user meets it, on this machine under Wine:
//   1. start-up: from starting the built program in its layout to its main
//      window painted on the screen (the axis of a spectrum area seen);
//   2. "select WAV" of a 10-minute 44.1 kHz stereo file at n = 32768: the
//      real procedure on the real start-up and loop, its dialogs answered at
//      once, with the peak memory of the process against the file's size;
//   3. a slider move at n = 32768 until the five areas are repainted: the
//      slider's value change and its release, as the user's drag ends, in
//      the program's folder, whose para.ini makes the spectra drawn.
// Prints the figures; it is a measurement, not a test.
#include "GuiTestApp.h"
#include "TQGFwinMain.h"
#include "TempDir.h"
#include "WaveBytes.h"
#include "_TQCbase.h"
#include "_TQCfileSelect.h"
#include "appDialogs.h"
#include "appProcedures.h"
#include "appWidgets.h"
#include "analysisMessage.h"
#include "analysisPass.h"
#include "analysisState.h"
#include "readWave.h"
#include "workPool.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::chrono::steady_clock Clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string besideThisProgram(const char* relative)
{
    char self[MAX_PATH];
    std::string path(self, GetModuleFileNameA(nullptr, self, sizeof self));
    return path.substr(0, path.find_last_of('\\') + 1) + relative;
}

// A pixel of the screen: the program draws in another process.
bool screenPixelIsDark(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c != CLR_INVALID && GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
}

// The plain spectrum's area lies at (6, 278) of the window, 330 wide: its
// axis runs down x = 9 from y = 9.
void benchStartUp()
{
    const std::string bin = besideThisProgram("tidewell\\bin");
    std::string line = "\"" + bin + "\\tidewell.exe\"";
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION child = {};
    const Clock::time_point begun = Clock::now();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, bin.c_str(),
                        &start, &child)) {
        std::printf("start-up: %s does not start\n", line.c_str());
        return;
    }
    CloseHandle(child.hThread);
    HWND window = nullptr;
    double shown = -1, painted = -1;
    while (millisecondsSince(begun) < 10000 && painted < 0) {
        if (window == nullptr && (window = FindWindowA(nullptr, "Tidewell ver.0.91")) != nullptr)
            shown = millisecondsSince(begun);
        if (window != nullptr) {
            POINT axis = {6 + 9, 278 + 165};
            ClientToScreen(window, &axis);
            if (screenPixelIsDark(axis.x, axis.y) && !screenPixelIsDark(axis.x + 3, axis.y))
                painted = millisecondsSince(begun);
        }
        Sleep(1);
    }
    std::printf("start-up: window after %.0f ms, painted after %.0f ms (aim: 1000 ms)\n", shown,
                painted);
    if (window != nullptr)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(child.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(child.hProcess, 1);
    CloseHandle(child.hProcess);
}

// ---- inside the program ----

const long kSeconds = 600;
const long kRate = 44100;

struct Run {
    std::unique_ptr<TempDir> dir;
    std::string wave;
    double fileBytes = 0;
};
Run g_run;

// Two channels of tones and a little noise, written in pieces.
void writeLongStereoFile(const std::string& path)
{
    const long frames = kSeconds * kRate;
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(frames) * 4;
    out << "RIFF" << littleEndian(36 + dataBytes, 4) << "WAVE"
        << "fmt " << littleEndian(16, 4) << waveFormat(2, kRate, 16) << "data"
        << littleEndian(dataBytes, 4);
    std::vector<int16_t> block;
    uint32_t noise = 1;
    for (long i = 0; i < frames; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double t = static_cast<double>(i) / kRate;
        const double left = 8000 * std::sin(2 * 3.141592653589793 * 440 * t);
        const double right = 6000 * std::sin(2 * 3.141592653589793 * 1250 * t);
        block.push_back(static_cast<int16_t>(left + static_cast<int>(noise >> 24) - 128));
        block.push_back(static_cast<int16_t>(right));
        if (block.size() == 1 << 16 || i + 1 == frames) {
            out << pcm16(block);
            block.clear();
        }
    }
    g_run.fileBytes = 44.0 + dataBytes;
}

// The user answers every dialog at once: the file, then the left channel.
long answerAtOnce(TQCbase*)
{
    return 1;
}

TQCstring benchFile(TQCbase*)
{
    return TQCstring(g_run.wave.c_str());
}

TQCbase* fileSelect()
{
    return TQGIappFileSelect();
}

void messageShown(const char* message, const char*, const char*)
{
    std::printf("message: %s\n", message);
}

double privateMegabytes(bool peak)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return (peak ? counters.PeakPagefileUsage : counters.PagefileUsage) / 1048576.0;
}

template <typename Step>
double timed(Step step)
{
    const Clock::time_point begun = Clock::now();
    step();
    GdiFlush();
    return millisecondsSince(begun);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The slider values of the moves.
std::vector<long> sliderValues()
{
    std::vector<long> values;
    for (long value = 500; value <= 9500; value += 500)
        values.push_back(value);
    return values;
}

// The steps of the two procedures replayed one by one at the same positions,
// against the medians of the real moves; what is left is the procedures'
// dispatch and the slider's own repaint, for which the toolkit repaints the
// whole window (its background and every widget, the five pictures copied
// again). The pass is timed as the program runs it, and its computation and
// drawing each on their own: it draws two spectra while the pool computes
// the restoration.
void printBreakdown(double change, double release)
{
    std::vector<double> label, stretch, whole, pass, computed, drawn;
    const SignalRange range = signalRange();
    for (long value : sliderValues()) {
        selpos = sliderToSelpos(value);
        label.push_back(timed([] { setLabelText("newvlab_013", samplesAndSeconds(selpos)); }));
        stretch.push_back(timed([&] { drawStretch(siii + selpos, range); }));
        whole.push_back(timed([&] {
            copyStretch(selpos);
            drawWholeSignal(selpos, range);
        }));
        pass.push_back(timed(analysisPass));
        computed.push_back(timed(allThreeSpectra));
        drawn.push_back(timed(displaySpectra));
    }
    const double l = median(label), s = median(stretch), w = median(whole), p = median(pass);
    std::printf("  value change %.1f ms: label %.1f, stretch drawn %.1f, the rest (the "
                "slider's repaint, which repaints the whole window) %.1f ms\n",
                change, l, s, change - l - s);
    std::printf("  release %.1f ms: stretch copied and whole channel drawn %.1f, analysis "
                "pass %.1f (spectra computed %.1f on %d threads, drawn %.1f, two of them "
                "during the computation), the rest %.1f ms\n",
                release, w, p, median(computed), poolThreads(), median(drawn),
                release - w - p);
}

// Reading the file and taking its channel again, for the share of the load.
double readingTime()
{
    return timed([] { loadWave(); });
}

void benchLoadAndSlider()
{
    setAppDialogHandlers({answerAtOnce, fileSelect, nullptr, benchFile});
    setAnalysisMessageSink(messageShown);
    if (TQCbase* sizes = findWidget("TQCcomboBox", "newcomb_000"))
        setWidgetText(sizes, "labelString", "32768");
    const double before = privateMegabytes(false);

    const Clock::time_point begun = Clock::now();
    wave1act_ep(findWidget("TQCvbtn", "newvbtn_000"));
    GdiFlush();
    const double loaded = millisecondsSince(begun);
    const double peak = privateMegabytes(true);
    const double times = (peak - before) * 1048576.0 / g_run.fileBytes;

    TQCbase* slider = findWidget("TQCvslider", "newvsli_000");
    std::vector<double> moves, changes, releases;
    for (long value : sliderValues()) {
        const Clock::time_point moved = Clock::now();
        setWidgetText(slider, "value", longText(value));
        GdiFlush();
        changes.push_back(millisecondsSince(moved));
        const Clock::time_point released = Clock::now();
        slider->execProcedure(2);
        GdiFlush();
        releases.push_back(millisecondsSince(released));
        moves.push_back(millisecondsSince(moved));
    }
    const double move = median(moves);
    std::printf("slider move to five areas repainted at n = %ld: median %.1f ms, max %.1f ms "
                "(aim: 16 ms, %.2f of it)\n",
                selsize, move, *std::max_element(moves.begin(), moves.end()), move / 16);
    printBreakdown(median(changes), median(releases));
    const double reading = readingTime();
    std::printf("load and analyse: %.1f MB stereo file, %ld samples at n = %ld in %.0f ms "
                "(aim: 250 ms, %.2f of it); reading the file and taking the channel %.0f ms\n",
                g_run.fileBytes / 1048576.0, maxsize, selsize, loaded, loaded / 250, reading);
    std::printf("memory: %.1f MB before, peak %.1f MB: %.2f x the file (aim: 3 x, %.2f of it)\n",
                before, peak, times, times / 3);
    std::fflush(stdout);
    g_run.dir.reset();
    std::_Exit(0);
}

void CALLBACK benchWhenUp(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    benchLoadAndSlider();
}

void benchInsideProgram()
{
    g_run.dir.reset(new TempDir);
    g_run.wave = g_run.dir->file("long.wav");
    const Clock::time_point writing = Clock::now();
    writeLongStereoFile(g_run.wave);
    std::printf("(the file written in %.0f ms)\n", millisecondsSince(writing));
    std::fflush(stdout);
    // The program's own folder, with the display ranges of its para.ini.
    SetCurrentDirectoryA(besideThisProgram("tidewell\\bin").c_str());
    armWatchdog(120000, "the program bench hung");
    // Once the loop runs, the main window is up.
    SetTimer(nullptr, 0, 500, benchWhenUp);
    __win_main(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
}

} // namespace

int main()
{
    benchStartUp();
    std::fflush(stdout);
    benchInsideProgram();
    return 0;
}
