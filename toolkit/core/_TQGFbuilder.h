// What the interface builder hangs on the toolkit: replaceable hooks for
// creating, deleting and naming objects and for the property editor, the
// full property list of an object, procedure lists, change marks and edit
// mode over a tree of objects.
#ifndef _TQGFBUILDER_H
#define _TQGFBUILDER_H

#include "TQtypes.h"

class TQCbase;
class TQCindexVariantData;
class TQClistData;
class TQCproperty;

typedef void (*TQGFcreateHandler)(TQCbase* object);
typedef TQCbase* (*TQGFcreateInstanceHandler)(TQCbase* parent, TQCindexVariantData* values);
typedef void (*TQGFdeleteHandler)(TQCbase* object);
typedef long (*TQGFexistNameHandler)(char* name, TQCbase* object);
// Mode 0: the object's geometry changed; 1: it was selected; 2: it was
// deselected or is going.
typedef void (*TQGFpropertyEditorHandler)(TQCbase* object, long mode);
// The Java package of generated skeletons; null or "" for none.
typedef const char* (*TQGFjavaPackageNameHandler)();

// Hooks: every setter only stores, every getter only returns; all start
// empty.
void TQGFsetCreateHandler(TQGFcreateHandler handler);
// Nothing without a handler.
void TQGFexecCreateHandler(TQCbase* object);
void TQGFsetCreateInstanceHandler(TQGFcreateInstanceHandler handler);
// Null without a handler.
TQCbase* TQGFexecCreateInstanceHandler(TQCbase* parent, TQCindexVariantData* values);
void TQGFsetDeleteHandler(TQGFdeleteHandler handler);
TQGFdeleteHandler TQGFgetDeleteHandler();
void TQGFsetExistNameHandler(TQGFexistNameHandler handler);
TQGFexistNameHandler TQGFgetExistNameHandler();
// The handler's answer; 0 without a handler.
long TQGFexistName(const char* name, TQCbase* object);
void TQGFsetPropertyEditorHandler(TQGFpropertyEditorHandler handler);
TQGFpropertyEditorHandler TQGFgetPropertyEditorHandler();
// The builder's property editor: an object with a "client" property (the
// object it edits), or null.
TQCbase* TQGIappPropertyEditor();
void TQGFsetAppPropertyEditor(TQCbase* editor);
// The argument is a TQGFjavaPackageNameHandler.
void TQGFsetJavaPackageNameHandler(void* handler);
TQGFjavaPackageNameHandler TQGFgetJavaPackageNameHandler();

// Calls the property-editor handler, when one is installed.
void TQGFnotifyPropertyEditor(TQCbase* object, long mode);
// Tells the property editor, when there is one, that the geometry of what
// it shows changed: its user data "GEOMETRY-UPDATE" becomes 1 and it is
// updated.
void TQGFnotifyGeometryUpdate();

// Appends every property descriptor of the object's class, "userValue"
// first, the others in class order; then, from the property-inheriting
// child (recursively), those whose names the class neither has nor
// withdraws.
void TQGFgetAllPropertyList(TQCbase* object, TQClistData* list);
// The variant type code of a type name: "long" 0 ... "TQCbool" 11, "int" 12,
// "TQCuint" 13; 0 for any other name.
long TQGFtypeToValue(const char* typeName);
const char* TQGFconvertPropValueString(TQCproperty* prop, const char* text);
// The event code n of the mask bit 1 << n for n = 0, 2 to 5 and 9 to 18; -1
// for any other value.
long TQGFmaskBitToEvent(unsigned long bit);

// Appends, as new strings, the function names of the procedures kept in
// source files of the object and its non-internal descendants, depth first,
// each once; inside a window that carries "WIN-CLASS" the names take the
// window's name and "_" in front.
void TQGFgetProcedureList(TQCbase* object, TQClistData* list);
// The "PROP-CHANGED" mark of the builder.
void TQGFmarkChanged(TQCbase* object);
// Clears the mark on the object and all its descendants.
void TQGFclearMarkChanged(TQCbase* object);
// Whether the object or a descendant carries the mark.
TQCbool TQGFcheckMarkChanged(TQCbase* object);
// Switches the edit mode of the object and of its non-internal
// descendants.
void TQGFsetEditMode(TQCbase* object, unsigned char on);

#endif
