// The proxy of an instance directory, the object list of the process whose
// dispatcher listens at the proxy's address and port (the directory port
// 9105 for a machine's directory). Aimed at this process's own dispatcher,
// it works on this process's list directly: the application thread could
// not answer its own call.
#ifndef _TQCRBASELIST_H
#define _TQCRBASELIST_H

#include "_TQCRroot.h"

class TQCbaseList;
class TQCremoteInstanceData;

class TQCRbaseList : public TQCRroot {
public:
    TQCRbaseList() = default;
    TQ_ROOT_FRAME(TQCRbaseList, TQCRroot)

    // The directory's answer: 0 when added (also when already held), -1
    // when the call fails.
    long addRemoteInstanceData(TQCremoteInstanceData* record);
    // 0 when an equal record was removed; -1 when none was held, or the
    // call failed (wasAnswered() tells the two apart).
    long delRemoteInstanceData(TQCremoteInstanceData* record);
    // A new record the caller owns, with empty texts and port 0 for a name
    // the directory does not hold; null when the call fails.
    TQCremoteInstanceData* getRemoteInstanceData(const char* publicName);
    // 1, or 0 when the call fails.
    unsigned char checkAlive();
    // The next port the directory hands out, or 0 when the call fails.
    long getBindPort();

private:
    bool servedHere();
    // Addition and deletion: by call, or on this process's own list.
    long sendRecord(const char* operation, TQCremoteInstanceData* record,
                    long (TQCbaseList::*here)(TQCremoteInstanceData*));
    long directoryCall(const char* operation, const char* argumentType, const char* argumentName,
              const void* argument, const char* answerType, void* answer);
};

#endif
