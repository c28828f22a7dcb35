// The extended-look hook of a widget class: the class's look procedure
// ("<class>::draw"), kept for the class, renewed when the look changes, and
// the one call that draws through it. One line in the class, TQ_LOOK_HOOK,
// gives all of it:
//
//     struct TQCgaugeDrawBlock {
//         TQClookHead head;  // filled by the hook
//         short value;
//     };
//     class TQCgauge : public TQCnwbase {
//     public:
//         TQ_CLASS_FRAME(TQCgauge, TQCnwbase, 1000, 1000)
//         TQ_LOOK_HOOK(TQCgauge, TQCgaugeDrawBlock)
//         ...
//     };
//     void TQCgauge::fillDrawBlock(TQCgaugeDrawBlock& b) { b.value = m_value; }
//     long TQCgauge::draw()
//     {
//         ... the class's own checks ...
//         if (drawThroughLook(dev))
//             return 0;
//         ... the classic drawing ...
//     }
#ifndef _TQCLOOKHOOK_H
#define _TQCLOOKHOOK_H

#include "_TQCguiPolicy.h"
#include "_TQCstring.h"

class TQCbase;
class TQDdev;

// The fields every draw block begins with, in this order: what a look
// procedure needs to know of any widget before the fields of its class.
struct TQClookHead {
    TQCbase* instance;
    TQDdev* device;  // the widget's own device
    short x;
    short y;
    unsigned short width;
    unsigned short height;
    unsigned short shadowThickness;
};

// The procedure a look gives one widget class, looked up on first need and
// again only when another look is selected.
class TQClookProc {
public:
    // key is kept by reference.
    explicit TQClookProc(const char* key) : m_key(key) {}
    TQClookProc(const TQClookProc&) = delete;
    TQClookProc& operator=(const TQClookProc&) = delete;

    // What to draw with now: null while no extended look is selected or the
    // look has no procedure for the key.
    TQCguiPolicy::DrawProc current();
    // After a look change: forgets the procedure when no look is selected,
    // looks it up again when the selected look is another one.
    void refresh();
    // After the GUI policy or the look changed: the widget's own handling
    // (its GUI_POLICY procedures), refresh(), then a whole repaint of a
    // visible widget.
    void policyChanged(TQCbase* widget, long policy);

private:
    const char* m_key;
    TQCguiPolicy::DrawProc m_proc = nullptr;
    TQCstring m_lookName;
    bool m_named = false;
};

// Keeps the widget on the list of objects told of a GUI-policy change while
// it lives; a derived class's hook finds it there already.
class TQClookListener {
public:
    explicit TQClookListener(TQCbase* widget);
    ~TQClookListener();
    TQClookListener(const TQClookListener&) = delete;
    TQClookListener& operator=(const TQClookListener&) = delete;

private:
    TQCbase* m_widget;
    bool m_added;
};

// Place it in the public part of class Class, after TQ_CLASS_FRAME; Block is
// the class's draw block, whose first member is a TQClookHead named head.
// The class defines fillDrawBlock, which fills the fields after the head.
// drawThroughLook(dev) hands the selected look's procedure a block filled
// now and returns true, or returns false (draw classically) when the look
// has no procedure for the class.
#define TQ_LOOK_HOOK(Class, Block)                                               \
    typedef Block DrawBlock;                                                     \
    static TQClookProc& lookProc()                                               \
    {                                                                            \
        static TQClookProc proc(#Class "::draw");                                \
        return proc;                                                             \
    }                                                                            \
    void onGuiPolicyChange(long policy) override                                 \
    {                                                                            \
        lookProc().policyChanged(this, policy);                                  \
    }                                                                            \
    virtual bool drawThroughLook(TQDdev* dev)                                    \
    {                                                                            \
        TQCguiPolicy::DrawProc proc = lookProc().current();                      \
        if (proc == nullptr)                                                     \
            return false;                                                        \
        Block block;                                                             \
        block.head = {this, dev, m_x, m_y, m_width, m_height, m_shadowThickness}; \
        fillDrawBlock(block);                                                    \
        proc(&block);                                                            \
        return true;                                                             \
    }                                                                            \
    void fillDrawBlock(Block& block);                                            \
                                                                                 \
private:                                                                         \
    TQClookListener m_lookListener{this};                                        \
                                                                                 \
public:

#endif
