// The main window "newwin000" with its widgets and the hidden channel
// dialog "newdial_001", and the channel dialog's procedure.
#ifndef NEWWIN000_H
#define NEWWIN000_H

class TQCbase;

// Init handler: builds the main window, binds the application's procedures
// by name, shows it and returns it.
TQCbase* _create_win_newwin000();

// The channel dialog's activate procedure: hides the dialog, which ends
// its modal loop with the answer that OK or NO recorded.
void dialogRadioAct_ep(TQCbase* object);

#endif
