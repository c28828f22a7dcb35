// The libtqc procedures of the extended look "Modern1": scroll bar,
// scrolled form, menu bar, menu title, menu window and tab form. Each paints
// its class from the draw block its draw() hands over (by address); libtqc
// registers them under "<class>::draw" when the program starts.
#ifndef _TQEXTGUIPOLICY_TQC_H
#define _TQEXTGUIPOLICY_TQC_H

void TQCindexForm_draw_mdr1(void* block);
void TQCmenuArea_draw_mdr1(void* block);
void TQCpulldownMenuPopup_draw_mdr1(void* block);
void TQCvscrBar_draw_mdr1(void* block);
void TQCscrForm_draw_mdr1(void* block);
void TQCpulldownMenu_draw_mdr1(void* block);

#endif
