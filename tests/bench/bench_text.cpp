// Times the multi-line input field and the text field holding a large text,
// on a real window under Wine, through posted input as a user gives it:
// a repaint of the window, a click in the text, the Down key, a typed
// character and a paste (Ctrl+V) of two lines, each from its message
// posted until the queue has run empty, with the view three quarters down
// the text. Texts of 128 KB and 1 MB of UTF-8 (lines of 0 to 100 bytes,
// tabs, accented and Japanese characters). Prints the median and the
// largest time of each operation; it is a measurement, not a test.
//
//     tq_bench_text.exe [runs] [kilobytes...]
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "SampleText.h"
#include "TQDwinformDev.h"
#include "_TQCfontSet.h"
#include "_TQCtextField.h"
#include "_TQCvmifield.h"
#include "_TQDfont.h"
#include "_TQGFstring.h"
#include "_TQN.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

typedef std::chrono::steady_clock Clock;

const DWORD kPatience = 600000;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void putOnClipboard(const char* text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    size_t n = std::strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    std::memcpy(GlobalLock(block), text, n);
    GlobalUnlock(block);
    if (SetClipboardData(CF_TEXT, block) == nullptr)
        GlobalFree(block);
    CloseClipboard();
}

class Bench {
public:
    // The field lies at (fieldX, fieldY) of the window.
    Bench(GuiControlScene& scene, TQCvmifield* field, HWND window, long fieldX, long fieldY)
        : m_scene(scene), m_field(field), m_x(fieldX), m_y(fieldY), m_hwnd(window)
    {
    }

    // Milliseconds from posting the messages until none is left, the
    // repaints they lead to included.
    double timed(std::initializer_list<MSG> messages)
    {
        Clock::time_point start = Clock::now();
        for (const MSG& m : messages)
            PostMessageA(m_hwnd, m.message, m.wParam, m.lParam);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        GdiFlush();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    // The field painted whole, as after a change of its properties.
    double repaint()
    {
        Clock::time_point start = Clock::now();
        m_field->setAbsoluteDraw(1);
        m_field->draw();
        GdiFlush();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    // Alternately on the sixth and the ninth line of the view.
    double click(int run)
    {
        long lh = TQGIappFontSet()->getFont(m_field->getProperty(_TQNfont()).getLong())
                      ->getFontHeight();
        LPARAM at = MAKELPARAM(m_x + 60 + 40 * (run % 2), m_y + lh * (5 + 3 * (run % 2)) + lh / 2);
        return timed({message(WM_MOUSEMOVE, 0, at), message(WM_LBUTTONDOWN, MK_LBUTTON, at),
                      message(WM_LBUTTONUP, 0, at)});
    }

    double key(UINT vk)
    {
        return timed({message(WM_KEYDOWN, vk, 1), message(WM_KEYUP, vk, 0xC0000001)});
    }

    double type(char c) { return timed({message(WM_CHAR, static_cast<unsigned char>(c), 1)}); }

    double paste()
    {
        putOnClipboard("pasted line one\r\nand the second\r\n");
        m_scene.hold({VK_CONTROL}, true);
        double ms = key('V');
        m_scene.hold({VK_CONTROL}, false);
        return ms;
    }

private:
    static MSG message(UINT m, WPARAM w, LPARAM l)
    {
        MSG msg = {};
        msg.message = m;
        msg.wParam = w;
        msg.lParam = l;
        return msg;
    }

    GuiControlScene& m_scene;
    TQCvmifield* m_field;
    long m_x, m_y;
    HWND m_hwnd;
};

struct Figures {
    std::vector<double> repaint, click, down, type, paste;
};

void report(const char* what, const std::vector<double>& times)
{
    std::printf("  %-18s median %9.1f ms   max %9.1f ms\n", what, median(times),
                *std::max_element(times.begin(), times.end()));
}

// The field's view three quarters down the text, the cursor at a line's
// start there, the field focused by a click.
void placeView(Bench& bench, TQCvmifield* field)
{
    bench.click(0);
    const unsigned short* buf = field->getBuf();
    long length = TQGFstrlenUCS2(buf);
    long at = length * 3 / 4;
    while (at > 0 && buf[at - 1] != '\n')
        --at;
    field->setSelect(at, 0);
    pumpPendingMessages(kPatience);
}

void measure(GuiControlScene& scene, TQCvmifield* field, HWND window, long fieldX, long fieldY,
             int runs, const char* name, size_t bytes)
{
    Bench bench(scene, field, window, fieldX, fieldY);
    placeView(bench, field);
    long before = TQGFstrlenUCS2(field->getBuf());
    long lines = TQGFgetLinesUCS2(field->getBuf());
    Figures f;
    for (int run = 0; run < runs; ++run) {
        f.repaint.push_back(bench.repaint());
        f.click.push_back(bench.click(run));
        f.down.push_back(bench.key(VK_DOWN));
        f.type.push_back(bench.type('x'));
        f.paste.push_back(bench.paste());
    }
    // The whole text copied (Ctrl+Home, Ctrl+Shift+End, Ctrl+C) and pasted
    // at its end, once.
    scene.hold({VK_CONTROL}, true);
    bench.key(VK_HOME);
    scene.hold({VK_SHIFT}, true);
    bench.key(VK_END);
    scene.hold({VK_SHIFT}, false);
    double copied = bench.key('C');
    bench.key(VK_END);
    double pasted = bench.key('V');
    scene.hold({VK_CONTROL}, false);
    long length = TQGFstrlenUCS2(field->getBuf());
    std::printf("%s, %zu KB (%ld characters, %ld lines), %d runs:\n", name, bytes / 1024,
                before, lines, runs);
    // Each run types one character and pastes 31; then the text is doubled.
    if (TQCbase::getFocusInstance() != field || length != 2 * (before + 32 * runs))
        std::printf("  the input did not reach the field as it should\n");
    report("repaint", f.repaint);
    report("click", f.click);
    report("Down key", f.down);
    report("typed character", f.type);
    report("paste of two lines", f.paste);
    std::printf("  %-18s %9.1f ms\n  %-18s %9.1f ms\n", "copy of it all", copied,
                "paste of it all", pasted);
    std::fflush(stdout);
}

HWND windowOf(TQCbase* form)
{
    return static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"))->getHWND();
}

void setText(TQCvmifield* field, const std::string& text)
{
    field->setBuf(TQGFgetUCS2(text.c_str(), 16));
    pumpPendingMessages(kPatience);
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    std::vector<size_t> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(static_cast<size_t>(std::atol(argv[i])) * 1024);
    if (sizes.empty())
        sizes = {128 * 1024, 1024 * 1024};
    armWatchdog(3600000, "the text bench hung");
    // The two side by side, the text field's view as large as the field's.
    GuiControlScene scene(10, 10, 1240, 460);
    const short x = 20, y = 20, w = 560, h = 400;
    TQCvmifield* field = scene.add<TQCvmifield>("m", x, y, w, h);
    TQCtextField* textField = new TQCtextField(scene.form, "t");
    textField->initialize();
    GuiControlScene::place(textField, x + w + 40, y, w + 20, h + 20);
    textField->setVisible(1);
    scene.show();
    // The text field's input field fills the window of its inner form.
    TQCvmifield* inner = textField->getTextFrame();
    for (size_t bytes : sizes) {
        std::string text = sampleLines(bytes);
        setText(field, text);
        measure(scene, field, scene.hwnd(), x, y, runs, "multi-line input field", bytes);
        setText(field, "");
        setText(inner, text);
        measure(scene, inner, windowOf(inner->getParent()), 0, 0, runs, "text field", bytes);
        setText(inner, "");
    }
    std::fflush(stdout);
    std::_Exit(0);
}
