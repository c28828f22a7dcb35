// The libtq procedures of the extended look "Modern1". Each paints one class
// from the draw block its draw() hands over (by address), in place of the
// classic drawing; libtq registers them under "<class>::draw" when the
// program starts.
#ifndef _TQEXTGUIPOLICY_TQ_H
#define _TQEXTGUIPOLICY_TQ_H

#include <cstddef>

// The look's name in the GUI policy and the look file.
extern const char* const TQGFmodern1Look;

// One procedure of the look and the key it is found under.
struct TQCmodern1Registration {
    const char* key;
    void (*procedure)(void* block);
};
// Registers the procedures under the look's name, in the table's order.
void TQGFregisterModern1(const TQCmodern1Registration* table, size_t count);

void TQCvbtn_draw_mdr1(void* block);
void TQCform_draw_mdr1(void* block);
void TQCvtoggle_draw_mdr1(void* block);
void TQCvradio_draw_mdr1(void* block);
void TQCoption_draw_mdr1(void* block);
void TQCpopupFrame_draw_mdr1(void* block);

#endif
