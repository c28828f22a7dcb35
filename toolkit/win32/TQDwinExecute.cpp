// Holds only the entry point of child processes that the window procedure uses.
#include "TQDwinExecute.h"

void TQDwinExecute::_callback(void*)
{
}
