// The instance directory as this process serves it: the handler of remote
// calls to the class "TQCbaseList", and the answers it shares with a
// directory proxy aimed at this process itself.
#ifndef _TQCBASELIST_REMOTE_CALL_H
#define _TQCBASELIST_REMOTE_CALL_H

class TQCremoteCall;
class TQDserialize;

void _TQCbaseList_remote_call(TQDserialize* s, TQCremoteCall* call);

// 1 when a directory record has the address "127.0.0.1" and the port.
unsigned char _check_port_exists(short port);
// The port after counter that no loopback record holds, from 9201 again
// after 32767, so that no port handed out is negative; 0 when every port
// is held.
short _TQCbaseList_port_after(short counter);
// The answers to "checkAlive" (1) and "getBindPort" (the process's counter
// moved on); both restart the count towards the conductor's next full
// publication.
unsigned char _TQCbaseList_check_alive();
short _TQCbaseList_bind_port();

#endif
