// Holds only the entry point of inter-application messages that the window procedure uses.
#include "TQDwinMessage.h"

long TQDwinMessage::receiveMessage(TQDwinMessage*, void*)
{
    return 0;
}
