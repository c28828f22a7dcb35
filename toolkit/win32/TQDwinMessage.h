// Holds only the entry point of inter-application messages that the window procedure uses.
#ifndef TQDWINMESSAGE_H
#define TQDWINMESSAGE_H

class TQDwinMessage {
public:
    // WM_USER with a receiving channel as wParam and an atom as lParam:
    // 1 when the text was delivered, 0 otherwise.
    static long receiveMessage(TQDwinMessage* receiver, void* atom);
};

#endif
