// The program's start-up: what it registers with the toolkit before the
// toolkit's own start-up runs, and the init handlers it registers.
#ifndef TIDESCOPE_H
#define TIDESCOPE_H

// In this order: the devices, the init handlers _font_init_ and
// _mouse_init_, the default encoding Shift_JIS, the instance name, the
// builder's init handler, then the dialogs and message road of the
// procedures. The toolkit runs it first thing in __win_main.
void tideScopeStartUp();

// Init handlers: the font descriptions of font numbers 0 to 7 and the
// mouse cursors.
void _font_init_();
void _mouse_init_();

#endif
