// An event procedure: a function that runs on an object when one of its
// triggers fires. The function is given by address, or by name and then
// looked up in the application function list each time it runs.
#ifndef _TQCPROCEDURE_H
#define _TQCPROCEDURE_H

class TQCbase;

typedef void (*TQCprocedureFunction)(TQCbase* object);
// Runs a procedure whose function cannot be found, by function name.
typedef void (*TQCprocedureHandler)(char* functionName, TQCbase* object);

class TQCprocedure {
public:
    TQCprocedure(const char* procName, long trigger);
    virtual ~TQCprocedure();

    void setProcName(const char* name);
    // "" when none.
    const char* getProcName() const;

    void setFunction(TQCprocedureFunction function, const char* functionName);
    const char* getFunctionName() const;
    void setProc(void* function);
    // The address when one is set, else the function list's address for the
    // function name (never cached), else null.
    TQCprocedureFunction getProc() const;

    // Only the low 8 bits are kept; the effective mask stays as it was.
    void setTrigger(long trigger);
    long getTrigger() const { return trigger; }

    void setEffectiveTriggerMask(long mask) { effectiveMask = mask; }
    long getEffectiveTriggerMask() const { return effectiveMask; }
    // Internal procedures wire the toolkit itself: they run after the
    // others, are never traced, saved or listed.
    void setInternal(unsigned char on) { internal = on & 1; }
    unsigned char getInternal() const { return internal; }
    void setUseFile(unsigned char on) { useFile = on & 1; }
    unsigned char getUseFile() const { return useFile; }

private:
    friend class TQCbase;

    TQCprocedure(const TQCprocedure&) = delete;
    TQCprocedure& operator=(const TQCprocedure&) = delete;

    TQCprocedureFunction function;
    char* functionName;
    char* procName;
    long effectiveMask;
    signed char trigger;
    unsigned char internal : 1;
    unsigned char useFile : 1;
    // Set by the object the procedure is attached to, from its own count of
    // attaches: a pass tells entries attached after it began by it.
    unsigned long attachSerial;
};

// The process-wide handler for procedures whose function is not found; none
// by default.
void TQGFsetProcedureHandler(void* handler);
void* TQGFgetProcedureHandler();

#endif
