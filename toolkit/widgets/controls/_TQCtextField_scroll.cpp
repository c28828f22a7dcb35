// Text field: the bars and the text's scroll offsets following each other,
// the lines and the wheel, the text operations handed to the input field,
// and the parts' events turned into the text field's triggers. The scroll
// offsets are the input field's cursor base; vbarValue and hbarValue
// record the last pair the bars were brought up to.
#include "_TQCtextField.h"

#include "_TQCvmifield.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

namespace {

// Target buttons of the mouse service for the wheel.
const u32 kWheelUp = 0x800;
const u32 kWheelDown = 0x1000;
// A notch moves the text this many pixels, whatever the line height.
const long kWheelStep = 30;

void setNumber(TQCbase* object, const char* property, long value)
{
    object->setProperty(property, TQCvariant(value));
}

} // namespace

// ---------------------------------------------------------------------------
// Bars and offsets

void TQCtextField::textOffsets(long* x, long* y)
{
    m_textFrame->getCursorBase(x, y);
}

void TQCtextField::scrollText(long x, long y)
{
    m_textFrame->setCursorBase(x, y);
}

void TQCtextField::recordOffsets()
{
    long x = 0, y = 0;
    textOffsets(&x, &y);
    m_hbarValue = static_cast<unsigned long>(x);
    m_vbarValue = static_cast<unsigned long>(y);
}

void TQCtextField::followText()
{
    long x = 0, y = 0;
    textOffsets(&x, &y);
    if (static_cast<unsigned long>(x) == m_hbarValue && static_cast<unsigned long>(y) == m_vbarValue)
        return;
    _scr_adjust();
    recordOffsets();
}

// The largest vertical value, maximum - sliderSize, lets the last line
// reach the top with 2 pixels to spare. A field too small for its parts
// has a view of 1, so the range stays right.
void TQCtextField::_scr_adjust()
{
    if (m_vbar == nullptr)
        return;
    unsigned long below = static_cast<unsigned long>(getLines() - 1) * lineHeight();
    setNumber(m_vbar, _TQNmaximum(), static_cast<long>(viewHeight() + below + 2));
    long x = 0, y = 0;
    textOffsets(&x, &y);
    setNumber(m_vbar, _TQNvalue(), y);
    setNumber(m_hbar, _TQNvalue(), x);
    if (m_vbar->getSliderSize() != viewHeight())
        setNumber(m_vbar, _TQNsliderSize(), static_cast<long>(viewHeight()));
}

TQCtextField* TQCtextField::ownerOf(TQCbase* part)
{
    TQCbase* parent = part != nullptr ? part->getParent() : nullptr;
    return parent != nullptr ? static_cast<TQCtextField*>(parent->cast("TQCtextField")) : nullptr;
}

TQCtextField* TQCtextField::ownerOfField(TQCbase* field)
{
    return static_cast<TQCtextField*>(field->getUserData(kOwnerKey));
}

// A bar value at 0, at its end or away from the text's offset moves the
// text there. The offsets are recorded at once, so that a later set of
// vbarValue or hbarValue is compared with where the text is.
void TQCtextField::barMoved(TQCbase* part, bool horizontal)
{
    TQCtextField* field = ownerOf(part);
    TQCvscrBar* bar = static_cast<TQCvscrBar*>(part->cast("TQCvscrBar"));
    if (field == nullptr || bar == nullptr || field->m_textFrame == nullptr)
        return;
    long v = static_cast<long>(bar->getValue());
    long cap = bar->getMaxSlideValue();
    long x = 0, y = 0;
    field->textOffsets(&x, &y);
    if (v != 0 && v == (horizontal ? x : y) && v < cap)
        return;
    v = v > cap ? cap : v;
    field->scrollText(horizontal ? v : x, horizontal ? y : v);
    field->recordOffsets();
}

void TQCtextField::_h_scr_work_op(TQCbase* bar)
{
    barMoved(bar, true);
}

void TQCtextField::_v_scr_work_op(TQCbase* bar)
{
    barMoved(bar, false);
}

void TQCtextField::_ha_scr_work_op(TQCbase* bar)
{
    if (TQCtextField* field = ownerOf(bar))
        field->onActivate();
}

void TQCtextField::_va_scr_work_op(TQCbase* bar)
{
    _ha_scr_work_op(bar);
}

// The setter stored v; the text goes no further than the bar reaches.
void TQCtextField::setWorkTQNvbarValue(unsigned long v)
{
    if (m_textFrame == nullptr)
        return;
    long largest = static_cast<long>(m_vbar->getMaximum() - m_vbar->getSliderSize());
    long y = static_cast<long>(v) > largest ? largest : static_cast<long>(v);
    y = y < 0 ? 0 : y;
    setNumber(m_vbar, _TQNvalue(), y);
    long x = 0, current = 0;
    textOffsets(&x, &current);
    scrollText(x, y);
    m_textFrame->draw();
}

// The horizontal bar follows at the next update.
void TQCtextField::setWorkTQNhbarValue(unsigned long v)
{
    if (m_textFrame == nullptr)
        return;
    long x = 0, y = 0;
    textOffsets(&x, &y);
    scrollText(static_cast<long>(v), y);
    m_textFrame->draw();
}

void TQCtextField::getWorkTQNvbarValue(unsigned long* v)
{
    long x = 0, y = 0;
    if (m_textFrame != nullptr) {
        textOffsets(&x, &y);
        *v = static_cast<unsigned long>(y);
    }
}

void TQCtextField::getWorkTQNhbarValue(unsigned long* v)
{
    long x = 0, y = 0;
    if (m_textFrame != nullptr) {
        textOffsets(&x, &y);
        *v = static_cast<unsigned long>(x);
    }
}

// Steps from where the text is; the vertical bar's end is the limit.
void TQCtextField::onMousePress(TQCpoint* point)
{
    TQDmouse* mouse = TQGIappMouse();
    u32 button = mouse != nullptr ? mouse->getTargetBtn() : 0;
    if (button != kWheelUp && button != kWheelDown) {
        TQCbase::onMousePress(point);
        return;
    }
    if (!getVisible() || !getSensitive() || m_textFrame == nullptr)
        return;
    recordOffsets();
    long y = static_cast<long>(m_vbarValue);
    long target = button == kWheelUp ? y - kWheelStep : y + kWheelStep;
    if (button == kWheelDown && target > m_vbar->getMaxSlideValue())
        target = m_vbar->getMaxSlideValue();
    setNumber(this, _TQNvbarValue(), target < 0 ? 0 : target);
}

// ---------------------------------------------------------------------------
// Lines

// A missing font measures 0, a line height no division may use.
long TQCtextField::lineHeight()
{
    long lh = m_textFrame != nullptr ? _get_font_height() : 0;
    return lh > 0 ? lh : 1;
}

long TQCtextField::getLines()
{
    return TQGFgetLinesUCS2(getBuf());
}

long TQCtextField::getTopLine()
{
    return m_vbar != nullptr ? static_cast<long>(m_vbar->getValue()) / lineHeight() : 0;
}

long TQCtextField::setTopLine(long n)
{
    if (m_textFrame == nullptr)
        return 0;
    long long lh = lineHeight();
    long long top = static_cast<long long>(m_vbar->getMaximum());
    long long y = n < 0 ? top - lh : n * lh;
    y = y < 0 ? 0 : (y > top ? top : y);
    long x = 0, current = 0;
    textOffsets(&x, &current);
    scrollText(x, static_cast<long>(y));
    _scr_adjust();
    return 0;
}

long TQCtextField::getBottomLine()
{
    long bottom = getTopLine() + static_cast<long>(viewHeight()) / lineHeight();
    long lines = getLines();
    return bottom > lines ? lines : bottom;
}

long TQCtextField::setBottomLine(long n)
{
    if (m_textFrame == nullptr)
        return 0;
    long long lh = lineHeight();
    long long top = static_cast<long long>(m_vbar->getMaximum());
    long long view = static_cast<long long>(viewHeight());
    long long y = n < 0 || n * lh > top ? top : n * lh;
    y = y < view ? view : y;
    long x = 0, current = 0;
    textOffsets(&x, &current);
    scrollText(x, static_cast<long>(y - view));
    _scr_adjust();
    return 0;
}

// ---------------------------------------------------------------------------
// Text, kept by the input field

void TQCtextField::addString(const char* text, long encoding)
{
    if (m_textFrame == nullptr)
        return;
    LifeGuard guard(this);
    m_textFrame->addString(text, encoding);
    if (!guard.alive())
        return;
    m_textFrame->setAbsoluteDraw(1);
    m_textFrame->draw();
    _scr_adjust();
}

unsigned short* TQCtextField::getBuf()
{
    return m_textFrame != nullptr ? m_textFrame->getBuf() : nullptr;
}

TQCstring TQCtextField::getString()
{
    return m_textFrame != nullptr ? m_textFrame->getString() : TQCstring("", 16);
}

long TQCtextField::setSelect(long pos, long len)
{
    if (m_textFrame == nullptr)
        return -1;
    setAbsoluteDraw(1);
    needUpdate();
    long result = m_textFrame->setSelect(pos, len);
    followText();
    return result;
}

long TQCtextField::getSelectedPos()
{
    return m_textFrame != nullptr ? m_textFrame->getSelectedPos() : 0;
}

TQCstring TQCtextField::getSelectedString()
{
    return m_textFrame != nullptr ? m_textFrame->getSelectedString() : TQCstring("", 16);
}

// The bars follow at the next update.
void TQCtextField::replaceSelectedString(const char* text, long encoding)
{
    if (m_textFrame == nullptr)
        return;
    setAbsoluteDraw(1);
    needUpdate();
    m_textFrame->replaceSelectedString(text, encoding);
}

void TQCtextField::deleteSelectedString()
{
    if (m_textFrame == nullptr)
        return;
    setAbsoluteDraw(1);
    needUpdate();
    m_textFrame->deleteSelectedString();
}

// ---------------------------------------------------------------------------
// The parts' events

void TQCtextField::_valuech_work(TQCbase* part)
{
    TQCtextField* field = ownerOfField(part);
    if (field == nullptr)
        return;
    LifeGuard guard(field);
    field->_scr_adjust();
    if (!guard.alive())
        return;
    field->recordOffsets();
    field->onValueChange();
}

// A key that scrolled the text brings the bars along before KEY_PRESS.
void TQCtextField::_keypress_work(TQCbase* part)
{
    TQCtextField* field = ownerOfField(part);
    if (field == nullptr)
        return;
    LifeGuard guard(field);
    field->followText();
    if (guard.alive())
        field->onKey(TQGIappKeyboard(), 1);
}

void TQCtextField::_keyrelease_work(TQCbase* part)
{
    if (TQCtextField* field = ownerOfField(part))
        field->onKey(TQGIappKeyboard(), 0);
}

void TQCtextField::_keyhook_work(TQCbase* part)
{
    if (TQCtextField* field = ownerOfField(part))
        field->onKeyHook(TQGIappKeyboard());
}

void TQCtextField::_focus_ch_work(TQCbase* part)
{
    if (TQCtextField* field = ownerOfField(part))
        field->onScrFocusChange(part->getFocus());
}

// The pointer relative to the inner form.
void TQCtextField::passPointer(TQCbase* form, void (TQCtextField::*handler)(TQCpoint*))
{
    TQCtextField* field = ownerOf(form);
    if (field == nullptr)
        return;
    short x = 0, y = 0;
    form->getMouseAddr(&x, &y);
    TQCpoint point = {x, y};
    (field->*handler)(&point);
}

// A press in the text gives the text field the wheel.
void TQCtextField::_scr_mouse_press(TQCbase* form)
{
    if (TQCtextField* field = ownerOf(form))
        field->takeWheel();
    passPointer(form, &TQCtextField::onScrMousePress);
}

void TQCtextField::_scr_mouse_release(TQCbase* form)
{
    passPointer(form, &TQCtextField::onScrMouseRelease);
}

void TQCtextField::_scr_mouse_move(TQCbase* form)
{
    passPointer(form, &TQCtextField::onScrMouseMove);
}

void TQCtextField::onActivate()
{
    execProcedure(TQEV_ACTIVATE);
}

// The clients get the text as labelString gives it.
void TQCtextField::onValueChange()
{
    TQClistData* clients = getDataSourceClients();
    if (clients != nullptr && clients->getNum() > 0 && m_textFrame != nullptr) {
        TQCvariant text = m_textFrame->getProperty(_TQNlabelString());
        setDataToDataSourceClients(&text);
    }
    execProcedure(TQEV_VALUE_CH);
}

void TQCtextField::onKey(TQDkeyboard*, unsigned char press)
{
    execProcedure(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE);
}

void TQCtextField::onKeyHook(TQDkeyboard*)
{
    execProcedure(TQEV_KEY_HOOK);
}

void TQCtextField::onScrMousePress(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_PRESS);
}

void TQCtextField::onScrMouseRelease(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_RELEASE);
}

void TQCtextField::onScrMouseMove(TQCpoint*)
{
    execProcedure(TRIGGER_SCR_MOUSE_MOVE);
}

void TQCtextField::onScrFocusChange(unsigned char)
{
    execProcedure(TRIGGER_SCR_FOCUS_CH);
}
