// Class record: one per widget class, made on the class's first use. It keeps
// the descriptors the class registered and its triggers, and on first demand
// merges them with its ancestors' into the lookup tables that property access
// by name, default initialisation, saving and trigger checks go through.
#ifndef _TQCCLASSINFORMATION_H
#define _TQCCLASSINFORMATION_H

#include "_TQCindexData.h"
#include "_TQClistData.h"
#include "_TQCproperty.h"

class TQCclassInformation {
public:
    enum { HASH_BUCKETS = 32 };

    // The class name is kept by reference (class names are static strings).
    TQCclassInformation(const char* className, TQCclassInformation* parent);
    virtual ~TQCclassInformation();

    // Hash of class, instance and property names: (first + 4 * last) & 31 with
    // characters as signed bytes; the empty name hashes to 0.
    static unsigned char getNameHash(const char* name);

    TQCclassInformation* getParentClassInformation() const { return parent; }
    const char* getClassName() const { return className; }
    unsigned char getClassNameHashValue() const { return classNameHash; }

    // The record owns the descriptors added here.
    void addPropObj(TQCproperty* prop);
    TQClistData* getPropertyList() { return &ownProperties; }

    // Registration helpers for a class's first constructor. addProperty makes,
    // adds and types a descriptor with its title key and, when either is not
    // null, its builder choice pair. The other three add a descriptor that
    // only adjusts the inherited property of that name: hide it from the
    // builder, give it this class's default, or withdraw it.
    TQCproperty* addProperty(const char* name, const char* className, unsigned char noCast,
                             const char* typeName, TQCproperty::SetHandler set,
                             TQCproperty::GetHandler get, TQCproperty::DefaultHandler def,
                             const char* titleKey, char** display = nullptr,
                             char** values = nullptr);
    TQCproperty* hideProperty(const char* name, const char* className);
    TQCproperty* changeDefault(const char* name, const char* className, const char* typeName,
                               TQCproperty::DefaultHandler def);
    TQCproperty* withdrawProperty(const char* name, const char* className);

    // Merged tables; the first request of any of them builds all four.
    // The hash table is HASH_BUCKETS lists of (contributing record, descriptor)
    // pairs in alternating slots.
    TQClistData* getHashTable();
    TQClistData* getAllPropertyList();
    TQClistData* getPropertyListForInit();
    TQCindexData* getAllExtTriggerList();

    // Lookups by name in the built tables: 1 with the answer, or 0 (also
    // while the tables are not built yet).
    long getPropObj(const char* name, TQCproperty** prop);
    long getPropObj(const char* name, const char** contributingClassName);

    void setTrigger(long code);
    void setDelTrigger(long code);
    void setExtTrigger(long code, const char* name);
    TQCindexData* getExtTriggerList() { return &ownExtTriggers; }
    void setDelExtTrigger(long code);
    long existTrigger(long code);

    // Slot kept for the object list's per-class instance array.
    void* getClassInstanceList() const { return instanceList; }
    void setClassInstanceList(void* list) { instanceList = list; }

private:
    void _create_inf_table();
    void mergeExtTriggers(TQClistData& removedCodes);
    void mergeProperties(TQClistData& hidden, TQClistData& defaults, TQClistData& builderHidden);
    void buildInitList(TQClistData& defaults, TQClistData& builderHidden);
    TQCproperty* adjusted(TQCproperty* prop, TQClistData& defaults, TQClistData& builderHidden);
    bool extTriggerValueExists(long code) const;

    TQCclassInformation* parent;
    TQClistData ownProperties;
    unsigned long supportedTriggers;
    unsigned long removedTriggers;
    TQClistData* hashTable;
    TQClistData allProperties;
    TQClistData initProperties;
    TQCindexData allExtTriggers;
    TQCindexData ownExtTriggers;
    TQClistData removedExtTriggers;
    void* instanceList;
    TQCproperty* lastFound;
    const char* className;
    unsigned char classNameHash;
    // Copies of inherited descriptors adjusted by overrides while building.
    TQClistData adjustedCopies;
};

#endif
