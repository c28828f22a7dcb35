// The keyboard: key state, receivers and the order a key is handed to them,
// and the input-mode window.
#include "_TQDkeyboard.h"

#include "_TQCbase.h"
#include "_TQCdevice.h"
#include "_TQCfunctionRegister.h"
#include "_TQClistData.h"
#include "_TQCprocedure.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"

#include <cctype>
#include <cstdio>

namespace {

TQDkeyboard* g_keyboard = nullptr;
TQCbase* g_modeWindow = nullptr;

const char* const kModeWindowName = "mode win";
const char* const kModeWindowMoveProc = "mode win move";
const char* const kModeWindowMoveFunction = "_mode_win_move";

TQCfunctionRegister g_modeWindowMoveRegister(
    kModeWindowMoveFunction, reinterpret_cast<void*>(&TQDkeyboard::_mode_win_move));

bool listHolds(const TQClistData& list, void* p)
{
    for (long i = 0; i < list.getNum(); ++i) {
        if (list.getData(i) == p)
            return true;
    }
    return false;
}

// Whether object lies inside the modal client: up through parents, and
// across a device of its own to the client of that device's parent device.
bool insideModalClient(TQCbase* object, TQCbase* modalClient)
{
    TQCbase* current = object;
    while (current != nullptr) {
        if (current == modalClient)
            return true;
        TQDdev* own = current->getowndev();
        if (own == nullptr) {
            current = current->getParent();
            continue;
        }
        TQDdev* parentDev = own->getParentDev();
        if (parentDev == nullptr)
            return false;
        current = parentDev->getAttachedClient();
    }
    return false;
}

// A receiver may destroy menus or shortcut owners while the key is offered
// around: only objects still listed are asked about or offered it.
TQCbase* stillListed(const TQClistData& snapshot, long i, const TQClistData& live)
{
    TQCbase* object = static_cast<TQCbase*>(snapshot.getData(i));
    return object != nullptr && listHolds(live, object) ? object : nullptr;
}

TQCbase* currentModalClient()
{
    TQDappDev* app = TQGIappDev();
    return app != nullptr ? app->getModalClient() : nullptr;
}

} // namespace

TQDkeyboard::Links& TQDkeyboard::links()
{
    static Links installed = {nullptr, nullptr, nullptr};
    return installed;
}

// ---------------------------------------------------------------------------
// Construction

TQDkeyboard::TQDkeyboard()
    : focusInputWorkProc(nullptr), focusReleaseProc(nullptr), specialInputWorkProc(nullptr),
      globalKeyHook(nullptr), focusData(nullptr), specialData(nullptr), key(0), flags(),
      focusInstance(nullptr), specialFocusInstance(nullptr)
{
    flags.globalKeySensitive = 1;
}

TQDkeyboard::~TQDkeyboard() {}

TQDkeyboard* TQGIappKeyboard()
{
    if (g_keyboard != nullptr)
        return g_keyboard;
    if (TQDkeyboard::getCreateInstanceHandler() == nullptr) {
        std::fprintf(stderr, "Error: TQDkeyboard* TQGIappKeyboard() _create_handler is null.\n");
        return nullptr;
    }
    g_keyboard = TQDkeyboard::createFromHandler();
    return g_keyboard;
}

// ---------------------------------------------------------------------------
// Base versions of the platform's operations

long TQDkeyboard::initialize()
{
    return 0;
}

void TQDkeyboard::setKey(long k)
{
    key = k;
    if (k == 0)
        keyText.setString("", -2);
}

void TQDkeyboard::setEnableFep(TQDdev*, unsigned char enable)
{
    flags.fepEnabled = enable != 0 ? 1 : 0;
}

long TQDkeyboard::startFep(TQDdev*, short, short, short, short, short)
{
    return 0;
}

long TQDkeyboard::startAscii(TQDdev*, short, short, short, short, short)
{
    return 0;
}

long TQDkeyboard::setFepPos(TQDdev*, short, short, short, short, short)
{
    return 0;
}

long TQDkeyboard::resetFep(TQDdev*)
{
    return 0;
}

long TQDkeyboard::setFepStatus(long)
{
    return 0;
}

void TQDkeyboard::setSelectedString(char* text, long encoding)
{
    selectedString.setString(text, encoding);
}

char* TQDkeyboard::getSelectedString(long encoding)
{
    return selectedString.getString(encoding);
}

// ---------------------------------------------------------------------------
// Key text and receivers

void TQDkeyboard::setText(char* text, long encoding)
{
    keyText.setString(text, encoding);
}

char* TQDkeyboard::getText(long encoding)
{
    return keyText.getString(encoding);
}

bool TQDkeyboard::isCancelKey(long key)
{
    switch (key) {
    case KEY_ESCAPE:
    case KEY_LEFT_SYSTEM:
    case KEY_RIGHT_SYSTEM:
    case KEY_MENU:
    case KEY_CONTROL:
    case KEY_ALT:
    case -1:
        return true;
    default:
        return false;
    }
}

bool TQDkeyboard::matchesShortcut(const char* shortcut)
{
    const char* key = getText(-2);
    if (shortcut == nullptr || shortcut[0] == '\0' || key == nullptr || key[0] == '\0')
        return false;
    return std::toupper(static_cast<unsigned char>(key[0])) ==
           std::toupper(static_cast<unsigned char>(shortcut[0]));
}

unsigned char TQDkeyboard::shortcutLetter()
{
    const char* text = getText(-2);
    unsigned char c = text != nullptr ? static_cast<unsigned char>(text[0]) : 0;
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// The old release procedure runs last, so that it already sees its
// successor installed.
void TQDkeyboard::setFocusInputWorkProc(FocusInputWorkProc proc, FocusReleaseProc release,
                                        void* data, TQCbase* instance)
{
    FocusReleaseProc oldRelease = focusReleaseProc;
    void* oldData = focusData;
    focusInputWorkProc = proc;
    focusReleaseProc = release;
    focusData = data;
    focusInstance = instance;
    if (oldRelease != nullptr)
        oldRelease(oldData);
}

void TQDkeyboard::resetFocusInputWorkProc()
{
    focusInputWorkProc = nullptr;
    focusReleaseProc = nullptr;
    focusData = nullptr;
    focusInstance = nullptr;
}

void TQDkeyboard::setSpecialInputWorkProc(SpecialInputWorkProc proc, void* data,
                                          TQCbase* instance)
{
    specialInputWorkProc = proc;
    specialData = data;
    specialFocusInstance = instance;
}

void TQDkeyboard::resetSpecialInputWorkProc()
{
    specialInputWorkProc = nullptr;
    specialData = nullptr;
    specialFocusInstance = nullptr;
}

// ---------------------------------------------------------------------------
// Dispatch

unsigned char TQDkeyboard::executeHandler(unsigned char pressed)
{
    if (globalKeyHook != nullptr && globalKeyHook(getKey(), pressed) == 0)
        return 1;

    guardSpecialFocus(currentModalClient());
    if (specialInputWorkProc != nullptr && specialInputWorkProc(specialData, this, pressed) == 0)
        return 1;

    guardFocus(currentModalClient());
    if (withAlt())
        offerToMenus(pressed);

    unsigned char result = 0;
    if (focusInputWorkProc != nullptr) {
        focusInputWorkProc(focusData, this, pressed);
        result = 1;
    }
    if (getKey() == KEY_ESCAPE && pressed == 1)
        closeFocusDialog();
    return result;
}

// A holder outside the running modal loop loses its focus before it could
// take the key.
void TQDkeyboard::guardSpecialFocus(TQCbase* modalClient)
{
    TQCbase* holder = TQCbase::getSpecialFocusInstance();
    if (modalClient != nullptr && holder != nullptr && !insideModalClient(holder, modalClient))
        holder->setSpecialFocus(0);
}

void TQDkeyboard::guardFocus(TQCbase* modalClient)
{
    TQCbase* holder = TQCbase::getFocusInstance();
    if (modalClient != nullptr && holder != nullptr && !insideModalClient(holder, modalClient))
        holder->setFocus(0);
}

// Menus of the active window come first, then every other menu, then the
// shortcut owners of the active window. The copies keep the walk stable
// while receivers change the lists.
void TQDkeyboard::offerToMenus(unsigned char pressed)
{
    TQDappDev* app = TQGIappDev();
    if (app == nullptr)
        return;
    long event = pressed != 0 ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE;
    TQCbase* active = links().activeWindow != nullptr ? links().activeWindow() : nullptr;
    TQClistData& liveMenus = app->getMenuList();
    TQClistData menus(liveMenus);

    for (long i = 0; i < menus.getNum(); ++i) {
        TQCbase* menu = stillListed(menus, i, liveMenus);
        if (menu != nullptr && (active == nullptr || menu->getParentWindow() == active))
            menu->execEventProc(event, nullptr);
    }
    if (active == nullptr)
        return;
    for (long i = 0; i < menus.getNum(); ++i) {
        TQCbase* menu = stillListed(menus, i, liveMenus);
        if (menu != nullptr && menu->getParentWindow() != active)
            menu->execEventProc(event, nullptr);
    }
    TQClistData& liveOwners = app->getAltFocusInstanceList();
    TQClistData owners(liveOwners);
    for (long i = 0; i < owners.getNum(); ++i) {
        TQCbase* owner = stillListed(owners, i, liveOwners);
        if (owner != nullptr && owner->getParentWindow() == active)
            owner->execEventProc(event, nullptr);
    }
}

// Escape closes the dialog that holds the focus, and lets the hiding take
// effect at once: one event, the devices it freed, the queued updates.
void TQDkeyboard::closeFocusDialog()
{
    TQDappDev* app = TQGIappDev();
    if (app == nullptr || app->getFocusDialog() == nullptr)
        return;
    app->getFocusDialog()->setVisible(0);
    app->dispatchEvent();
    TQGIappDevice()->clearDeleteList();
    app->update();
}

// ---------------------------------------------------------------------------
// Mode window

// Null while the controls provide no balloon-help window; a later call
// tries again.
TQCbase* TQDkeyboard::modeWindow(bool placeAtOrigin)
{
    if (g_modeWindow != nullptr)
        return g_modeWindow;
    if (links().newBalloonHelp == nullptr)
        return nullptr;
    TQCbase* window = links().newBalloonHelp(nullptr, kModeWindowName);
    if (window == nullptr)
        return nullptr;
    window->initialize();
    window->setPropertyV("width", static_cast<unsigned short>(100));
    window->setPropertyV("height", static_cast<unsigned short>(30));
    if (placeAtOrigin) {
        window->setPropertyV("x", static_cast<short>(0));
        window->setPropertyV("y", static_cast<short>(0));
    }
    window->setPropertyV("backColor", "lightyellow2");
    TQCprocedure* move = new TQCprocedure(kModeWindowMoveProc, TQEV_MOUSE_MOVE);
    move->setInternal(1);
    move->setFunction(&TQDkeyboard::_mode_win_move, kModeWindowMoveFunction);
    if (window->addProcedure(move) != 0)
        delete move;
    g_modeWindow = window;
    return window;
}

void TQDkeyboard::setVisibleModeWindow(unsigned char visible)
{
    TQCbase* window = modeWindow(true);
    if (window != nullptr)
        window->setVisible(visible);
}

void TQDkeyboard::setPositionModeWindow(short x, short y)
{
    TQCbase* window = modeWindow(false);
    if (window == nullptr)
        return;
    window->setPropertyV("x", x);
    window->setPropertyV("y", y);
}

void TQDkeyboard::setModeString(char* text)
{
    if (g_modeWindow == nullptr)
        return;
    if (links().setBalloonString != nullptr)
        links().setBalloonString(g_modeWindow, text);
    g_modeWindow->redraw();
}

void TQDkeyboard::_mode_win_move(TQCbase* window)
{
    TQDmouse* mouse = TQGIappMouse();
    if (window == nullptr || mouse == nullptr || mouse->getTargetBtn() == TQDmouse::STATUS_BUTTON1)
        return;
    short px = 0;
    short py = 0;
    mouse->getMousePosition(&px, &py);
    unsigned short width = 0;
    unsigned short height = 0;
    window->getPropertyV("width", &width);
    window->getPropertyV("height", &height);
    window->setPropertyV("x", static_cast<short>(px - width / 2));
    window->setPropertyV("y", static_cast<short>(py - height / 2));
}
