// Counts registrations made by static initialisers of registration-only
// objects, so that a test can tell they were linked in.
#ifndef LINKPROBE_H
#define LINKPROBE_H

inline int& linkProbeRegistrations()
{
    static int count = 0;
    return count;
}

#endif
