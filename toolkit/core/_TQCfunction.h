// One entry of the application function list: a function address under the
// name that event procedures refer to it by.
#ifndef _TQCFUNCTION_H
#define _TQCFUNCTION_H

class TQCfunction {
public:
    TQCfunction();
    virtual ~TQCfunction();

    // Keeps a copy of the name.
    void setFunction(const char* name, void* function);
    void* getFunction() const { return function; }
    char* getFunctionName() const { return name; }

private:
    TQCfunction(const TQCfunction&) = delete;
    TQCfunction& operator=(const TQCfunction&) = delete;

    void* function;
    char* name;
};

#endif
