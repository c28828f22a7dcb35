// The enumeration lists, one choice array and one value array per entry of
// TQ_ENUMERATIONS. The arrays are read-only; the char** interface only
// follows the toolkit's untyped-string convention.
#include "_TQR.h"

// shadowType2, bool5, bool6 and titleBar2 are registered by no class; they
// stay in the vocabulary with the others.
namespace {

const char* const typeChoices[] = {"g:TQSTR Normal", "h:TQSTR Tree", "i:TQSTR Detail", nullptr};
const char* const typeValues[] = {"0", "1", "2", nullptr};

const char* const blinkTypeChoices[] = {
    "j:TQSTR Foreground", "k:TQSTR Background", "l:TQSTR Fore/Back", nullptr};
const char* const blinkTypeValues[] = {"0", "1", "2", nullptr};

// "None" is stored as -1.
const char* const shadowTypeChoices[] = {
    "m:TQSTR In", "n:TQSTR Out", "o:TQSTR Etched in", "p:TQSTR Etched out", "q:TQSTR Border",
    "r:TQSTR None", nullptr};
const char* const shadowTypeValues[] = {"1", "0", "3", "2", "4", "-1", nullptr};

// shadowType without "None".
const char* const shadowType2Choices[] = {
    "m:TQSTR In", "n:TQSTR Out", "o:TQSTR Etched in", "p:TQSTR Etched out", "q:TQSTR Border",
    nullptr};
const char* const shadowType2Values[] = {"1", "0", "3", "2", "4", nullptr};

const char* const pixmapStyleChoices[] = {"s:TQSTR Window", "t:TQSTR Dynamic pixmap", nullptr};
const char* const pixmapStyleValues[] = {"0", "1", nullptr};

const char* const indicatorTypeChoices[] = {
    "u:TQSTR In/Out", "v:TQSTR Out", "w:TQSTR In", "x:TQSTR None", nullptr};
const char* const indicatorTypeValues[] = {"0", "1", "2", "3", nullptr};

const char* const boolChoices[] = {"y:TQSTR False", "z:TQSTR True", nullptr};
const char* const boolValues[] = {"0", "1", nullptr};

const char* const bool1Choices[] = {"A:TQSTR Not allow", "B:TQSTR Allow", nullptr};
const char* const bool1Values[] = {"0", "1", nullptr};

const char* const bool2Choices[] = {"C:TQSTR Invisible", "D:TQSTR Visible", nullptr};
const char* const bool2Values[] = {"0", "1", nullptr};

const char* const bool3Choices[] = {"E:TQSTR Off", "F:TQSTR On", nullptr};
const char* const bool3Values[] = {"0", "1", nullptr};

const char* const bool4Choices[] = {"G:TQSTR no", "H:TQSTR yes", nullptr};
const char* const bool4Values[] = {"0", "1", nullptr};

const char* const bool5Choices[] = {"I:TQSTR Invisible", "J:TQSTR Visible", nullptr};
const char* const bool5Values[] = {"0", "1", nullptr};

const char* const bool6Choices[] = {"K:TQSTR No effective", "L:TQSTR Effective", nullptr};
const char* const bool6Values[] = {"0", "1", nullptr};

const char* const alignmentVChoices[] = {
    "M:TQSTR Top", "N:TQSTR Center", "O:TQSTR Bottom", nullptr};
const char* const alignmentVValues[] = {"3", "2", "4", nullptr};

const char* const alignmentHChoices[] = {
    "P:TQSTR Left", "Q:TQSTR Center", "R:TQSTR Right", nullptr};
const char* const alignmentHValues[] = {"0", "2", "1", nullptr};

// The box forms' alignments add "None" and "Adjust" and number from 0 in order.
const char* const alignmentV2Choices[] = {
    "M:TQSTR None", "M:TQSTR Top", "N:TQSTR Center", "O:TQSTR Bottom", "R:TQSTR Adjust",
    nullptr};
const char* const alignmentV2Values[] = {"0", "1", "2", "3", "4", nullptr};

const char* const alignmentH2Choices[] = {
    "M:TQSTR None", "P:TQSTR Left", "Q:TQSTR Center", "R:TQSTR Right", "R:TQSTR Adjust",
    nullptr};
const char* const alignmentH2Values[] = {"0", "1", "2", "3", "4", nullptr};

const char* const orientationChoices[] = {"S:TQSTR Horizontal", "T:TQSTR Vertical", nullptr};
const char* const orientationValues[] = {"0", "1", nullptr};

const char* const lineTypeChoices[] = {
    "U:TQSTR Line", "V:TQSTR Dashed line", "W:TQSTR Double dashed line",
    "X:TQSTR Double dashed line2", "Y:TQSTR Double dashed line3",
    "Z:TQSTR Double dashed line4", "a:TQSTR Double dashed line5",
    "b:TQSTR Double dashed line6", "c:TQSTR Short dashed line", nullptr};
const char* const lineTypeValues[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", nullptr};

const char* const hatchPatternChoices[] = {
    "d:TQSTR Plane", "e:TQSTR Oblique lines1", "f:TQSTR Oblique lines2", "g:TQSTR Vert. lines",
    "h:TQSTR Horiz. lines", "i:TQSTR Oblique cross", "j:TQSTR Lattice", "k:TQSTR Dot",
    nullptr};
const char* const hatchPatternValues[] = {"0", "1", "2", "3", "4", "5", "6", "7", nullptr};

const char* const arcTypeChoices[] = {
    "l:TQSTR Arc open", "m:TQSTR Arc close", "n:TQSTR Pie", nullptr};
const char* const arcTypeValues[] = {"0", "1", "2", nullptr};

// Blink rates in ticks of the 250 ms application timer.
const char* const rateTypeChoices[] = {
    "o:TQSTR 0.25s", "p:TQSTR 0.50s", "q:TQSTR 0.75s", "r:TQSTR 1.00s", "s:TQSTR 2.00s",
    "t:TQSTR 3.00s", "u:TQSTR 5.00s", nullptr};
const char* const rateTypeValues[] = {"1", "2", "3", "4", "8", "12", "20", nullptr};

// The blanks around some of these choices belong to the keys.
const char* const dateFormatChoices[] = {
    "v:TQSTR  (None) ", "w:TQSTR mm/dd/yyyy", "x:TQSTR yyyy/mm/dd", "y:TQSTR mm/dd/yy",
    "z:TQSTR yy/mm/dd", "A:TQSTR dd/mm/yyyy ", "B:TQSTR dd/mm/yy ", nullptr};
const char* const dateFormatValues[] = {"0", "1", "2", "3", "4", "5", "6", nullptr};

const char* const weekFormatChoices[] = {
    "C:TQSTR (None)", "D:TQSTR SUN    ", "E:TQSTR (SUN)  ", nullptr};
const char* const weekFormatValues[] = {"0", "1", "2", nullptr};

const char* const clockFormatChoices[] = {
    "F:TQSTR  (none)", "G:TQSTR   12:00", "H:TQSTR   24:00", "I:TQSTR AM 12:00:00",
    "J:TQSTR 11:00:00", "K:TQSTR 23:00:00", "L:TQSTR AM:00:00", nullptr};
const char* const clockFormatValues[] = {"0", "1", "2", "3", "4", "5", "6", nullptr};

const char* const titleBarChoices[] = {
    "M:TQSTR No title", "N:TQSTR Full", "O:TQSTR Title", "P:TQSTR Minimize btn",
    "Q:TQSTR Maximize btn", "R:TQSTR Border", "S:TQSTR Override redirect", nullptr};
const char* const titleBarValues[] = {"0", "1", "2", "3", "4", "5", "6", nullptr};

// titleBar without "Override redirect".
const char* const titleBar2Choices[] = {
    "M:TQSTR No title", "N:TQSTR Full", "O:TQSTR Title", "P:TQSTR Minimize btn",
    "Q:TQSTR Maximize btn", "R:TQSTR Border", nullptr};
const char* const titleBar2Values[] = {"0", "1", "2", "3", "4", "5", nullptr};

const char* const arrowDirectionChoices[] = {
    "T:TQSTR Up", "U:TQSTR Down", "V:TQSTR Left", "W:TQSTR Right", nullptr};
const char* const arrowDirectionValues[] = {"3", "4", "0", "1", nullptr};

const char* const gradationChoices[] = {
    "X:TQSTR None", "Y:TQSTR LT to RB", "Z:TQSTR RT to LB", "a:TQSTR LB to RT",
    "b:TQSTR RB to LT", "c:TQSTR T to B", "d:TQSTR B to T", "e:TQSTR L to R", "f:TQSTR R to L",
    nullptr};
const char* const gradationValues[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", nullptr};

const char* const dataSourceChoices[] = {
    "X:TQSTR None", "X:TQSTR Instance", "X:TQSTR File", nullptr};
const char* const dataSourceValues[] = {"0", "1", "2", nullptr};

const char* const prformatChoices[] = {
    "X:TQSTR A4", "X:TQSTR A5", "X:TQSTR A3", "X:TQSTR B4", "X:TQSTR B5", "X:TQSTR Letter",
    "X:TQSTR Legal", "X:TQSTR Statement", "X:TQSTR Tabloid", "X:TQSTR Ledger", "X:TQSTR Folio",
    "X:TQSTR Quarto", "X:TQSTR 10x14", "X:TQSTR Executive", "X:TQSTR Free", nullptr};
const char* const prformatValues[] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", nullptr};

const char* const prOutChoices[] = {
    "X:TQSTR PostScript", "X:TQSTR EPS", "X:TQSTR Printer", nullptr};
const char* const prOutValues[] = {"0", "1", "2", nullptr};

const char* const orientation2Choices[] = {"T:TQSTR Landscape", "S:TQSTR Portrait", nullptr};
const char* const orientation2Values[] = {"0", "1", nullptr};

const char* const typedbChoices[] = {
    "X:TQSTR ODBC", "X:TQSTR PostgreSQL", "X:TQSTR MySQL", "X:TQSTR SQLite", nullptr};
const char* const typedbValues[] = {"0", "1", "2", "3", nullptr};

// Offered instead of bool1 for enableFep under the Japanese system locales.
const char* const fepStatusChoices[] = {
    "X:TQSTR Disable Input Method", "X:TQSTR Enable Input Method",
    "X:TQSTR Execute IM on focus", "X:TQSTR Execute katakana on focus",
    "X:TQSTR Execute hkatakana on focus", nullptr};
const char* const fepStatusValues[] = {"0", "1", "2", "3", "4", nullptr};

} // namespace

#define TQ_DEFINE_ENUMERATION(e)                                  \
    char** _TQR##e() { return const_cast<char**>(e##Choices); }   \
    char** _TQR##e##D() { return const_cast<char**>(e##Values); }

TQ_ENUMERATIONS(TQ_DEFINE_ENUMERATION)
