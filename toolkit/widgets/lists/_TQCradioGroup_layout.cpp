// Radio group: the toggles made, placed and given the group's settings, and
// the group's own drawing of background, frame and title.
#include "_TQCradioGroup.h"

#include <string>

#include "_TQCfontSet.h"
#include "_TQCprocedure.h"
#include "_TQCstring.h"
#include "_TQCvradio.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

namespace {

// A size that would come out below one pixel is one pixel.
unsigned short atLeastOne(long size)
{
    return static_cast<unsigned short>(size < 1 ? 1 : size);
}

void setNumber(TQCbase* object, const char* name, long value)
{
    object->setProperty(name, TQCvariant(value));
}

} // namespace

void TQCradioGroup::_adjust()
{
    if (isNeedUpdate())
        layOut();
}

// The title's text, " title " or " ", in the group's font.
long TQCradioGroup::titleHeight()
{
    std::string text = m_titleString != nullptr ? std::string(" ") + m_titleString + " " : " ";
    return TQGIappFontSet()->getStringHeight(m_font, text.c_str(), -2);
}

void TQCradioGroup::layOut()
{
    long n = itemCount();
    long th = titleHeight();
    LifeGuard guard(this);
    for (long i = 0; i < n && guard.alive(); ++i) {
        TQCvtoggle* toggle = i < m_toggles.getNum() ? toggleAt(i) : makeToggle(i);
        if (toggle == nullptr)
            return;
        LifeGuard toggleAlive(toggle);
        placeToggle(toggle, i, n, th);
        if (guard.alive() && toggleAlive.alive())
            passSettings(toggle, i);
        if (guard.alive() && toggleAlive.alive())
            toggle->setVisible(1);
    }
    for (long i = n; guard.alive() && i < m_toggles.getNum(); ++i) {
        TQCvtoggle* toggle = toggleAt(i);
        toggle->setVisible(0);
        toggle->_set_status(0, 0);
    }
}

TQCvtoggle* TQCradioGroup::makeToggle(long i)
{
    std::string name = std::string(getInstanceName()) + "-" + std::to_string(i);
    TQCvradio* toggle = new TQCvradio(this, name.c_str());
    toggle->setInternalObject(1);
    toggle->initialize();
    setNumber(toggle, _TQNmarginTop(), 0);
    setNumber(toggle, _TQNmarginBottom(), 0);
    setNumber(toggle, _TQNmarginLeft(), 15);
    toggle->setUserData("parentptr", static_cast<void*>(this));
    if (i == 0 || !m_unique) {
        TQCprocedure* procedure = new TQCprocedure("valuech-op", TQEV_VALUE_CH);
        procedure->setInternal(1);
        procedure->setFunction(_value_ch_handler, "_value_ch_handler");
        toggle->addProcedure(procedure);
    }
    m_toggles.add(toggle);
    return toggle;
}

// A column below the title, or a row of equal slots centred in the height
// below the title's middle.
void TQCradioGroup::placeToggle(TQCvtoggle* toggle, long i, long n, long th)
{
    long x, y, width;
    if (m_orientation == 1) {
        x = th;
        y = static_cast<long>(m_margin * i + 1.5 * th + static_cast<double>(m_menuItemHeight) * i);
        width = static_cast<long>(m_width) - 2 * th;
    } else {
        width = (static_cast<long>(m_width) - 2 * th) / n;
        x = width * i + th;
        long below = static_cast<long>(m_height) - th / 2 - m_menuItemHeight;
        y = static_cast<short>(th / 2 + below / 2);
    }
    setNumber(toggle, _TQNx(), x);
    setNumber(toggle, _TQNy(), y);
    setNumber(toggle, _TQNwidth(), atLeastOne(width));
    setNumber(toggle, _TQNheight(), m_menuItemHeight);
}

// Every pass hands everything again; a toggle ignores what it already has.
void TQCradioGroup::passSettings(TQCvtoggle* toggle, long i)
{
    TQCstring items(m_menuItems, -2);
    TQCstring label = items.getWord(i, ",");
    toggle->setPropertyV(_TQNlabelString(), label.getString());
    std::string group = std::string(getInstanceName()) + "-group" + std::to_string(0);
    toggle->setPropertyV(_TQNgroup(), group.c_str());
    const std::pair<const char*, long> numbers[] = {
        {_TQNunique(), static_cast<long>(m_unique)},
        {_TQNalignmentH(), 0},
        {_TQNid(), i + 1},
        {_TQNfont(), static_cast<long>(m_font)},
        {_TQNbackColor(), static_cast<long>(m_backColor)},
        {_TQNforeColor(), static_cast<long>(m_foreColor)},
        {_TQNindicatorOn(), static_cast<long>(m_indicatorOn)},
        {_TQNindicatorType(), static_cast<long>(m_indicatorType)},
        {_TQNindicatorSize(), static_cast<long>(m_indicatorSize)},
        {_TQNindicatorShadow(), static_cast<long>(m_indicatorShadow)},
        {_TQNindicatorColor(), static_cast<long>(m_indicatorColor)},
        {_TQNindicatorPixmap(), static_cast<long>(m_indicatorPixmap)},
        {_TQNselectColor(), static_cast<long>(m_selectColor)},
        {_TQNselectPixmap(), static_cast<long>(m_selectPixmap)},
        {_TQNlabelPixmap(), static_cast<long>(m_labelPixmap)},
        {_TQNtopShadowColor(), static_cast<long>(m_topShadowColor)},
        {_TQNbottomShadowColor(), static_cast<long>(m_bottomShadowColor)},
        {_TQNreturnKeyFocus(), static_cast<long>(m_returnKeyFocus)},
    };
    LifeGuard guard(toggle);
    for (const auto& [name, value] : numbers) {
        if (!guard.alive())
            return;
        setNumber(toggle, name, value);
    }
    if (m_shortcut != nullptr && guard.alive()) {
        TQCstring shortcuts(m_shortcut, -2);
        toggle->setPropertyV(_TQNshortcut(), shortcuts.getWord(i, ",").getString());
    }
}

// ---------------------------------------------------------------------------
// Drawing

long TQCradioGroup::draw()
{
    if (m_noRefresh) {
        TQCbase::update();
        setAbsoluteDraw(0);
        return 0;
    }
    if (!getVisible())
        return 0;
    LifeGuard guard(this);
    _adjust();
    if (!guard.alive())
        return 0;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    unsigned char whole = getAbsoluteDraw();
    if (!whole && !dev->isExposed(0, 0, m_width, m_height, 1))
        return 0;
    if (dev->beginDraw(0, 0, m_width, m_height, whole, 1) != 0)
        return 0;
    paintGround(dev, whole);
    drawTitle(dev);
    dev->endDraw();
    return 0;
}

// The frame runs through the middle of the title, whose filled box breaks
// its top edge.
void TQCradioGroup::drawTitle(TQDdev* dev)
{
    std::string text = m_titleString != nullptr ? std::string(" ") + m_titleString + " " : " ";
    long tw = TQGIappFontSet()->getStringWidth(m_font, text.c_str(), -2);
    long th = TQGIappFontSet()->getStringHeight(m_font, text.c_str(), -2);
    short h2 = static_cast<short>(th / 2);
    TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, h2, h2, atLeastOne(m_width - h2),
                   atLeastOne(m_height - h2), 0);
    dev->setForeColor(m_foreColor);
    dev->setBackColor(m_backColor);
    if (m_titleString == nullptr)
        return;
    TQCstring title(text.c_str(), -2);
    dev->drawFillString(th, 1, tw, th, &title, static_cast<char>(m_font), 2, -1, 0);
}
