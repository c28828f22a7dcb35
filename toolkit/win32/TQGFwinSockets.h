// Windows Sockets for the whole process: started once, on first use, by
// whichever service needs them first (sockets, the HTTP client), and
// cleaned up at process exit when they were started.
#ifndef TQGFWINSOCKETS_H
#define TQGFWINSOCKETS_H

// 0 once Windows Sockets are started (only the first successful call starts
// them); else the start-up's error code, and a later call tries again.
// Safe to call from any thread.
int TQGFwinStartSockets();

#endif
