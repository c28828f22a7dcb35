// Inter-application messages on Win32. A channel publishes itself in a
// volatile registry key of the current user (its name to the application
// window, its name followed by "#THIS#" to the channel object); a text
// travels as a global atom in WM_USER to the receiver's application window.
#ifndef TQDWINMESSAGE_H
#define TQDWINMESSAGE_H

#include "_TQDmessage.h"

#include <cstdint>

class TQDwinMessage : public TQDmessage {
public:
    TQDwinMessage();
    // Withdraws the channel's entries, unless another channel has since
    // published under the same name.
    ~TQDwinMessage() override;
    TQ_ROOT_FRAME(TQDwinMessage, TQDmessage)

    // Publishes the channel under its name (not an empty one).
    void initialize() override;
    // Hands an arrived text to the channel's handler.
    void sendMessage(char* text) override;

    // Sends text to the channel published as name; its application takes it
    // when it next handles its messages, however busy it is now. host is
    // not read. 0 when it is on its way; -1 for an unknown name, a text no
    // atom can hold (empty or over 255 characters) or a window that is gone.
    static long extSendMessage(const char* host, const char* name, const char* text);
    static long extSendNewMessage(const char* host, const char* name, const char* text);

    // The application window's handling of WM_USER with a wParam that is
    // none of its private codes: wParam names the receiving channel, lParam
    // is the atom, which is deleted. 1 when the text was delivered, 0 when
    // not (the window then treats the message like any other).
    static long receiveMessage(std::uintptr_t wParam, std::intptr_t lParam);
    // Whether channel is an open channel of this process.
    static unsigned char _is_exist(TQDwinMessage* channel);

private:
    void* key;  // HKEY of the directory, null when it could not be opened
};

TQDmessage* _winclient_msg_create();
// Installs the channel factory and the send procedures.
void TQGFwinMessageInitialize();

#endif
