// The multi-line field and the text field on the real devices under Xvfb:
// typed lines scroll the view to keep the cursor in it, a placed view is
// copied and only the strips it uncovers are exposed, to the same pixels a
// full repaint gives; the text field scrolls by a posted wheel and by a
// click on a bar's arrow; a megabyte of text keeps every edit made by keys,
// clicks and the clipboard, and a long text shows the lines on view as a
// text of only those lines shows them. Line heights come from the font
// set. Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "SampleText.h"
#include "TQDwinformDev.h"
#include "_TQCfontSet.h"
#include "_TQCtextField.h"
#include "_TQCvmifield.h"
#include "_TQDfont.h"
#include "_TQDmouse.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Area {
    long x, y, w, h;
    bool operator==(const Area& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

// A multi-line field that notes each area exposed to it, in the window's
// coordinates.
class NotingField : public TQCvmifield {
public:
    using TQCvmifield::TQCvmifield;
    long draw() override
    {
        short x = 0, y = 0;
        unsigned short w = 0, h = 0;
        TQDdev* dev = getowndev();
        if (!getAbsoluteDraw() && getVisible() && dev != nullptr &&
            dev->getExposedArea(&x, &y, &w, &h, 0) == 0)
            exposed.push_back({x, y, w, h});
        return TQCvmifield::draw();
    }
    std::vector<Area> exposed;
};

long number(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

// The field as it shows now, then as a whole repaint at the same view
// shows it.
bool showsAsRepainted(GuiControlScene& scene, TQCbase* field, const Area& at)
{
    std::unique_ptr<DibSurface> shown = captureWindow(scene.hwnd(), at.x, at.y, at.w, at.h);
    field->setAbsoluteDraw(1);
    field->draw();
    std::unique_ptr<DibSurface> repainted = captureWindow(scene.hwnd(), at.x, at.y, at.w, at.h);
    return shown->differences(*repainted, at.w, at.h) == 0;
}

void multiLineScenario()
{
    armWatchdog(60000, "the multi-line field scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    const Area at = {20, 20, 200, 80};
    NotingField* field = scene.add<NotingField>("m", at.x, at.y, at.w, at.h);
    scene.show();
    long x = -1, y = -1;
    field->getCursorBase(&x, &y);
    requireInChild(x == 0 && y == 0, "a new field's view starts at (0, 0)");

    scene.click(30, 30);
    for (int i = 0; i < 10; ++i) {
        if (i > 0)
            scene.key(VK_RETURN);
        scene.type(("line 0" + std::to_string(i)).c_str());
    }
    std::string text = field->getString().getString(16);
    requireInChild(text.size() == 79 && std::count(text.begin(), text.end(), '\n') == 9,
                   "Return adds a line feed, and the text goes past maxLength");
    long fh = TQGIappFontSet()->getFont(number(field, _TQNfont()))->getFontHeight();
    long t = number(field, _TQNshadowThickness());
    long areaHeight = at.h - 2 * t - number(field, _TQNmarginTop()) -
                      number(field, _TQNmarginBottom());
    field->getCursorBase(&x, &y);
    requireInChild(y == 10 * fh + 2 - areaHeight,
                   "the tenth line's bottom ends 2 pixels above the text area's");

    field->setFocus(0);
    pumpPendingMessages(5000);
    field->exposed.clear();
    field->setCursorBase(x + 20, y);
    long x0 = at.x + t, y0 = at.y + t, kept = at.w - 20 - 2 * t;
    requireInChild(field->exposed == std::vector<Area>{{x0 + kept - 2, y0 - 2, 24, at.h - 2 * t + 4}},
                   "a move right exposes the strip it uncovers on the right, 2 pixels wider");
    requireInChild(showsAsRepainted(scene, field, at), "copied right, as repainted");
    field->setCursorBase(x + 20, y - 2 * fh);
    requireInChild(showsAsRepainted(scene, field, at), "copied down, as repainted");

    field->exposed.clear();
    field->setCursorBase(0, y + 70000);
    requireInChild(field->exposed == std::vector<Area>{{x0, y0, at.w - 2 * t, at.h - 2 * t}},
                   "a jump beyond 16 bits exposes the whole inside");
    field->exposed.clear();
    field->setCursorBase(0, y + 70000);
    requireInChild(field->exposed.empty(), "the same origin again exposes nothing");

    field->setVisible(0);
    pumpPendingMessages(5000);
    field->exposed.clear();
    field->setCursorBase(3, 4);
    field->getCursorBase(&x, &y);
    requireInChild(x == 3 && y == 4 && field->exposed.empty(), "hidden, the origin is only kept");
    passInChild();
}

std::vector<std::string> g_log;

void noteActivate(TQCbase* object)
{
    g_log.push_back(std::string(object->getInstanceName()) + " activate");
}

long offsetY(TQCtextField* field)
{
    long x = 0, y = 0;
    field->getTextFrame()->getCursorBase(&x, &y);
    return y;
}

HWND windowOf(TQCbase* form)
{
    return static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"))->getHWND();
}

void textFieldScenario()
{
    armWatchdog(60000, "the text field scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    TQCtextField* field = new TQCtextField(scene.form, "notes");
    field->initialize();
    GuiControlScene::place(field, 10, 10, 200, 100);
    std::string text = "line 0";
    for (int i = 1; i < 30; ++i)
        text += "\nline " + std::to_string(i);
    field->setPropertyV(_TQNlabelString(), text.c_str());
    field->addProcedureV("a", nullptr, noteActivate, TQEV_ACTIVATE);
    field->setVisible(1);
    scene.show();
    requireInChild(TQGIappMouse()->getMouseFocusClient() == field, "shown, it takes the wheel");

    HWND window = windowOf(field);
    postInput(window, WM_MOUSEWHEEL, 0xFF880000, MAKELPARAM(100, 100));
    pumpPendingMessages(5000);
    requireInChild(offsetY(field) == 30 && field->getVScrBar()->getValue() == 30,
                   "a notch down scrolls the text and its bar by 30 pixels");
    postInput(window, WM_MOUSEWHEEL, 0x00780000, MAKELPARAM(100, 100));
    pumpPendingMessages(5000);
    requireInChild(offsetY(field) == 0, "a notch up scrolls back");

    // The increment arrow, wherever the bar draws it.
    TQCvscrBar* bar = field->getVScrBar();
    long bx = number(bar, _TQNx()), by = number(bar, _TQNy());
    long bw = number(bar, _TQNwidth()), bh = number(bar, _TQNheight());
    long arrow = -1;
    for (long py = bh - 1; py >= 0 && arrow < 0; --py) {
        if (bar->_bar_in(static_cast<short>(bw / 2), static_cast<short>(py), 0, 0,
                         static_cast<unsigned short>(bw), static_cast<unsigned short>(bh),
                         static_cast<unsigned short>(number(bar, _TQNshadowThickness()))) ==
            TQCvscrBar::PART_INCREMENT)
            arrow = py;
    }
    requireInChild(arrow >= 0, "the bar has an increment arrow");
    LPARAM point = MAKELPARAM(bx + bw / 2, by + arrow);
    postInput(window, WM_MOUSEMOVE, 0, point);
    postInput(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    postInput(window, WM_LBUTTONUP, 0, point);
    pumpPendingMessages(5000);
    requireInChild(offsetY(field) == number(bar, _TQNincrement()) && offsetY(field) > 0,
                   "a click on the arrow scrolls the text by the bar's increment");
    requireInChild(g_log == std::vector<std::string>{"notes activate"},
                   "the bar's activation is the text field's");
    passInChild();
}

std::u16string utf16(const std::string& utf8)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::u16string out(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                        reinterpret_cast<wchar_t*>(&out[0]), n);
    return out;
}

std::string utf8Of(const std::u16string& text)
{
    const wchar_t* units = reinterpret_cast<const wchar_t*>(text.data());
    int size = static_cast<int>(text.size());
    std::string out(static_cast<size_t>(
                        WideCharToMultiByte(CP_UTF8, 0, units, size, nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(CP_UTF8, 0, units, size, &out[0], static_cast<int>(out.size()), nullptr,
                        nullptr);
    return out;
}

std::u16string bufferOf(TQCvifield* field)
{
    const unsigned short* buf = field->getBuf();
    return std::u16string(buf, buf + TQGFstrlenUCS2(buf));
}

std::string utf8Of(TQCvifield* field)
{
    return field->getString().getString(16);
}

void putOnClipboard(const char* ansi)
{
    requireInChild(OpenClipboard(nullptr) != 0, "the clipboard opens");
    EmptyClipboard();
    size_t n = std::strlen(ansi) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    std::memcpy(GlobalLock(block), ansi, n);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

// Keys posted to a multi-line field in insert mode, each followed by what
// it does to a model of the text, the cursor and the selection (from anchor
// to cursor); a cursor that leaves the model's place ends the scenario.
class Editing {
public:
    Editing(GuiControlScene& scene, TQCvifield* field, const std::u16string& text)
        : text(text), m_scene(scene), m_field(field)
    {
    }

    void press(UINT vk, std::initializer_list<int> held)
    {
        m_scene.hold(held, true);
        m_scene.key(vk);
        m_scene.hold(held, false);
    }
    // Moves keep the selection's anchor only with Shift; Backspace and
    // Delete without a selection delete the character before or at the
    // cursor.
    void key(UINT vk, std::initializer_list<int> held = {}, int times = 1)
    {
        bool shift = std::count(held.begin(), held.end(), VK_SHIFT) != 0;
        bool control = std::count(held.begin(), held.end(), VK_CONTROL) != 0;
        for (int i = 0; i < times; ++i) {
            press(vk, held);
            long start = lineStart(cursor), end = lineEnd(cursor);
            long onLineFeed = cursor > 0 && cursor < length() && text[cursor] == u'\n';
            long target = 0;
            switch (vk) {
            case VK_UP:
            case VK_DOWN:
                target = vk == VK_DOWN ? (end < length() ? end + 1 : start)
                                       : (start > 0 ? lineStart(start - 1) : 0);
                cursor = target + std::min(cursor - start, lineEnd(target) - target);
                break;
            case VK_LEFT:
                cursor = std::max(cursor - 1, 0L);
                break;
            case VK_RIGHT:
                cursor = std::min(cursor + 1, length());
                break;
            case VK_HOME:
                cursor = control ? 0 : lineStart(cursor - onLineFeed);
                break;
            case VK_END:
                cursor = control ? length() : end;
                break;
            case VK_BACK:
                anchor -= anchor == cursor && cursor > 0 ? 1 : 0;
                insert(u"");
                break;
            case VK_DELETE:
                anchor += anchor == cursor && cursor < length() ? 1 : 0;
                insert(u"");
                break;
            case VK_RETURN:
                insert(u"\n");
                break;
            }
            if (!shift)
                anchor = cursor;
            check(("the key " + std::to_string(vk)).c_str());
        }
    }
    // Ctrl+V of a text of the ANSI code page put on the clipboard, or
    // characters of that code page, one WM_CHAR each; the field takes them
    // as `typed`.
    void paste(const char* ansi, const std::u16string& typed)
    {
        putOnClipboard(ansi);
        press('V', {VK_CONTROL});
        insert(typed);
        check("a paste");
    }
    void type(const char* ansi, const std::u16string& typed)
    {
        m_scene.type(ansi);
        insert(typed);
        check("typing");
    }
    long from() const { return std::min(anchor, cursor); }
    std::u16string selected() const { return text.substr(from(), std::max(anchor, cursor) - from()); }
    void check(const char* what)
    {
        long at = m_field->getSelectedPos();
        requireInChild(at == from(), (std::string(what) + " leaves the cursor at " +
                                      std::to_string(at) + ", not at " + std::to_string(from()))
                                         .c_str());
    }
    void checkText(const char* what) { requireInChild(bufferOf(m_field) == text, what); }

    std::u16string text;
    long cursor = 0;
    long anchor = 0;

private:
    long length() const { return static_cast<long>(text.size()); }
    long lineStart(long p) const
    {
        while (p > 0 && text[p - 1] != u'\n')
            --p;
        return p;
    }
    long lineEnd(long p) const
    {
        while (p < length() && text[p] != u'\n')
            ++p;
        return p;
    }
    // In place of the selection.
    void insert(const std::u16string& typed)
    {
        long at = from();
        text.replace(at, std::max(anchor, cursor) - at, typed);
        cursor = anchor = at + static_cast<long>(typed.size());
    }

    GuiControlScene& m_scene;
    TQCvifield* m_field;
};

long fontHeightOf(TQCbase* field)
{
    return TQGIappFontSet()->getFont(number(field, _TQNfont()))->getFontHeight();
}

void megabyteScenario()
{
    armWatchdog(100000, "the megabyte scenario hung");
    GuiControlScene scene(50, 60, 420, 300);
    TQCvmifield* field = scene.add<TQCvmifield>("m", 10, 10, 400, 280);
    scene.show();
    const std::string utf8 = sampleLines(1 << 20);
    field->setPropertyV(_TQNlabelString(), utf8.c_str());
    Editing edit(scene, field, utf16(utf8));
    edit.checkText("a megabyte of text is kept as set");
    requireInChild(utf8Of(field) == utf8, "and given back byte for byte");

    // A click on the fifth line of the view.
    long lh = fontHeightOf(field);
    long top = 10 + number(field, _TQNshadowThickness()) + number(field, _TQNmarginTop());
    scene.click(150, static_cast<int>(top + 4 * lh + lh / 2));
    requireInChild(TQCbase::getFocusInstance() == field, "the click gives the field the focus");
    edit.cursor = edit.anchor = field->getSelectedPos();
    size_t fifth = 0;
    for (int i = 0; i < 4; ++i)
        fifth = edit.text.find(u'\n', fifth) + 1;
    requireInChild(edit.cursor >= static_cast<long>(fifth) &&
                       edit.cursor <= static_cast<long>(edit.text.find(u'\n', fifth)),
                   "the click places the cursor on the line under it");

    // Across the whole text and back, editing at either end.
    edit.key(VK_END, {VK_CONTROL});
    edit.type("tail", u"tail");
    edit.key(VK_RETURN);
    edit.type("\xe9t\xe9", u"\u00e9t\u00e9");
    edit.key(VK_UP, {}, 25);
    edit.key(VK_LEFT, {}, 40);
    edit.key(VK_RIGHT, {}, 5);
    edit.key(VK_BACK, {}, 3);
    edit.key(VK_DELETE, {}, 3);
    edit.checkText("typed, moved and deleted at the end of the text");
    edit.key(VK_HOME, {VK_CONTROL});
    edit.key(VK_DOWN, {}, 30);
    edit.key(VK_RIGHT, {}, 60);
    edit.type("mid", u"mid");

    // Lines joined from either side, and selections across lines deleted
    // and typed over.
    edit.key(VK_HOME);
    edit.key(VK_BACK);
    edit.key(VK_END);
    edit.key(VK_DELETE);
    edit.key(VK_DOWN, {VK_SHIFT}, 3);
    edit.key(VK_RIGHT, {VK_SHIFT}, 2);
    requireInChild(utf16(field->getSelectedString().getString(16)) == edit.selected(),
                   "Shift with the arrows selects across lines");
    edit.key(VK_DELETE);
    edit.key(VK_UP, {VK_SHIFT}, 2);
    edit.type("Z", u"Z");
    edit.checkText("lines joined, a selection deleted and one typed over");

    // A paste at a line's start, copied again and pasted at the end.
    edit.key(VK_DOWN, {}, 2);
    edit.key(VK_HOME);
    const char* pasted = "pasted\r\nsecond \xe9t\xe9\tline\r\n";
    const std::u16string lines = u"pasted\nsecond \u00e9t\u00e9\tline\n";
    edit.paste(pasted, lines);
    edit.key(VK_UP, {VK_SHIFT}, 2);
    edit.press('C', {VK_CONTROL});
    requireInChild(clipboardText() == pasted, "Ctrl+C copies the two pasted lines");
    edit.key(VK_END, {VK_CONTROL});
    edit.paste(pasted, lines);
    edit.checkText("a megabyte of text keeps every edit");
    requireInChild(utf8Of(field) == utf8Of(edit.text), "and gives it back in UTF-8 byte for byte");
    passInChild();
}

// The field as drawn now, cursor shown, without a message in between.
std::unique_ptr<DibSurface> drawnField(GuiControlScene& scene, TQCvmifield* field, const Area& at)
{
    field->setCursorFore(1);
    field->setAbsoluteDraw(1);
    field->draw();
    return captureWindow(scene.hwnd(), at.x, at.y, at.w, at.h);
}

// The long text's lines from line `first` on, as a text of their own.
std::u16string linesFrom(const std::u16string& text, long first, long count, long* start)
{
    size_t from = 0;
    for (long i = 0; i < first; ++i)
        from = text.find(u'\n', from) + 1;
    size_t to = from;
    for (long i = 0; i < count && to != std::u16string::npos; ++i)
        to = text.find(u'\n', to + 1);
    *start = static_cast<long>(from);
    return text.substr(from, to == std::u16string::npos ? std::u16string::npos : to - from);
}

void setText(TQCvifield* field, const std::u16string& text)
{
    unsigned short* units = new unsigned short[text.size() + 1];
    std::copy(text.begin(), text.end(), units);
    units[text.size()] = 0;
    field->setBuf(units);
}

void linesOnViewScenario()
{
    armWatchdog(60000, "the lines-on-view scenario hung");
    GuiControlScene scene(50, 60, 340, 240);
    TQCvmifield* field = scene.add<TQCvmifield>("m", 10, 10, 300, 200);
    // Margins that show the foot of the line above the view and the head
    // of the line below it, half of which shows.
    field->setPropertyV(_TQNmarginTop(), static_cast<unsigned char>(5));
    field->setPropertyV(_TQNmarginBottom(), static_cast<unsigned char>(5));
    long lh = fontHeightOf(field);
    const Area at = {10, 10, 300, 2 * number(field, _TQNshadowThickness()) + 10 + 10 * lh + lh / 2};
    GuiControlScene::place(field, 10, 10, 300, static_cast<unsigned short>(at.h));
    scene.show();
    scene.click(20, 20);
    const std::u16string text = utf16(sampleLines(256 * 1024));
    long shown = at.h / lh + 2;
    long lines = static_cast<long>(std::count(text.begin(), text.end(), u'\n')) + 1;

    // Line `first` at the top of the view, scrolled right by dx; the
    // selection runs from `selFrom` to `selTo` lines below it (negative:
    // above), the cursor at its end. The part begins a line earlier, whose
    // foot shows in the top margin. Answers the long text's drawing, or null
    // when the part's differs.
    auto same = [&](long first, long dx, long selFrom, long selTo) {
        long partFirst = std::max(first - 1, 0L), start = 0;
        std::u16string part = linesFrom(text, partFirst, shown + 1, &start);
        long a = 0, b = 0;
        linesFrom(text, first + selFrom, 0, &a);
        linesFrom(text, first + selTo, 0, &b);
        setText(field, text);
        field->setSelect(b + 1, a + 2 - (b + 1));
        field->setCursorBase(dx, first * lh);
        std::unique_ptr<DibSurface> inLong = drawnField(scene, field, at);
        setText(field, part);
        long partFrom = std::max(a + 2 - start, 0L);
        long partTo = std::min(b + 1 - start, static_cast<long>(part.size()));
        field->setSelect(partTo, partFrom - partTo);
        field->setCursorBase(dx, (first - partFirst) * lh);
        std::unique_ptr<DibSurface> inPart = drawnField(scene, field, at);
        if (inLong->differences(*inPart, at.w, at.h) != 0)
            inLong.reset();
        return inLong;
    };
    // Selected, the line above and the line below the text area show
    // through the margins, inside the frame.
    long t = number(field, _TQNshadowThickness());
    auto selectedIn = [&](const DibSurface& shot, long y) {
        return shot.count(t, y, at.w - 2 * t, 5, RGB(0, 0, 0)) > 0;
    };
    requireInChild(same(0, 0, 1, 4) != nullptr, "the first lines, a selection inside the view");
    std::unique_ptr<DibSurface> shot = same(1, 0, -1, 3);
    requireInChild(shot != nullptr && selectedIn(*shot, t),
                   "one line down, the selection from the line above the view");
    requireInChild(same(2345, 0, -5, 6) != nullptr, "the middle, the selection from above the view");
    shot = same(2345, 40, 3, shown + 4);
    requireInChild(shot != nullptr && selectedIn(*shot, at.h - t - 5),
                   "scrolled right, the selection to below the view");
    requireInChild(same(lines - 3, 0, -2, 1) != nullptr, "the last lines");

    setText(field, text);
    field->setSelect(static_cast<long>(text.size()), 0);
    field->setCursorBase(0, (lines + 3) * lh);
    std::unique_ptr<DibSurface> beyond = drawnField(scene, field, at);
    setText(field, u"");
    field->setFocus(0);
    std::unique_ptr<DibSurface> empty = drawnField(scene, field, at);
    requireInChild(beyond->differences(*empty, at.w, at.h) == 0,
                   "a view below the end of the text shows no text");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TextFieldsOnWindowDeathTest, MegabyteOfTextKeepsEveryEditByKeysMouseAndClipboard,
                      megabyteScenario(), "")

TQ_FRESH_PROCESS_TEST(TextFieldsOnWindowDeathTest, LongTextShowsTheLinesOnViewAsTheyShowAlone,
                      linesOnViewScenario(), "")

TQ_FRESH_PROCESS_TEST(TextFieldsOnWindowDeathTest, MultiLineFieldScrollsByCopyAndFollowsTheCursor,
                      multiLineScenario(), "")

TQ_FRESH_PROCESS_TEST(TextFieldsOnWindowDeathTest, TextFieldScrollsByTheWheelAndTheBarArrows,
                      textFieldScenario(), "")
