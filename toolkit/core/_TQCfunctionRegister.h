// Registers one function under its name for as long as the object lives;
// the application's procedure files hold one static object per "_ep"
// function.
#ifndef _TQCFUNCTIONREGISTER_H
#define _TQCFUNCTIONREGISTER_H

class TQCfunction;

class TQCfunctionRegister {
public:
    TQCfunctionRegister(const char* name, void* function);
    // Takes the record out of the application function list.
    virtual ~TQCfunctionRegister();

private:
    TQCfunctionRegister(const TQCfunctionRegister&) = delete;
    TQCfunctionRegister& operator=(const TQCfunctionRegister&) = delete;

    TQCfunction* record;
};

#endif
