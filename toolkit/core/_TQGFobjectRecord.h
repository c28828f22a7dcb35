// The record of one toolkit object and its subtree: the handlers of the root
// type server "TQCbase", which every class's companion reaches through its
// parent chain. A record holds ">name", ">props" (name and value texts, each
// ended by byte 0xFF, the last by the terminator), ">ops" (one line
// "trigger function procedure" per procedure) and one record per child.
// The ">props" layout is that of existing window files and stays as it is:
// a value holding byte 0xFF itself (such as "\xFF" in ISO-8859-1 text) is
// split there on load, so such values do not survive a save.
#ifndef _TQGFOBJECTRECORD_H
#define _TQGFOBJECTRECORD_H

class TQDserialize;

// Writes the object's fields and its children into the current record.
void _base_save(TQDserialize* s, void* obj);
// Reads them back; children are made by their own classes' companions with
// the object as their parent, in record order.
void _base_load(TQDserialize* s, void* obj);
// A plain TQCbase with the given parent and no name.
void* _base_create(void* parent);
// Deletes through the virtual destructor; null is ignored.
void _base_delete(void* obj);

#endif
