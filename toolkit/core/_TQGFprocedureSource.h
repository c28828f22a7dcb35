// Skeleton source files for new event procedures, in the languages the
// builder binds: C++ (free function or method of a class), Ruby, Python,
// Perl, Java and OCaml. Script skeletons come in two flavours, for the
// "vesk" binding (mapping value 1) and for the "pok" binding (any other).
#ifndef _TQGFPROCEDURESOURCE_H
#define _TQGFPROCEDURESOURCE_H

class TQCstring;

enum {
    TQ_LANGUAGE_CPP = 0,
    TQ_LANGUAGE_RUBY = 1,
    TQ_LANGUAGE_PYTHON = 2,
    TQ_LANGUAGE_PERL = 3,
    TQ_LANGUAGE_JAVA = 4,
    TQ_LANGUAGE_OCAML = 5
};

// Writes the skeleton of functionName to dir/fileName plus the language's
// extension (dir/className_fileName.cpp for a C++ method of className);
// dir and fileName are in encoding. An unchanged file is left alone, a
// changed one keeps its old content as ".bak". 0, or -1 when the file
// cannot be written, the file name is empty, or the function or class name
// is not a plain name (letters, digits after the first, "_").
long TQGFcreateProcedure(const char* dir, const char* fileName, long language,
                         const char* functionName, const char* className, long encoding);

// The generators replace out's content with the skeleton of functionName;
// the last argument is not read.
void TQGFopCreate(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreateRb(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePokRb(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePy(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePokPy(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePerl(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePokPerl(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreateJava(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePokJava(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreateOcaml(TQCstring* out, const char* functionName, const char* = nullptr);
void TQGFopCreatePokOcaml(TQCstring* out, const char* functionName, const char* = nullptr);
// The method-style C++ skeleton of functionName in className; the third
// argument is not read.
void TQGFclassProcedureCreate(TQCstring* out, const char* functionName, const char*,
                              const char* className);

#endif
