// The scroll frame: the viewport of a scrolled form. A form whose device
// ("scrFrameDev") shows a work area larger than the frame, moved to minus
// the two offsets; the frame keeps the work size and the offsets, keeps the
// offsets inside the work area and hands all four to its device.
#ifndef _TQCSCRFRAME_H
#define _TQCSCRFRAME_H

#include "_TQCform.h"

class TQCscrFrame : public TQCform {
public:
    TQ_CLASS_FRAME(TQCscrFrame, TQCform, 1000, 1010)
    TQCscrFrame(TQCbase* parent, const char* name);

    // Device values of the scroll-frame device.
    enum {
        VALUE_WORK_WIDTH = 7,
        VALUE_WORK_HEIGHT = 8,
        VALUE_H_OFFSET = 9,
        VALUE_V_OFFSET = 10,
        VALUE_TITLE_HEIGHT = 21
    };

    // A press in the view hands the pointer to the scrolled form around it.
    void onMousePress(TQCpoint* point) override;
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    long _device_initialize() override;
    void update() override;
    // Paints the background over the part of the work area in view.
    long draw() override;
    long clear() override;
    long redraw() override;
    // Redraws the children in view through an expose of that rectangle.
    long cdraw() override;
    const char* getUseDevName() override { return "scrFrameDev"; }

    TQ_PROPERTY_WORK_HOOK(titleHeight, unsigned short)
    TQ_PROPERTY_WORK_HOOK(hbarValue, unsigned short)
    TQ_PROPERTY_WORK_HOOK(vbarValue, unsigned short)
    TQ_PROPERTY_WORK_HOOK(workWidth, unsigned short)
    TQ_PROPERTY_WORK_HOOK(workHeight, unsigned short)

    // Move the view: the offset kept inside the work area; nothing happens
    // when it is the one the frame holds.
    void setHbarValue(unsigned short offset);
    void setVbarValue(unsigned short offset);
    // No-scroll mode: the device shows the frame's own size at offset 0,
    // while the frame keeps its offsets.
    void _set_no_scroll(unsigned char on);

    unsigned short getHbarValue() const { return m_hbarValue; }
    unsigned short getVbarValue() const { return m_vbarValue; }
    unsigned short getWorkWidth() const { return m_workWidth; }
    unsigned short getWorkHeight() const { return m_workHeight; }

private:
    // The offset with the visible stretch inside the work area.
    static unsigned short clamped(unsigned short offset, unsigned short work,
                                  unsigned short visible);
    void sendValue(long key, unsigned short value);
    // The offset as the device sees it: 0 in no-scroll mode.
    void sendOffset(long key, unsigned short offset);
    void sendState();
    void moveView(unsigned short* offset, unsigned short wanted, unsigned short work,
                  unsigned short visible, long key);
    void paintDots(TQDdev* dev, long x, long y, unsigned long w, unsigned long h);

    unsigned short m_hbarValue = 0;
    unsigned short m_vbarValue = 0;
    unsigned short m_workWidth = 1000;
    unsigned short m_workHeight = 1000;
    unsigned short m_titleHeight = 0;
    unsigned char m_noScroll : 1;
};

void* TQCscrFrame_create(void* parent);
void TQCscrFrame_delete(void* object);

#endif
