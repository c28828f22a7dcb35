// The base of every dialog: a top-level window with a command bar along its
// bottom edge (icon, title and the OK, NO and cancel buttons), the answer
// the buttons leave, and popup(), the modal loop that returns it.
#ifndef _TQCBASEDIALOG_H
#define _TQCBASEDIALOG_H

#include "_TQCwindow.h"

#include <functional>

class TQCform;
class TQCvbtn;
class TQCvlabel;

class TQCbaseDialog : public TQCwindow {
public:
    TQ_CLASS_FRAME(TQCbaseDialog, TQCwindow, 1000, 1000)
    typedef void (*ReplyHandler)(TQCbase* dialog);

    // Answers of popup() and getStatus().
    enum {
        STATUS_NOT_SHOWN = -1,
        STATUS_CANCEL = 0,
        STATUS_OK = 1,
        STATUS_NO = 2,
        STATUS_FINISHED = 3
    };
    // Choices of setFocusBtn().
    enum { FOCUS_NONE = -2, FOCUS_AUTO = -1, FOCUS_CANCEL = 0, FOCUS_OK = 1, FOCUS_NO = 2 };
    // Window-device values that keep a modal dialog above the others, and
    // the one that tells the height of the frame above the client area.
    enum { VALUE_FRAME_TOP = 21, VALUE_MODAL = 23, VALUE_ABOVE_OTHERS = 30 };

    TQCbaseDialog(TQCbase* parent, const char* name);
    // Lets go of the focus dialog and the modal client when they are this
    // dialog, so that nothing points at it afterwards.
    ~TQCbaseDialog() override;

    // Builds the command bar and styles it for the current look. 0.
    long initialize() override;
    long _device_initialize() override;
    void onResize(TQCrect* rect) override;
    // Shown: the answer goes back to 0, the dialog becomes the modal
    // client (modal on) and the focus dialog (Escape on), it is centred
    // (defaultPosition on), and the default button takes the focus.
    // Hidden: it stops being the modal client and its loop ends.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    // Replaces the window's: the focus makes it the focus dialog.
    void onFocusChange(unsigned char on) override;
    void onSpecialFocusChange(unsigned char on) override;
    // Restyles and places the command bar's parts for the look's bits.
    void onGuiPolicyChange(long policy) override;
    // Tab lands on the first shown of OK, NO and cancel, Back-Tab on the
    // last.
    TQCbase* getFocusMoveInternalInstance(long direction) override;

    TQ_PROPERTY_WORK_HOOK(titleString, char*)
    TQ_PROPERTY_WORK_HOOK(width, unsigned short)
    TQ_PROPERTY_WORK_HOOK(height, unsigned short)

    TQ_PROPERTY_WORK_HOOK(ok, TQCbool)
    TQ_PROPERTY_WORK_HOOK(no, TQCbool)
    TQ_PROPERTY_WORK_HOOK(cancel, TQCbool)
    TQ_PROPERTY_WORK_HOOK(labelPixmap, short)
    TQ_PROPERTY_WORK_HOOK(okString, char*)
    TQ_PROPERTY_WORK_HOOK(noString, char*)
    TQ_PROPERTY_WORK_HOOK(cancelString, char*)
    TQ_PROPERTY_HOOKS(replyHandler, void*)
    TQ_PROPERTY_WORK_HOOK(modal, TQCbool)
    TQ_PROPERTY_HOOKS(defaultPosition, TQCbool)
    TQ_PROPERTY_WORK_HOOK(tab, char*)
    TQ_PROPERTY_WORK_HOOK(backtab, char*)
    TQ_PROPERTY_WORK_HOOK(font, unsigned char)

    // The reply handler with the dialog, then the ACTIVATE procedures.
    virtual void onActivate();
    // Shows the dialog and handles the application's events one at a time
    // until it is hidden (or cancelled, or its parent hidden); answers the
    // status then: STATUS_CANCEL (also for Escape), STATUS_OK, STATUS_NO,
    // STATUS_FINISHED, or STATUS_NOT_SHOWN when it did not become visible.
    virtual long popup();

    TQCbase* getFormObject() { return this; }
    // The command bar "bd-cform", which holds the buttons "<name>-ok-btn",
    // "<name>-no-btn" and "<name>-end-btn"; null before initialize().
    TQCform* getCmdFormObject() const { return m_cmdForm; }
    TQCvbtn* getOkButton() const { return m_okBtn; }
    TQCvbtn* getNoButton() const { return m_noBtn; }
    TQCvbtn* getCancelButton() const { return m_endBtn; }
    // The form "md-label" above the command bar of the dialogs that have
    // one; null otherwise and before initialize().
    TQCform* getWorkForm() const { return m_workForm; }
    long getStatus() const { return m_status; }

    // A value outside FOCUS_NONE to FOCUS_NO is ignored; a shown dialog
    // moves the focus at once.
    void setFocusBtn(long which);
    void setEnableEscapeKey(unsigned char on);
    unsigned char getEnableEscapeKey() const { return m_escapeKey; }
    // Only stores the flag.
    void setEnableCloseOnCancel(unsigned char on) { m_closeOnCancel = on & 1; }
    unsigned char getEnableCloseOnCancel() const { return m_closeOnCancel; }

    // The buttons' ACTIVATE procedures; each finds its dialog in the
    // button's user data "DLG_BASE".
    static void _ok_btn_work(TQCbase* button);
    static void _no_btn_work(TQCbase* button);
    static void _end_btn_work(TQCbase* button);

    // Button width of the look in force: 80, or 60 under policy bit 0.
    static unsigned short getButtonWidth() { return s_buttonWidth; }

protected:
    // The procedure, bound to function under its name, as part of the
    // dialog's own wiring of target.
    static void addInternalProcedure(TQCbase* target, const char* procName,
                                     const char* functionName, TQCprocedureFunction function,
                                     long trigger);
    // The work form "md-label": internal, initialised, at (0, 5) in the
    // work background colour and shown; onParentBase makes it draw on the
    // dialog's own device.
    void makeWorkForm(bool onParentBase);
    // For the dialogs with a work form, once it exists: the base styling,
    // then the form at y 5 with a frame under policy bit 0 (y 0 without),
    // then adjustForm().
    void styleWithWorkForm(long policy);
    // The height the work form gains: 5 when the policy has bit 1 without
    // bit 0, else 0.
    static long workFormExtra();
    // The window's layout, then the work form's size: the dialog's width
    // (1 below 3) and its height + extra - 45 (1 when that is below 1);
    // false before the work form exists. *extra is workFormExtra().
    bool adjustWorkForm(long* extra);
    void recolourWorkForm(short color);
    // The work form of the dialogs that centre a 20-pixel row in it, with
    // 30 pixels for a caption right above and below: the y of the row and
    // of the captions, and their width (a margin of 10 on the left and 12
    // on the right); each 1 where the dialog leaves no room.
    struct MiddleRow {
        long y;
        long above;
        long below;
        long width;
    };
    MiddleRow middleRow(long extra) const;
    // The base's activation, after which an OK or NO answer ends the loop
    // and hides the dialog.
    void activateAndClose();
    // The loop of the dialogs that run their own instead of popup()'s:
    // shown (STATUS_NOT_SHOWN when it does not become visible), ready()
    // once shown, then one event at a time until the loop ends, hidden; the
    // status then. Nothing is updated around it and no deletion list is
    // emptied. keepEscape makes the dialog the focus dialog again on every
    // pass while its Escape key is on, as popup() does.
    long runOwnLoop(const std::function<void()>& ready, bool keepEscape);
    // The special focus on OK when it is on, else on NO when it is on, else
    // on cancel.
    void markDefaultButton();
    // A part of the dialog's own: made, internal and initialised.
    template <class Part>
    static Part* makePart(TQCbase* parent, const char* name)
    {
        Part* part = new Part(parent, name);
        part->setInternalObject(1);
        part->initialize();
        return part;
    }

    bool built() const { return m_cmdForm != nullptr; }
    // The button setFocusBtn() names, when its flag is on; the first of OK,
    // NO and cancel that is on for FOCUS_AUTO; null for none.
    TQCvbtn* getDefaultButton() const;
    void setStatus(unsigned char status) { m_status = status & 3; }
    void setLoopRunning(unsigned char on) { m_loopRunning = on & 1; }
    unsigned char getLoopRunning() const { return m_loopRunning; }

    TQCvbtn* m_endBtn = nullptr;
    TQCvbtn* m_okBtn = nullptr;
    TQCvbtn* m_noBtn = nullptr;
    TQCform* m_cmdForm = nullptr;
    TQCvlabel* m_iconLabel = nullptr;
    TQCvlabel* m_titleLabel1 = nullptr;
    TQCvlabel* m_titleLabel2 = nullptr;
    void* m_replyHandler = nullptr;
    char* m_okString;
    char* m_noString;
    char* m_cancelString;
    char* m_tab = nullptr;
    char* m_backtab = nullptr;
    short m_labelPixmap = -1;
    signed char m_focusBtn = FOCUS_AUTO;
    TQCbool m_ok : 1;
    TQCbool m_no : 1;
    TQCbool m_cancel : 1;
    unsigned char m_status : 2;
    TQCbool m_modal : 1;
    TQCbool m_defaultPosition : 1;
    unsigned char m_loopRunning : 1;
    unsigned char m_escapeKey : 1;
    unsigned char m_closeOnCancel : 1;
    unsigned char m_font : 4;
    TQ_BIT_FIELD_SLOT(m_ok)
    TQ_BIT_FIELD_SLOT(m_no)
    TQ_BIT_FIELD_SLOT(m_cancel)
    TQ_BIT_FIELD_SLOT(m_modal)
    TQ_BIT_FIELD_SLOT(m_defaultPosition)
    TQ_BIT_FIELD_SLOT(m_font)

    // Of the dialogs that have one.
    TQCform* m_workForm = nullptr;
    short m_workBackColor = -10;

private:
    static unsigned short s_buttonWidth;

    // The OK and NO procedures with their answer.
    static void answer(TQCbase* button, unsigned char status);
    void buildCommandForm();
    void buildLabels();
    void buildButtons();
    TQCvbtn* makeButton(const char* suffix, const char* text);
    void showButton(TQCvbtn* button, TQCbool on);
    void placeCommandForm(long height);
    void styleParts(long policy);
    void placeNoAndOk(long policy);
    // The width layout for width w; withWidths also gives NO and OK the
    // button width.
    void layoutWidth(unsigned short w, bool withWidths);
    void centre();
    void focusDefaultButton();
    void sendModal(unsigned char on);
    // Device value 30 alone: the window above the program's other windows.
    void keepAbove(unsigned char on);
    // The focus dialog and modal client of the application, when they are
    // this dialog, become none.
    void releaseApplicationHolds();
};

void* TQCbaseDialog_create(void* parent);
void TQCbaseDialog_delete(void* object);

#endif
