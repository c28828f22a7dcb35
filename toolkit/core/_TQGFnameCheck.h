// Checks of the names the builder lets a user type (instance, array and
// directory names), and the small string-list helpers it works with.
#ifndef _TQGFNAMECHECK_H
#define _TQGFNAMECHECK_H

#include "TQtypes.h"
#include "_TQCstring.h"

class TQClistData;

// A non-empty name of letters, "." and "_", with digits after the first
// character.
TQCbool TQGFcheckNameString(const char* name);
// The same without ".".
TQCbool TQGFcheckPureNameString(const char* name);
// Letters, digits after the first character, and / : ~ - . \ + = _; the
// empty name is accepted.
TQCbool TQGFcheckDirNameString(const char* name);
// True for a valid name followed by an index in square brackets ("list[3]",
// "list[ 3 ]"): the index digits only, blanks around it allowed, nothing
// but blanks after "]". The index goes to index and the name to base when
// they are given; base must hold at least as many bytes as name.
TQCbool TQGFcheckArrayName(const char* name, long* index, char* base);
TQCbool TQGFisArrayName(const char* name);
// The index; 0 when the name is not an array name.
long TQGFgetArrayNo(const char* name);
// The name before the index; empty when the name is not an array name.
TQCstring TQGFgetArrayName(const char* name);

// Sorts a list of strings in place in ascending byte order.
void TQGFsortCharList(TQClistData* list);
// The first two words of the line, separated by blanks or tabs, into first
// and second (empty when missing); each must hold as many bytes as line.
void _get_2_words(const char* line, char* first, char* second);
// Appends every string of a list of TQCstring pointers to text, in order.
void _append(TQClistData* list, TQCstring* text);
// Whether the list of strings holds one equal to name.
TQCbool _exist_name_(TQClistData* list, const char* name);

#endif
