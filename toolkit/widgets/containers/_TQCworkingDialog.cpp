// Working dialog: the caption, the framed meter and the percentage on the
// work form, their places for the look and the dialog's size, setValue()
// with its immediate repaint, and the dialog's own modal loop.
#include "_TQCworkingDialog.h"

#include "_TQCform.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvlabel.h"
#include "_TQCvmeter.h"
#include "_TQDappDev.h"
#include "_TQGFstring.h"

#include <algorithm>
#include <string>

TQ_TYPE_SERVER_FRAME(TQCworkingDialog, TQCbaseDialog);

namespace {

const char kLabelString[] = "Working...";
// The meter draws at most a full bar.
const unsigned short kFullBar = 100;

} // namespace

// Only the cancel button shows on a new dialog. The caption text is the
// default that initialize() gives every property.
TQCworkingDialog::TQCworkingDialog(TQCbase* parent, const char* name)
    : TQCbaseDialog(parent, name), m_labelString(nullptr), m_hatchPattern(0),
      m_lineType(0), m_stippled(1)
{
    m_ok = 0;
    m_no = 0;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, value, 0);
        TQ_WATCH(r, labelString, kLabelString);
        TQ_WATCH(r, workBackColor, -10);
        TQ_WATCH(r, lineWidth, 2);
        TQ_WATCH_BITS(r, lineType, 0, lineType);
        TQ_WATCH_FLAG(r, stippled, 1, bool4);
        TQ_WATCH_BITS(r, hatchPattern, 0, hatchPattern);
        TQ_WATCH(r, hatchColor, -14);
        r.changeDefault<TQCflagOf<m_noSlot>>(_TQNno(), 0);
        r.changeDefault<TQCflagOf<m_okSlot>>(_TQNok(), 0);
        r.withdraw(_TQNshadowThickness());
    });
}

// Values set before the parts existed reach them here.
long TQCworkingDialog::initialize()
{
    TQCbaseDialog::initialize();
    makeWorkForm(false);

    m_barFrame = makePart<TQCform>(m_workForm, "md-if");
    m_barFrame->setProperty(_TQNx(), 10);
    m_barFrame->setProperty(_TQNy(), 30);
    m_barFrame->setProperty(_TQNheight(), 20);
    m_barFrame->setProperty(_TQNshadowThickness(), 1);
    m_barFrame->setProperty(_TQNshadowType(), 1);
    m_barFrame->setVisible(1);

    m_meter = makePart<TQCvmeter>(m_barFrame, "wd-meter");
    m_meter->setProperty(_TQNx(), 1);
    m_meter->setProperty(_TQNy(), 1);
    m_meter->setProperty(_TQNheight(), 18);
    m_meter->setProperty(_TQNwidth(), 0);
    m_meter->setProperty(_TQNvalue2(), 0);
    m_meter->setProperty(_TQNorientation(), 0);
    m_meter->setVisible(1);

    m_caption = makeLabel(m_labelString);
    m_caption->setProperty(_TQNalignmentH(), 0);
    m_caption->setVisible(1);
    m_percentLabel = makeLabel("0%");
    m_percentLabel->setVisible(1);

    setWorkTQNvalue(m_value);
    setWorkTQNlineWidth(m_lineWidth);
    setWorkTQNlineType(m_lineType);
    setWorkTQNstippled(m_stippled);
    setWorkTQNhatchPattern(m_hatchPattern);
    setWorkTQNhatchColor(m_hatchColor);
    onGuiPolicyChange(TQDappDev::getGuiPolicy());
    return 0;
}

// Both labels bear the name of the bar frame; the dialog keeps its parts by
// pointer.
TQCvlabel* TQCworkingDialog::makeLabel(const char* text)
{
    TQCvlabel* label = makePart<TQCvlabel>(m_workForm, "md-if");
    label->setProperty(_TQNx(), 10);
    label->setProperty(_TQNy(), 1);
    label->setProperty(_TQNheight(), 30);
    label->setProperty(_TQNshadowThickness(), 0);
    label->setProperty(_TQNshadowType(), -1);
    label->setProperty(_TQNlabelString(), TQCvariant(text));
    return label;
}

void TQCworkingDialog::onGuiPolicyChange(long policy)
{
    styleWithWorkForm(policy);
}

// The meter fills the bar frame inside its 1-pixel shadow.
void TQCworkingDialog::adjustForm()
{
    long extra = 0;
    if (!adjustWorkForm(&extra))
        return;
    const MiddleRow row = middleRow(extra);
    m_barFrame->setProperty(_TQNy(), row.y);
    m_caption->setProperty(_TQNy(), row.above);
    m_percentLabel->setProperty(_TQNy(), row.below);
    for (TQCbase* part : {static_cast<TQCbase*>(m_barFrame), static_cast<TQCbase*>(m_caption),
                          static_cast<TQCbase*>(m_percentLabel)})
        part->setProperty(_TQNwidth(), row.width);
    m_meter->setProperty(_TQNwidth(), m_width >= 25 ? m_width - 24 : 1);
}

// ---------------------------------------------------------------------------
// Progress

void TQCworkingDialog::setValue(unsigned short percent)
{
    LifeGuard guard(this);
    setProperty(_TQNvalue(), TQCvariant(percent));
    if (!guard.alive() || !getVisible())
        return;
    update();
    TQDappDev* app = TQGIappDev();
    if (guard.alive() && app != nullptr)
        app->update();
}

void TQCworkingDialog::update()
{
    if (m_meter != nullptr) {
        m_barFrame->update();
        m_caption->update();
        m_percentLabel->update();
        m_meter->update();
    }
    TQCbaseDialog::update();
}

void TQCworkingDialog::onVisibleChange(unsigned char on)
{
    LifeGuard guard(this);
    TQCbaseDialog::onVisibleChange(on);
    if (on && guard.alive())
        setStatus(STATUS_OK);
}

void TQCworkingDialog::onActivate()
{
    activateAndClose();
}

// Unlike the base's loop it renews no focus dialog: showing made it the
// focus dialog when its Escape key is on.
long TQCworkingDialog::popup()
{
    return runOwnLoop([this] { markDefaultButton(); }, false);
}

// ---------------------------------------------------------------------------
// Property hooks: each reaches its part once initialize() has made it.

// The meter gets at most a full bar: its percentages are 8 bits, so a
// larger value would wrap. The percentage shows the number as it is.
void TQCworkingDialog::setWorkTQNvalue(unsigned short percent)
{
    if (m_meter == nullptr)
        return;
    setOnMeter(_TQNvalue1(), std::min(percent, kFullBar));
    std::string text = std::string(TQGFltoa(percent)) + "%";
    m_percentLabel->setProperty(_TQNlabelString(), TQCvariant(text.c_str()));
}

void TQCworkingDialog::setWorkTQNlabelString(char* text)
{
    if (m_caption != nullptr)
        m_caption->setProperty(_TQNlabelString(), TQCvariant(text));
}

void TQCworkingDialog::setWorkTQNworkBackColor(short color)
{
    recolourWorkForm(color);
}

void TQCworkingDialog::setOnMeter(const char* name, long value)
{
    if (m_meter != nullptr)
        m_meter->setProperty(name, value);
}

void TQCworkingDialog::setWorkTQNlineWidth(unsigned short width)
{
    setOnMeter(_TQNlineWidth(), width);
}

void TQCworkingDialog::setWorkTQNlineType(unsigned char type)
{
    setOnMeter(_TQNlineType(), type);
}

void TQCworkingDialog::setWorkTQNstippled(TQCbool on)
{
    setOnMeter(_TQNstippled(), on);
}

void TQCworkingDialog::setWorkTQNhatchPattern(unsigned char pattern)
{
    setOnMeter(_TQNhatchPattern(), pattern);
}

void TQCworkingDialog::setWorkTQNhatchColor(short color)
{
    setOnMeter(_TQNhatchColor(), color);
}

void TQCworkingDialog::setWorkTQNforeColor(short color)
{
    for (TQCbase* part : {static_cast<TQCbase*>(m_caption), static_cast<TQCbase*>(m_percentLabel),
                          static_cast<TQCbase*>(m_meter)})
        if (part != nullptr)
            part->setProperty(_TQNforeColor(), color);
    TQCbaseDialog::setWorkTQNforeColor(color);
}
