// The server side of the widget proxy: calls of class "TQCbase" run on the
// named instance of this process.
#ifndef _TQCBASE_REMOTE_CALL_H
#define _TQCBASE_REMOTE_CALL_H

class TQCremoteCall;
class TQDserialize;

void _TQCbase_remote_call(TQDserialize* s, TQCremoteCall* call);

#endif
