// The application's event procedures, each registered in the function
// registry under its own name. Each takes the widget that fired.
#ifndef APPPROCEDURES_H
#define APPPROCEDURES_H

class TQCbase;

// "select WAV" (activate).
void wave1act_ep(TQCbase* object);
// The slider: value change and activate; the transform-size combo box.
void sli1valueCH_ep(TQCbase* object);
void sli1act_ep(TQCbase* object);
void combo1act_ep(TQCbase* object);
// The step buttons "<" -1, ">" +1, "<<" -5, ">>" +5, "<<<" -20, ">>>" +20.
void btn1act_ep(TQCbase* object);
void btn2act_ep(TQCbase* object);
void btn17act_ep(TQCbase* object);
void btn16act_ep(TQCbase* object);
void btn5act_ep(TQCbase* object);
void btn6act_ep(TQCbase* object);
// The noise-level field (value change).
void vifi1valCH_ep(TQCbase* object);
// "out csv" (activate).
void btn3act_ep(TQCbase* object);
// The drawing areas newvdra_001, _002, _000, _003 and _006: initialise and
// expose.
void gra1Init_ep(TQCbase* object);
void gra1Expose_ep(TQCbase* object);
void gra2Init_ep(TQCbase* object);
void gra2Expose_ep(TQCbase* object);
void gra3init_ep(TQCbase* object);
void gra3expose_ep(TQCbase* object);
void gra4init_ep(TQCbase* object);
void gra4expose_ep(TQCbase* object);
void gra7init_ep(TQCbase* object);
void gra7expose_ep(TQCbase* object);

#endif
