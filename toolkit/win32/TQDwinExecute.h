// Holds only the entry point of child processes that the window procedure uses.
#ifndef TQDWINEXECUTE_H
#define TQDWINEXECUTE_H

class TQDwinExecute {
public:
    // WM_USER 1 on the application thread; object is the message's lParam.
    static void _callback(void* object);
};

#endif
