// The device that stands for the running application rather than a window.
// It keeps the process-wide state that event delivery, dialogs, menus and
// the keyboard consult (modal client, focus dialog, menu and Alt-shortcut
// lists, selection owner), the program's arguments and instance name, and
// the start-up sequence: the init handlers, the first initialisation pass
// over the object list and the opening of the application's own message
// channel. The platform's application device derives from it and supplies
// the event loop.
#ifndef _TQDAPPDEV_H
#define _TQDAPPDEV_H

#include "TQtypes.h"
#include "_TQCguiPolicy.h"
#include "_TQClistData.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"
#include "_TQDdev.h"

class TQCbase;
class TQCindexData;

class TQDappDev : public TQDdev {
public:
    // Called instead of a client that the modal client blocks.
    typedef void (*ModalProc)(TQDdev* dev, long event, void* data);
    typedef void (*InitHandler)();

    // A second application device, made after the first was initialised,
    // ends the process with status 1.
    TQDappDev();
    // The listed menus and Alt-shortcut objects are not deleted.
    ~TQDappDev() override;
    TQ_ROOT_FRAME(TQDappDev, TQDdev)
    static const char* getThisClassName() { return "TQDappDev"; }

    // Records this device as the application's one instance. 0.
    long initialize() override;

    // The usable screen area; the platform answers the real one.
    virtual short getWidth();
    virtual short getHeight();
    virtual short getXOffset();
    virtual short getYOffset();
    virtual void update();
    virtual long dispatchEvent() = 0;
    virtual long processEvent() = 0;
    virtual long handleEvents() = 0;
    // A loop of its own that dispatchEvent ended by taking the quit request
    // (an answer of 0) puts it back, so that the loops outside end too.
    virtual void repostQuit() {}
    virtual long loadGuiPolicy() = 0;
    virtual long saveGuiPolicy() = 0;
    // Locking across threads is the platform's; the base refuses with a
    // message on standard error and -1.
    virtual long lock();
    virtual long unlock();
    virtual void checkThreadSafe();
    virtual void syncDisplay();

    // Singleton.
    TQ_CREATE_HANDLER_FRAME(TQDappDev)
    static unsigned char getInstanceExist();

    // Arguments, filled by the platform from the command line.
    void setInitPrm(int argc, char** argv);
    long getArgc() const { return argc; }
    char** getArgv() const { return argv; }

    // "" while unset.
    void setInstanceName(const char* name);
    const char* getInstanceName() const;

    // 0 is the normal run.
    void setMode(long m) { mode = m; }
    long getMode() const { return mode; }
    // Opaque values of the platform.
    void setContext(void* c) { context = c; }
    void* getContext() const { return context; }
    void setContext2(void* c) { context2 = c; }
    void* getContext2() const { return context2; }
    void setRebaseHandle(long handle) { rebaseHandle = handle; }
    long getRebaseHandle() const { return rebaseHandle; }

    // The procedure trace switch, read by the procedure runner and the
    // trace function; the application's own channel switches it.
    static void setTraceMode(unsigned char on);
    static unsigned char getTraceMode();

    void exitEventLoop() { exitFlag = 1; }
    unsigned char getExitFlag() const { return exitFlag; }
    void exit(long code);

    // Modal state, read by device event delivery.
    void setModalClient(TQCbase* object) { modalClient = object; }
    TQCbase* getModalClient() const { return modalClient; }
    // While a pop-up object holds modal input, events reach only it and the
    // widget it follows (the one whose press opened it, which sees the
    // press through to its release); null clears both.
    void setPopupModalClient(TQCbase* object, TQCbase* follows = nullptr)
    {
        popupModalClient = object;
        popupModalFollows = object != nullptr ? follows : nullptr;
    }
    TQCbase* getPopupModalClient() const { return popupModalClient; }
    TQCbase* getPopupModalFollows() const { return popupModalFollows; }
    void setModalProc(ModalProc proc) { modalProc = proc; }
    ModalProc getModalProc() const { return modalProc; }

    // With on, dialog becomes the focus dialog; with off, it stops being
    // it (another focus dialog stays).
    void setFocusDialog(TQCbase* dialog, unsigned char on);
    TQCbase* getFocusDialog() const { return focusDialog; }

    // The old owner hears onSelectionChange(0), then the new one (1).
    void setSelectionOwner(TQCbase* object);
    TQCbase* getSelectionOwner() const { return selectionOwner; }

    // Pull-down menus and the objects with an Alt shortcut, walked by the
    // keyboard service.
    void addMenu(TQCbase* menu);
    void delMenu(TQCbase* menu);
    TQClistData& getMenuList() { return menuList; }
    void addAltFocusInstance(TQCbase* object);
    void delAltFocusInstance(TQCbase* object);
    TQClistData& getAltFocusInstanceList() { return altFocusList; }

    // The application's look, forwarded to TQGIappGuiPolicy().
    static void setGuiPolicy(long bits, unsigned char broadcast);
    static long getGuiPolicy();
    static void setExtGuiPolicy(const char* name, unsigned char broadcast);
    static TQCstring getExtGuiPolicyName();
    static unsigned char getExtGuiPolicySelected();
    static void setExtGuiPolicyProc(const char* policy, const char* key,
                                    TQCguiPolicy::DrawProc proc);
    static TQCguiPolicy::DrawProc getExtGuiPolicyProc(const char* key);
    static TQCindexData* getExtGuiPolicyList();

    // Start-up. Before the instance is initialised, handlers are kept and
    // run by execInitHandler in order of registration; afterwards a new
    // handler runs at once.
    static void setInitHandler(InitHandler handler);
    static TQClistData* getInitHandler();
    // Runs the init handlers, then the object list's initialisation pass,
    // then opens the application's channel under the instance name.
    long execInitHandler();
    // The object list's initialisation pass waits for the start-up run and
    // keeps out of the init handlers.
    unsigned char getUnderExecInitialize() const { return underExecInitialize; }
    static unsigned char getInitializeExecuted();

    unsigned char getLockStatus() const { return lockStatus; }

    // Receives the texts sent to the application's own channel: a text
    // beginning with '1' switches tracing on and tells "TR-START", any
    // other text switches it off.
    static void _trace_msg(char* text);

protected:
    // The platform's lock sets the status; its look-file reader tests and
    // sets the marker (-1 until the stored look was applied).
    void setLockStatus(unsigned char status) { lockStatus = status; }
    long getPolicyLoadMarker() const { return policyLoadMarker; }
    void setPolicyLoadMarker(long marker) { policyLoadMarker = marker; }

private:
    static void setInstance(TQDappDev* dev);
    void runInitHandlers();
    void openOwnChannel();

    TQCbase* modalClient;
    ModalProc modalProc;
    char* instanceName;
    long argc;
    char** argv;
    TQCbase* selectionOwner;
    long policyLoadMarker;
    TQCbase* focusDialog;
    TQClistData menuList;
    TQClistData altFocusList;
    long mode;
    void* context;
    void* context2;
    long rebaseHandle;
    TQCindexData* keyedTable;
    unsigned char underExecInitialize;
    unsigned char exitFlag;
    unsigned char lockStatus;
    TQCbase* popupModalClient;
    TQCbase* popupModalFollows = nullptr;
};

// The application device, made once by the installed factory; null while
// no factory is installed.
TQDappDev* TQGIappDev();

#endif
