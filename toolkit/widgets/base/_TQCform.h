// The child container with a native window of its own ("formDev"): it holds
// forms and window-less widgets in stacking order, paints its background,
// dot grid and frame, and keeps its anchored children at their distances.
#ifndef _TQCFORM_H
#define _TQCFORM_H

#include "_TQCanchored.h"
#include "_TQClookHook.h"
#include "_TQGFtrigger.h"

class TQDdev;

// What the extended look's form procedure ("TQCform::draw") is handed. The
// procedure reads the fields in this order.
struct TQCformDrawBlock {
    TQClookHead head;
    short foreColor;
    short backColor;
    short topShadowColor;
    short bottomShadowColor;
    short backPixmap;  // -1: none
    long shadowType;
    unsigned short gradation;
    unsigned short gradationMargin;
};

class TQCform : public TQCbase, public TQCanchored {
public:
    TQ_CLASS_FRAME(TQCform, TQCbase, 1010, 1000)
    TQ_LOOK_HOOK(TQCform, TQCformDrawBlock)
    TQCform(TQCbase* parent, const char* name);
    // Deletes the children first to last.
    ~TQCform() override;

    void onResize(TQCrect* rect) override;
    // The first showing makes the device; a RESIZE then reports the size.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    long _device_initialize() override;
    // Places the form in a parent of that size by its anchors.
    void _adjust_for_anchors(unsigned short width, unsigned short height) override;
    long getObjectType() override { return OBJECT_CONTAINER | OBJECT_NATIVE_WINDOW; }
    TQClistData& getChildren() override { return m_children; }
    TQClistData* getChildrenPtr() override { return &m_children; }
    // Position counts from the top (0 = topmost); -1 for a non-child.
    long restackChild(TQCbase* child, int position) override;
    void setChildren(TQClistData& children) override { m_children = children; }
    void update() override;
    // Drops the device's dynamic pixmap; the next drawing builds a new one.
    void internalUpdate() override;
    long draw() override;
    long clear() override;
    // Clears the window and exposes it; with no-refresh on it leaves the
    // window as it is, only clears the marks, and answers -1.
    long redraw() override;
    long cdraw() override;
    const char* getUseDevName() override { return "formDev"; }
    long execEventProc(long event, void* data) override;

    TQ_IDENTITY_HOOKS
    TQ_PROPERTY_WORK_HOOK(x, short)
    TQ_PROPERTY_WORK_HOOK(y, short)
    TQ_PROPERTY_WORK_HOOK(width, unsigned short)
    TQ_PROPERTY_WORK_HOOK(height, unsigned short)
    TQ_PROPERTY_HOOKS(shadowThickness, unsigned char)
    TQ_PROPERTY_HOOKS(foreColor, short)
    TQ_PROPERTY_WORK_HOOK(backColor, short)
    TQ_PROPERTY_HOOKS(topShadowColor, short)
    TQ_PROPERTY_HOOKS(bottomShadowColor, short)
    // Reading backPixmap hands it to the device again, which repaints.
    TQ_PROPERTY_OWN_HOOKS(backPixmap, short)
    TQ_PROPERTY_HOOKS(shadowType, char)
    TQ_VIS_HOOKS
    TQ_DET_HOOKS
    TQ_PROPERTY_WORK_HOOK(pixmapStyle, unsigned char)
    TQ_PROPERTY_WORK_HOOK(mouse, unsigned short)
    TQ_PROPERTY_HOOKS(gradation, unsigned char)
    TQ_PROPERTY_HOOKS(gradationMargin, unsigned char)
    TQ_ANCHOR_HOOKS
    TQ_PROPERTY_HOOKS(export, TQCbool)
    TQ_PROPERTY_HOOKS(keepPixmapCache, unsigned char)

    // Runs the anchor step of every child with this form's size, while the
    // geometry is marked changed.
    virtual void _exec_child_adjust_for_anchors();

    // RESIZE with the form's x, y, width and height.
    void execResizeEvent();
    // While on, draw paints nothing and only clears the update marks.
    void setNoRefresh(unsigned char on) { m_noRefresh = on & 1; }
    unsigned char getNoRefresh() const { return m_noRefresh; }
    unsigned char getPixmapStyle() const { return m_pixmapStyle; }

protected:
    // What every class with the form's behaviour registers between its own
    // properties: those from x to the anchors, in this order, with the
    // hooks of Class and the pixmap style given as default; and the form's
    // triggers.
    template <class Class>
    static void registerFormBody(TQCclassRegistrar<Class>& r, unsigned char pixmapStyle);

    // The anchor step of every child in a parent of that size; with a
    // pixmap, a child it queues is updated at once.
    void anchorChildren(unsigned short width, unsigned short height);
    // Fills the fields every form's draw block has after its head, by name.
    template <class Record>
    void fillFormFields(Record& record)
    {
        record.foreColor = m_foreColor;
        record.backColor = m_backColor;
        record.topShadowColor = m_topShadowColor;
        record.bottomShadowColor = m_bottomShadowColor;
        record.backPixmap = m_backPixmap;
        record.shadowType = m_shadowType;
        record.gradation = m_gradation;
        record.gradationMargin = m_gradationMargin;
    }

    // Whether the edit-mode dots may lie on the edges of the area drawn.
    enum DotEdges { DOTS_ON_AREA_EDGES, DOTS_INSIDE_AREA };
    // The checks and pending work a form's drawing starts with, which forms
    // built on this one share: no-refresh, visibility, device and exposure,
    // then a pending RESIZE and anchor layout. 1 with *ready set when there
    // is something to paint, else what draw() answers.
    long readyToDraw(TQDdev** ready);
    // Opens the drawing on the whole form and paints the ground; false when
    // the device cannot draw now.
    bool openGround(TQDdev* dev, DotEdges edges);
    // The first steps of a drawing just opened: the update marks cleared,
    // then the background (backColor or the gradation, unless a background
    // image shows) and the edit-mode dot grid over the area drawn, the whole
    // form when whole is set.
    void paintGround(TQDdev* dev, unsigned char whole, DotEdges edges = DOTS_ON_AREA_EDGES);
    // What draw() paints over the ground before it closes the drawing: the
    // frame.
    virtual void drawFigure(TQDdev* dev);
    // Runs after every drawing that got through, in the classic or the
    // extended look.
    virtual void drawFinished() {}
    // Whether the dot grid of draw() takes the dots on the edges of the area
    // drawn.
    virtual bool gridIncludesEdges() const { return true; }
    // Whether the parent's anchor layout sizes the form on that axis (both
    // anchors in force, with a parent that lays out its children).
    virtual bool stretchedByParent(bool horizontal);

    bool deviceReady() { return getInitialized() && getowndev() != nullptr; }
    // The position (with the parent's scroll offsets when withOffsets is
    // set), mouse cursor, size, background and pixmap style, handed to dev.
    void handOverState(TQDdev* dev, bool withOffsets);
    // The device's position key set to position plus the scroll offset.
    void moveDevice(long key, short position, const short* offset);
    // Brings the window to the form's position plus the scroll offsets,
    // on the axes that have an offset, or with everyAxis on both.
    void syncDevicePosition(TQDdev* dev, bool everyAxis = false);

    TQClistData m_children;
    short m_x = 100;
    short m_y = 100;
    unsigned short m_width = 100;
    unsigned short m_height = 30;
    short m_foreColor = -2;
    short m_backColor = -1;
    short m_topShadowColor = -3;
    short m_bottomShadowColor = -4;
    short m_backPixmap = -1;
    unsigned short m_mouse = 0;
    unsigned char m_gradationMargin = 0;
    unsigned char m_gradation : 4;
    unsigned char m_shadowThickness : 4;
    char m_shadowType : 4;
    unsigned char m_pixmapStyle : 2;
    unsigned char m_noRefresh : 1;
    // A width or height change waits to be reported as a RESIZE.
    unsigned char m_sizeChanged : 1;
    TQ_BIT_FIELD_SLOT(m_gradation)
    TQ_BIT_FIELD_SLOT(m_shadowThickness)
    TQ_BIT_FIELD_SLOT(m_shadowType)
    TQ_BIT_FIELD_SLOT(m_pixmapStyle)

private:
    bool placedByParent(TQCbool nearFlag, TQCbool farFlag, unsigned short nearDistance,
                        short* position);
    void resizeDevice(long key, unsigned short size);
    void anchorSwitched(TQCbool on);

    bool layoutAxis(bool horizontal, unsigned short parentSize);
    void setGeometryProperty(const char* name, long value);

    void drawBackground(TQDdev* dev);
    void drawDotGrid(TQDdev* dev, const TQCrect& exposed, DotEdges edges);
    void traceDraw(int line, const char* what);
};

template <class Class>
void TQCform::registerFormBody(TQCclassRegistrar<Class>& r, unsigned char pixmapStyle)
{
    typedef Class ThisClass;
    TQ_WATCH_GEOMETRY(r, 100, 100, 100, 30);
    TQ_WATCH_BITS(r, shadowThickness, 2);
    TQ_WATCH_SHADOW_COLORS(r, -2, -1, -3, -4);
    TQ_WATCH(r, backPixmap, -1);
    TQ_WATCH_BITS(r, shadowType, 0, shadowType);
    TQCbaseProperties::visibility(r);
    TQCbaseProperties::sensitivity(r);
    TQ_WATCH_BITS(r, pixmapStyle, pixmapStyle, pixmapStyle);
    TQ_WATCH(r, mouse, 0);
    TQ_WATCH_BITS(r, gradation, 0, gradation);
    TQ_WATCH(r, gradationMargin, 0);
    registerAnchors(r);
    r.triggers({TQEV_INITIALIZE, TQEV_MOUSE_MOVE, TQEV_MOUSE_IN, TQEV_MOUSE_OUT, TQEV_MOUSE_PRESS,
                TQEV_MOUSE_RELEASE, TQEV_PARENT_VISIBLE_CH, TQEV_VISIBLE_CH, TQEV_EXPOSE,
                TQEV_RESIZE});
}

// Type server of the class: a form made with a parent and no name, and
// initialised; null without a parent.
void* TQCform_create(void* parent);
void TQCform_delete(void* object);

#endif
