// Balloon help: registration of clients and the procedures it gives them,
// the one-shot pop-up on the application timer, and the sizing from the
// text.
#include "_TQCballoonHelp.h"

#include "_TQCfontSet.h"
#include "_TQCindexVariantData.h"
#include "_TQCprocedure.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvlabel.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"
#include "_TQDtimer.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <algorithm>
#include <cstdint>

TQ_TYPE_SERVER_FRAME(TQCballoonHelp, TQCwindow);

namespace {

// What the balloon keeps on each client.
const char kRegisteredKey[] = "TQBH-RGST";
const char kMouseInKey[] = "TQBH-MS-IN";
const char kMouseOutKey[] = "TQBH-MS-OUT";
const char kPressKey[] = "TQBH-BT-PRS";
const char kDeleteKey[] = "TQBH-DELETE";
const char kBalloonKey[] = "TQBH-INST";
const char kTitleKey[] = "TQBH-TITLE";
// The pending pop-up trigger's id; once the trigger has run, a mark that is
// no id (the timer may hand the same id to a later trigger), which still
// keeps a second pop-up from being armed while the pointer stays inside.
const char kPendingKey[] = "TQBH-CLNT-ID";
void* const kTriggerFired = reinterpret_cast<void*>(1);
// On the balloon: the client it was last armed or shown for.
const char kCurrentKey[] = "TQBH-CLNT";

// The trigger runs on the rate's tick after the one it was added in: 500
// to 750 ms after the pointer came in.
const unsigned char kPopupRate = 4;
const short kPointerOffset = 15;
const long kMarginWidth = 20;
const long kMarginHeight = 10;
const char kNoHelp[] = "No Help";
const char kBackslashN[] = "\\n";
const char kLineFeed[] = "\n";

struct ClientProcedure {
    const char* name;
    long trigger;
    TQCprocedureFunction function;
    const char* functionName;
    const char* key;
};

const ClientProcedure kClientProcedures[] = {
    {"op_mouse_in", TQEV_MOUSE_IN, TQCballoonHelp::_balloon_help_popup, "_balloon_help_popup",
     kMouseInKey},
    {"op_mouse_out", TQEV_MOUSE_OUT, TQCballoonHelp::_balloon_help_popdown,
     "_balloon_help_popdown", kMouseOutKey},
    {"op_btnpress", TQEV_MOUSE_PRESS, TQCballoonHelp::_balloon_help_popdown,
     "_balloon_help_popdown", kPressKey},
    {"op_delete", TQEV_DELETE, TQCballoonHelp::_balloon_help_unregister,
     "_balloon_help_unregister", kDeleteKey},
};

TQCballoonHelp* balloonOf(TQCbase* client)
{
    return static_cast<TQCballoonHelp*>(client->getUserData(kBalloonKey));
}

// Removes the client's pending pop-up from the application timer.
void disarm(TQCbase* client)
{
    void* pending = client->getUserData(kPendingKey);
    if (pending != nullptr && pending != kTriggerFired && TQGIappTimer() != nullptr)
        TQGIappTimer()->delTriggerProc(static_cast<long>(reinterpret_cast<intptr_t>(pending)));
    client->setUserData(kPendingKey, nullptr);
}

long widthOf(unsigned char font, TQCstring& text)
{
    return TQGIappFontSet()->getStringWidth(font, &text);
}

// The keyboard's input-mode window is a balloon of its own.
struct BalloonLinks {
    BalloonLinks()
    {
        TQDkeyboard::links().newBalloonHelp = [](TQCbase* parent, const char* name) -> TQCbase* {
            return new TQCballoonHelp(parent, name);
        };
        TQDkeyboard::links().setBalloonString = [](TQCbase* balloon, char* text) {
            if (void* cast = balloon->cast("TQCballoonHelp"))
                static_cast<TQCballoonHelp*>(cast)->setString(text);
        };
    }
} g_balloonLinks;

} // namespace

TQCballoonHelp::TQCballoonHelp(TQCbase* parent, const char* name)
    : TQCwindow(parent, name),
      m_font(static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo()))
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, labelString, nullptr);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        // The balloon sizes itself.
        for (const char* hidden : {_TQNwidth(), _TQNheight(), _TQNindicatorOn(), _TQNmargin(),
                                   _TQNmarginLeft(), _TQNemboss(), _TQNbarThickness()})
            r.hide(hidden);
    });
}

TQCballoonHelp::~TQCballoonHelp()
{
    while (m_clients.getNum() > 0) {
        TQCbase* client = static_cast<TQCbase*>(m_clients.getData(0));
        if (unregisterClient(client) != 0)
            m_clients.delPos(0);
    }
    delete[] m_labelString;
}

long TQCballoonHelp::initialize()
{
    TQCwindow::initialize();
    if (m_label != nullptr)
        return 0;
    applyMadeValues();
    m_label = new TQCvlabel(this, "md-label");
    m_label->initialize();
    m_label->setPropertyV(_TQNx(), static_cast<short>(1));
    m_label->setPropertyV(_TQNy(), static_cast<short>(1));
    m_label->setPropertyV(_TQNforeColor(), m_foreColor);
    m_label->setPropertyV(_TQNfont(), static_cast<unsigned char>(m_font));
    // No frame and no background: the window's border and colours show.
    m_label->setPropertyV(_TQNshadowType(), static_cast<char>(-1));
    m_label->setVisible(1);
    _adjust();
    return 0;
}

// A 2-pixel border, no frame or title from the window system, no indicator.
void TQCballoonHelp::getMadeValues(TQCindexVariantData* values)
{
    TQCwindow::getMadeValues(values);
    values->setData(_TQNshadowType(), TQCvariant(static_cast<char>(4)));
    values->setData(_TQNshadowThickness(), TQCvariant(static_cast<unsigned char>(2)));
    values->setData(_TQNtitleBar(), TQCvariant(static_cast<char>(TITLE_BAR_OVERRIDE_REDIRECT)));
    values->setData(_TQNindicatorOn(), TQCvariant(0));
}

long TQCballoonHelp::_device_initialize()
{
    TQCwindow::_device_initialize();
    keepAsPopup();
    return 0;
}

void TQCballoonHelp::setWorkTQNlabelString(char* text)
{
    if (m_label != nullptr)
        m_label->setPropertyV(_TQNlabelString(), text);
}

void TQCballoonHelp::setWorkTQNfont(unsigned char)
{
    if (m_label != nullptr)
        m_label->setPropertyV(_TQNfont(), static_cast<unsigned char>(m_font));
}

// ---------------------------------------------------------------------------
// Showing

void TQCballoonHelp::popup(const char* text, short x, short y)
{
    setPropertyV(_TQNx(), x);
    setPropertyV(_TQNy(), y);
    setString(text);
    setVisible(1);
}

void TQCballoonHelp::popdown()
{
    setVisible(0);
}

void TQCballoonHelp::setString(const char* text)
{
    if (m_label != nullptr)
        m_label->setPropertyV(_TQNlabelString(), text != nullptr ? text : "");
    _adjust();
}

long TQCballoonHelp::_adjust()
{
    if (m_label == nullptr)
        return 0;
    TQCstring text;
    text = m_label->getProperty(_TQNlabelString());
    const char* separator = kBackslashN;
    long lines = text.getWords(separator);
    if (lines == 1) {
        separator = kLineFeed;
        lines = text.getWords(separator);
    }
    long lineHeight = TQGIappFontSet()->getStringHeight(m_font, &text);
    long w = 1;
    long h = lineHeight;
    if (lines <= 1) {
        w = widthOf(m_font, text);
    } else {
        for (long i = 0; i < lines; ++i) {
            TQCstring line = text.getWord(i, separator);
            w = std::max(w, widthOf(m_font, line));
        }
        h = lineHeight * lines;
    }
    const unsigned short width = static_cast<unsigned short>(w + kMarginWidth);
    const unsigned short height = static_cast<unsigned short>(h + kMarginHeight);
    for (TQCbase* part : {static_cast<TQCbase*>(this), static_cast<TQCbase*>(m_label)}) {
        part->setPropertyV(_TQNwidth(), width);
        part->setPropertyV(_TQNheight(), height);
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Clients

long TQCballoonHelp::registerClient(TQCbase* client, const char* text)
{
    if (client == nullptr || client->getUserData(kRegisteredKey) != nullptr)
        return -1;
    m_clients.add(client);
    client->setUserData(kRegisteredKey, reinterpret_cast<void*>(1));
    for (const ClientProcedure& p : kClientProcedures) {
        TQCprocedure* procedure = new TQCprocedure(p.name, p.trigger);
        procedure->setInternal(1);
        procedure->setFunction(p.function, p.functionName);
        if (client->addProcedure(procedure) != 0) {
            delete procedure;
            procedure = nullptr;
        }
        client->setUserData(p.key, procedure);
    }
    client->setUserData(kBalloonKey, this);
    client->setUserData(kTitleKey, TQGFstrdup(text != nullptr ? text : ""));
    return 0;
}

long TQCballoonHelp::unregisterClient(TQCbase* client)
{
    if (client == nullptr || client->getUserData(kRegisteredKey) == nullptr)
        return -1;
    client->setUserData(kRegisteredKey, nullptr);
    m_clients.del(client);
    for (const ClientProcedure& p : kClientProcedures) {
        TQCprocedure* procedure = static_cast<TQCprocedure*>(client->getUserData(p.key));
        if (procedure != nullptr && client->delProcedure(procedure) == 0)
            delete procedure;
        client->setUserData(p.key, nullptr);
    }
    delete[] static_cast<char*>(client->getUserData(kTitleKey));
    client->setUserData(kTitleKey, nullptr);
    client->setUserData(kBalloonKey, nullptr);
    disarm(client);
    if (getUserData(kCurrentKey) == client) {
        setUserData(kCurrentKey, nullptr);
        popdown();
    }
    return 0;
}

void TQCballoonHelp::_balloon_help_unregister(TQCbase* client)
{
    if (TQCballoonHelp* balloon = balloonOf(client))
        balloon->unregisterClient(client);
}

void TQCballoonHelp::_balloon_help_popup(TQCbase* client)
{
    TQCballoonHelp* balloon = balloonOf(client);
    TQDtimer* timer = TQGIappTimer();
    if (balloon == nullptr || timer == nullptr || client->getUserData(kPendingKey) != nullptr)
        return;
    balloon->setUserData(kCurrentKey, client);
    long id = timer->addTriggerProc(_popup_after_secs_, kPopupRate, client);
    client->setUserData(kPendingKey, reinterpret_cast<void*>(static_cast<intptr_t>(id)));
}

void TQCballoonHelp::_popup_after_secs_(unsigned char, void* data)
{
    TQCbase* client = static_cast<TQCbase*>(data);
    client->setUserData(kPendingKey, kTriggerFired);
    TQCballoonHelp* balloon = balloonOf(client);
    TQDmouse* mouse = TQGIappMouse();
    if (balloon == nullptr || mouse == nullptr)
        return;
    balloon->setUserData(kCurrentKey, client);
    short screenX = 0, screenY = 0, x = -1, y = -1;
    mouse->getMousePosition(&screenX, &screenY);
    mouse->getMousePosition(&x, &y, client);
    if (x < 0 || y < 0 || x > client->getProperty(_TQNwidth()).getLong() ||
        y > client->getProperty(_TQNheight()).getLong())
        return;
    const char* title = static_cast<const char*>(client->getUserData(kTitleKey));
    balloon->popup(title != nullptr ? title : kNoHelp,
                   static_cast<short>(screenX + kPointerOffset),
                   static_cast<short>(screenY + kPointerOffset));
    balloon->update();
}

void TQCballoonHelp::_balloon_help_popdown(TQCbase* client)
{
    TQCballoonHelp* balloon = balloonOf(client);
    if (balloon == nullptr)
        return;
    disarm(client);
    if (balloon->getUserData(kCurrentKey) == client) {
        balloon->popdown();
        balloon->update();
    }
}

TQCballoonHelp* TQGIappBalloonHelp()
{
    static TQCballoonHelp* balloon = [] {
        TQCballoonHelp* made = new TQCballoonHelp(nullptr, "app-balloonhelp");
        made->initialize();
        return made;
    }();
    return balloon;
}
