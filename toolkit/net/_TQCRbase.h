// The proxy of a widget of another process: the widget's operations under
// the same names, each one remote call answered by that process's widget
// dispatcher. Bound to an instance of this process, it calls that instance
// directly instead and never connects. Proxies are made by class name
// through a factory table that programs may fill with richer proxies.
#ifndef _TQCRBASE_H
#define _TQCRBASE_H

#include "TQtypes.h"
#include "_TQCRroot.h"
#include "_TQCvariant.h"

class TQCbase;

namespace tqremote {
struct FlagOperation;
struct FocusOperation;
struct QueryOperation;
struct DrawOperation;
struct PointOperation;
struct RectOperation;
}

class TQCRbase : public TQCRroot {
public:
    typedef TQCRbase* (*CreateHandler)();

    TQCRbase();
    TQ_ROOT_FRAME(TQCRbase, TQCRroot)

    // Replaces an earlier factory of the same class name.
    static void setCreateHandler(const char* className, CreateHandler handler);
    // A proxy from the class name's factory, else a plain TQCRbase; the
    // caller owns it.
    static TQCRbase* getNewInstance(const char* className);

    // Not owned; null unbinds.
    void setLocalInstance(TQCbase* object) { m_local = object; }
    TQCbase* getLocalInstance() const { return m_local; }

    // Results when the call cannot be opened or no answer arrives: 0, -1
    // for the focus setters; getProperty gives an unsigned char 0 when the
    // call cannot be opened and a default variant when no text came back.
    unsigned char setProperty(const char* name, const TQCvariant& value);
    TQCvariant getProperty(const char* name);
    void setVisible(unsigned char on);
    long setFocus(unsigned char on);
    long setSpecialFocus(unsigned char on);
    unsigned char getVisible();
    unsigned char getFocus();
    unsigned char getSpecialFocus();
    void setSensitive(unsigned char on);
    unsigned char getSensitive();
    void execProcedure(const char* procedureName);
    void execProcedure(long trigger);
    void onMouseIn(TQCpoint* point);
    void onMouseOut();
    void onMouseMove(TQCpoint* point);
    void onMousePress(TQCpoint* point);
    void onMouseRelease(TQCpoint* point);
    void onExpose(TQCrect* area);
    void onResize(TQCrect* area);
    void onVisibleChange(unsigned char on);
    void onSensitiveChange(unsigned char on);
    void onParentVisibleChange(unsigned char on);
    void onParentSensitiveChange(unsigned char on);
    void onEditModeChange(unsigned char on);
    void onFocusChange(unsigned char on);
    void onSpecialFocusChange(unsigned char on);
    void onSelectionChange(unsigned char on);
    long draw();
    long clear();
    long redraw();
    long cdraw();

private:
    void send(const tqremote::FlagOperation& operation, unsigned char on);
    long ask(const tqremote::FocusOperation& operation, unsigned char on);
    unsigned char ask(const tqremote::QueryOperation& operation);
    long ask(const tqremote::DrawOperation& operation);
    void send(const tqremote::PointOperation& operation, TQCpoint* point);
    void send(const tqremote::RectOperation& operation, TQCrect* area);

    TQCbase* m_local;
};

#endif
