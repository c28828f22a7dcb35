// The look of the widgets: a word of policy bits choosing one of the two
// built-in looks, and a registry of extended looks, each a table of drawing
// procedures keyed by widget class name followed by "::draw". The choice
// is kept between runs in the look file.
#ifndef _TQCGUIPOLICY_H
#define _TQCGUIPOLICY_H

#include "_TQCindexData.h"
#include "_TQCstring.h"

class TQCguiPolicy {
public:
    typedef void (*DrawProc)(void* widget);

    enum {
        LOOK_A = 1,
        LOOK_B = 2,
        SCROLL_BAR_VARIANT = 4,
        EXTENDED_LOOK = 8
    };
    // Objects registered for this event hear of every broadcast change;
    // the event's data is the policy word.
    enum { LOOK_CHANGE_EVENT = 34 };

    TQCguiPolicy();
    virtual ~TQCguiPolicy();
    TQCguiPolicy(const TQCguiPolicy&) = delete;
    TQCguiPolicy& operator=(const TQCguiPolicy&) = delete;

    // Stores the whole word, bit 3 included, with exactly one of the
    // built-in looks: look B when neither or both are given.
    void setGuiPolicy(long bits, unsigned char broadcast);
    // 6 (look B with bit 2) while nothing was set.
    long getGuiPolicy();
    // 1 while nothing was set.
    unsigned char getGuiPolicyUnset() const { return isUnset() ? 1 : 0; }

    // A null or empty name clears the extended look. A name not registered
    // yet is selected all the same; its procedures count once registered.
    void setExtGuiPolicy(const char* name, unsigned char broadcast);
    TQCstring getExtGuiPolicyName();
    unsigned char getExtGuiPolicySelected();
    // Replaces an earlier procedure of the key; ignored for a null look
    // or key.
    void setExtGuiPolicyProc(const char* look, const char* key, DrawProc proc);
    // Null while no extended look is selected or the look has none.
    DrawProc getExtGuiPolicyProc(const char* key);
    // Look name -> TQCindexData* of key -> procedure.
    TQCindexData* getExtGuiPolicyList();

    // The look file, for the application device. Loading applies the
    // "#POLICY" pairs only while *marker is -1 and sets the marker to 2
    // after the first successful load; -1 when the file cannot be read.
    long loadLookFile(long* marker, const char* path = "$(HOME)/.tqrc");
    // The result of replacing the file: 0, or -1 on failure.
    long saveLookFile(const char* path = "$(HOME)/.tqrc");

private:
    bool isUnset() const { return policy == -1; }
    TQCindexData* tableOf(const char* look);
    void broadcastChange();
    void applyLookFilePair(TQCstring& tag, TQCstring& value, bool applyPolicy);

    long policy;
    TQCindexData looks;
    TQCindexData* currentTable;
    TQCstring lookName;
};

// The process's look policy, made on the first call.
TQCguiPolicy* TQGIappGuiPolicy();

#endif
