// The top-level window: one object per operating-system window, on its own
// "windowDev" device, holding the forms and widgets placed in it. The main
// window, the dialogs and the pop-up frames derive from it.
#ifndef _TQCWINDOW_H
#define _TQCWINDOW_H

#include "_TQCclassFrame.h"
#include "_TQCindexVariantData.h"
#include "_TQDwindowDev.h"

#include <type_traits>

class TQCwindow : public TQCbase {
public:
    TQ_CLASS_FRAME(TQCwindow, TQCbase, 1000, 1000)
    typedef void (*ExitHandler)();

    // The window's own trigger beyond the device events; the window device
    // (_TQDwindowDev.h) has the closing trigger and the device keys.
    enum { TRIGGER_EXIT = 32 };
    // Title-bar kind that makes a window without frame or title.
    enum { TITLE_BAR_OVERRIDE_REDIRECT = 6 };

    TQCwindow(TQCbase* parent, const char* name);
    ~TQCwindow() override;

    // Overrides of TQCbase, in its slot order.
    void onResize(TQCrect* rect) override;
    void onVisibleChange(unsigned char v) override;
    void onParentVisibleChange(unsigned char v) override;
    void onEditModeChange(unsigned char on) override;
    void onFocusChange(unsigned char focus) override;
    void onDefaultColorChange() override;
    long _device_initialize() override;
    long initialize() override;
    long getObjectType() override;
    // Shows (1) or hides (0). A show asked for from inside the window's
    // own visibility change (an "EXIT" or visibility procedure) waits for
    // the next tick of the application timer.
    void setVisible(unsigned char v) override;
    TQClistData& getChildren() override { return m_children; }
    TQClistData* getChildrenPtr() override { return &m_children; }
    // pos counts places from the end of the list: 0 puts the child last,
    // the child count or more first. -1 when child is not a child.
    long restackChild(TQCbase* child, int pos) override;
    void setChildren(TQClistData& children) override;
    void update() override;
    void internalUpdate() override;
    long draw() override;
    long clear() override;
    long redraw() override;
    long cdraw() override;
    const char* getUseDevName() override;
    long execEventProc(long event, void* data) override;

    // Set and get hooks, one pair per property in registration order.
    TQ_PROPERTY_HOOKS(name, char*)
    TQ_PROPERTY_WORK_HOOK(titleString, char*)
    TQ_PROPERTY_HOOKS(userString, char*)
    TQ_PROPERTY_HOOKS(userValue, long)
    TQ_PROPERTY_OWN_HOOKS(x, short)
    TQ_PROPERTY_OWN_HOOKS(y, short)
    TQ_PROPERTY_WORK_HOOK(width, unsigned short)
    TQ_PROPERTY_WORK_HOOK(height, unsigned short)
    TQ_PROPERTY_HOOKS(shadowThickness, unsigned char)
    TQ_PROPERTY_HOOKS(foreColor, short)
    TQ_PROPERTY_WORK_HOOK(backColor, short)
    TQ_PROPERTY_HOOKS(topShadowColor, short)
    TQ_PROPERTY_HOOKS(bottomShadowColor, short)
    TQ_PROPERTY_WORK_HOOK(backPixmap, short)
    TQ_PROPERTY_OWN_HOOKS(titleBar, char)
    TQ_PROPERTY_HOOKS(shadowType, char)
    TQ_PROPERTY_OWN_HOOKS(vis, TQCbool)
    TQ_PROPERTY_WORK_HOOK(det, TQCbool)
    TQ_PROPERTY_WORK_HOOK(pixmapStyle, unsigned char)
    TQ_PROPERTY_HOOKS(group, char*)
    TQ_PROPERTY_HOOKS(unique, TQCbool)
    TQ_PROPERTY_WORK_HOOK(mouse, unsigned short)
    TQ_PROPERTY_HOOKS(gradation, unsigned char)
    TQ_PROPERTY_HOOKS(gradationMargin, unsigned char)
    TQ_PROPERTY_HOOKS(exit, TQCbool)
    TQ_PROPERTY_HOOKS(indicatorOn, TQCbool)
    TQ_PROPERTY_HOOKS(margin, unsigned char)
    TQ_PROPERTY_HOOKS(marginLeft, unsigned short)
    TQ_PROPERTY_HOOKS(emboss, TQCbool)
    TQ_PROPERTY_HOOKS(barThickness, unsigned char)
    TQ_PROPERTY_HOOKS(export, TQCbool)
    TQ_PROPERTY_HOOKS(keepPixmapCache, TQCbool)

    // Runs when the window is closed from its frame while closing is off,
    // and when its native window is destroyed; nothing here.
    virtual void onWindowClose() {}
    // Runs whenever width or height is set and on every resize; dialogs
    // lay out their buttons in it. Nothing here.
    virtual void adjustForm() {}

    // A RESIZE to the window itself with its own geometry.
    void execResizeEvent();
    // Re-anchors the children while the geometry-changed mark is set.
    void _exec_child_adjust_for_anchors();

    unsigned char getPixmapStyle() const { return m_pixmapStyle; }
    // Whether the user may close the window from its frame (only bit 0
    // of the argument counts).
    unsigned char getEnableClose() const { return m_enableClose; }
    void setEnableClose(unsigned char on) { m_enableClose = on & 1; }
    // Device key 26 when the window has a device. 0.
    long setMapStatus(long status);
    // 0 normal, 1 minimised, 2 maximised, through the own device.
    long setWindowStatus(long status);
    long getWindowStatus();

    // Every live window, in order of construction.
    static TQClistData& getWorkWindowList();
    // Runs, before the "EXIT" procedures, when a window whose exit
    // property is on is hidden; null removes it.
    static void setGlobalExitHandler(ExitHandler handler);
    // Application-timer procedure of a deferred show.
    static void _delay_visible(unsigned char tick, void* object);
    // The window that now has the native focus (null: none); the one
    // active before moves to the pre-active slot.
    static void _set_active_instance(TQCbase* window);

protected:
    // For the windows that pop up over the others (pop-up frames, menu
    // windows): their device set-up keeps them frameless and above the
    // others; their show makes a device that is not there yet without a
    // title bar, hands it the window's events and shows it, whatever the
    // parent's visibility.
    void keepAsPopup();
    void showAsPopup();
    // Opens drawing on the whole window and paints its background and
    // shadow frame, as such a window's drawing begins; false when drawing
    // cannot start.
    bool beginFramedDraw(TQDdev* dev, unsigned char whole);

    char* m_titleString;
    char* m_group;
    TQClistData m_children;
    short m_x;
    short m_y;
    unsigned short m_width;
    unsigned short m_height;
    short m_foreColor;
    short m_backColor;
    short m_topShadowColor;
    short m_bottomShadowColor;
    short m_backPixmap;
    // Colours derived from the background, kept by subclasses; a new
    // background colour resets them.
    short m_derivedColors[3];
    unsigned short m_mouse;
    unsigned short m_marginLeft;
    unsigned char m_barThickness;
    unsigned char m_gradationMargin;
    unsigned char m_gradation : 4;
    unsigned char m_shadowThickness : 4;
    char m_titleBar : 4;
    char m_shadowType : 4;
    TQCbool m_unique : 1;
    unsigned char m_pixmapStyle : 2;
    TQCbool m_exit : 1;
    unsigned char m_margin : 4;
    unsigned char m_resizePending : 1;
    TQCbool m_indicatorOn : 1;
    TQCbool m_emboss : 1;
    unsigned char m_visibilityGuard : 1;
    unsigned char m_enableClose : 1;

    TQ_BIT_FIELD_SLOT(m_gradation)
    TQ_BIT_FIELD_SLOT(m_shadowThickness)
    TQ_BIT_FIELD_SLOT(m_titleBar)
    TQ_BIT_FIELD_SLOT(m_shadowType)
    TQ_BIT_FIELD_SLOT(m_unique)
    TQ_BIT_FIELD_SLOT(m_pixmapStyle)
    TQ_BIT_FIELD_SLOT(m_exit)
    TQ_BIT_FIELD_SLOT(m_margin)
    TQ_BIT_FIELD_SLOT(m_indicatorOn)
    TQ_BIT_FIELD_SLOT(m_emboss)

private:
    void registerProperties();
    // Set up and holding its own device: the hooks talk to the device.
    bool realised();
    // A device key with a value to the own device, when there is one.
    template <typename T> void sendKey(long key, T value);
    void sendTitleBar(char kind);
    void sizeSet(long key, unsigned short v);
    // Clears the active and pre-active slots that hold the window.
    static void forgetActiveWindow(TQCbase* window);
    void runExitRule();
    void hideOtherWindowsOfGroup();
    void adjustChild(TQCbase* child, bool guarded);
    // The builder's side of a resize in edit mode: the undo step of the
    // size before, then the handles and the property editor.
    void recordEditStep();
    void showEditResize(bool sizeChanged);
    // Parts of draw().
    void drawBackground(TQDdev* dev);
    void drawDotGrid(TQDdev* dev, short ex, short ey, unsigned short ew, unsigned short eh);
    void drawGrip(TQDdev* dev, unsigned short t, bool inStatusBar);
};

// Numbers travel by address, texts and objects as themselves.
template <typename T>
void TQCwindow::sendKey(long key, T value)
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return;
    if constexpr (std::is_pointer_v<T>)
        dev->setValue(key, static_cast<void*>(value));
    else
        dev->setValue(key, &value);
}

// What a window that pops up over the others (pop-up frames, menu windows)
// adds to a window, placed after TQ_CLASS_FRAME: it ignores the moves and
// sizes the window system reports, draws through a pixmap, keeps frameless
// and above the others, and counts as a pop-up. Its class shows itself in
// onVisibleChange with showAsPopup and begins its drawing with
// beginFramedDraw.
#define TQ_POPUP_WINDOW_FRAME                                                    \
    void onResize(TQCrect*) override {}                                          \
    long initialize() override                                                   \
    {                                                                            \
        TQCwindow::initialize();                                                 \
        applyMadeValues();                                                       \
        return 0;                                                                \
    }                                                                            \
    void getMadeValues(TQCindexVariantData* values) override                     \
    {                                                                            \
        TQCwindow::getMadeValues(values);                                        \
        values->setData(_TQNpixmapStyle(), TQCvariant(static_cast<unsigned char>(1))); \
    }                                                                            \
    long _device_initialize() override                                           \
    {                                                                            \
        TQCwindow::_device_initialize();                                         \
        keepAsPopup();                                                           \
        return 0;                                                                \
    }                                                                            \
    long getObjectType() override { return OBJECT_POPUP | TQCwindow::getObjectType(); }

// The active window: the one that last gained the native focus, null once it
// is hidden (until it is activated again) or destroyed.
TQCbase* TQGFgetActiveWindow();
// The window active before the last change; null once that window is gone.
TQCbase* TQGFgetPreActiveWindow();
// Null: no window is active any more. Otherwise asks the device of a visible
// top-level window to activate it; the active window changes when the
// activation comes back. 0, or -1 for a hidden window, an object that is not
// a top-level window or one without a device.
long TQGFsetActiveWindow(TQCbase* window);

#endif
