// The widget operations that travel as remote calls, by shape: the name
// sent, the argument's record name and the TQCbase member that runs them.
// The proxy and the dispatcher of widget calls share them.
#ifndef _TQCRBASE_OPERATIONS_H
#define _TQCRBASE_OPERATIONS_H

#include "_TQCbase.h"

namespace tqremote {

// The class name of every widget call, whatever the proxy's own class.
constexpr const char* kWidgetClass = "TQCbase";

// One "#chr" argument, no answer.
struct FlagOperation {
    const char* name;
    const char* argument;
    void (TQCbase::*run)(unsigned char);
};
// A "#chr" argument "fl", answered "#lng".
struct FocusOperation {
    const char* name;
    long (TQCbase::*run)(unsigned char);
};
// No argument, answered "#chr".
struct QueryOperation {
    const char* name;
    unsigned char (TQCbase::*run)();
};
// No argument, answered "#lng".
struct DrawOperation {
    const char* name;
    long (TQCbase::*run)();
};
// "#lng" "x" and "y", no answer.
struct PointOperation {
    const char* name;
    void (TQCbase::*run)(TQCpoint*);
};
// "#lng" "x", "y", "w" and "h", no answer.
struct RectOperation {
    const char* name;
    void (TQCbase::*run)(TQCrect*);
};

inline constexpr FlagOperation kSetVisible = {"setVisible", "vis", &TQCbase::setVisible};
inline constexpr FlagOperation kSetSensitive = {"setSensitive", "det", &TQCbase::setSensitive};
inline constexpr FlagOperation kOnVisibleChange = {"onVisibleChange", "fl",
                                                   &TQCbase::onVisibleChange};
inline constexpr FlagOperation kOnSensitiveChange = {"onSensitiveChange", "fl",
                                                     &TQCbase::onSensitiveChange};
inline constexpr FlagOperation kOnParentVisibleChange = {"onParentVisibleChange", "fl",
                                                         &TQCbase::onParentVisibleChange};
inline constexpr FlagOperation kOnParentSensitiveChange = {"onParentSensitiveChange", "fl",
                                                           &TQCbase::onParentSensitiveChange};
inline constexpr FlagOperation kOnEditModeChange = {"onEditModeChange", "fl",
                                                    &TQCbase::onEditModeChange};
inline constexpr FlagOperation kOnFocusChange = {"onFocusChange", "fl", &TQCbase::onFocusChange};
inline constexpr FlagOperation kOnSpecialFocusChange = {"onSpecialFocusChange", "fl",
                                                        &TQCbase::onSpecialFocusChange};
inline constexpr FlagOperation kOnSelectionChange = {"onSelectionChange", "fl",
                                                     &TQCbase::onSelectionChange};
inline constexpr const FlagOperation* kFlagOperations[] = {
    &kSetVisible,           &kSetSensitive,           &kOnVisibleChange,
    &kOnSensitiveChange,    &kOnParentVisibleChange,  &kOnParentSensitiveChange,
    &kOnEditModeChange,     &kOnFocusChange,          &kOnSpecialFocusChange,
    &kOnSelectionChange};

inline constexpr FocusOperation kSetFocus = {"setFocus", &TQCbase::setFocus};
inline constexpr FocusOperation kSetSpecialFocus = {"setSpecialFocus", &TQCbase::setSpecialFocus};
inline constexpr const FocusOperation* kFocusOperations[] = {&kSetFocus, &kSetSpecialFocus};

inline constexpr QueryOperation kGetVisible = {"getVisible", &TQCbase::getVisible};
inline constexpr QueryOperation kGetFocus = {"getFocus", &TQCbase::getFocus};
inline constexpr QueryOperation kGetSpecialFocus = {"getSpecialFocus", &TQCbase::getSpecialFocus};
inline constexpr QueryOperation kGetSensitive = {"getSensitive", &TQCbase::getSensitive};
inline constexpr const QueryOperation* kQueryOperations[] = {&kGetVisible, &kGetFocus,
                                                             &kGetSpecialFocus, &kGetSensitive};

inline constexpr DrawOperation kDraw = {"draw", &TQCbase::draw};
inline constexpr DrawOperation kClear = {"clear", &TQCbase::clear};
inline constexpr DrawOperation kRedraw = {"redraw", &TQCbase::redraw};
inline constexpr DrawOperation kCdraw = {"cdraw", &TQCbase::cdraw};
inline constexpr const DrawOperation* kDrawOperations[] = {&kDraw, &kClear, &kRedraw, &kCdraw};

inline constexpr PointOperation kOnMouseIn = {"onMouseIn", &TQCbase::onMouseIn};
inline constexpr PointOperation kOnMouseMove = {"onMouseMove", &TQCbase::onMouseMove};
inline constexpr PointOperation kOnMousePress = {"onMousePress", &TQCbase::onMousePress};
inline constexpr PointOperation kOnMouseRelease = {"onMouseRelease", &TQCbase::onMouseRelease};
inline constexpr const PointOperation* kPointOperations[] = {&kOnMouseIn, &kOnMouseMove,
                                                             &kOnMousePress, &kOnMouseRelease};

inline constexpr RectOperation kOnExpose = {"onExpose", &TQCbase::onExpose};
inline constexpr RectOperation kOnResize = {"onResize", &TQCbase::onResize};
inline constexpr const RectOperation* kRectOperations[] = {&kOnExpose, &kOnResize};

// The operations of other shapes.
constexpr const char* kSetProperty = "setProperty";
constexpr const char* kGetProperty = "getProperty";
constexpr const char* kExecProcedureByName = "execProcedureS";
constexpr const char* kExecProcedureByTrigger = "execProcedureL";
constexpr const char* kOnMouseOut = "onMouseOut";

} // namespace tqremote

#endif
