// The flat button: a push button whose frame shows only while the pointer
// is over it or Return holds it down. It takes Return itself: held, the
// button shows framed and pressed; let go, it activates.
#ifndef _TQCVFBTN_H
#define _TQCVFBTN_H

#include "_TQCvbtn.h"

class TQCvfbtn : public TQCvbtn {
public:
    TQ_CLASS_FRAME(TQCvfbtn, TQCvbtn, 1000, 1000)
    TQCvfbtn(TQCbase* parent, const char* name);

    void onMouseIn(TQCpoint* point) override;
    void onMouseOut() override;
    // Without the pointer over it the button is drawn without its frame.
    long draw() override;
    // Gaining it installs the flat button's keys; unlike the push button
    // it does not take the special focus.
    void onFocusChange(unsigned char on) override;

    // Return pressed and released; every other key goes to the push
    // button's key procedure. button is the TQCvfbtn.
    static void _key_handler(void* button, TQDkeyboard* keyboard, unsigned char press);
};

void* TQCvfbtn_create(void* parent);
void TQCvfbtn_delete(void* object);

#endif
