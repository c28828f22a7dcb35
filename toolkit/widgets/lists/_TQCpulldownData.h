// The entries of a menu, parsed from its text: a chain of records, one per
// entry (separators included), each cascade entry with the chain of its
// sub-menu. Entries are found by position (separators not counted) or by
// id, and their flags may be read through a second chain, the state list,
// that holds the states of entries with an id.
//
// A menu text is a list of entries joined by the entry separator ("," in
// the menu windows); an entry is a list of fields joined by the field
// separator (":"): label, procedure, shortcut, id, image name. A label "SP"
// or "SEPARATOR" makes a separator line; a procedure field that starts with
// "{" makes a cascade whose sub-menu is the text up to the matching "}".
#ifndef _TQCPULLDOWNDATA_H
#define _TQCPULLDOWNDATA_H

#include "_TQCstring.h"

#include <string>
#include <vector>

// One entry of a menu text at one level, as the parser reads it: its
// fields, in the text's own encoding. Empty entries are not listed, and a
// cascade entry stands for every entry its sub-menu spans.
struct TQCmenuEntry {
    std::vector<std::string> fields;
    bool separator;
    bool cascade;
    // A cascade's sub-menu text.
    std::string cascadeText;
    // Field n, "" past the last one.
    const std::string& field(size_t n) const;
    // The decimal value of the id field.
    long value() const;
};

// The room a menu of entries needs: width of the label with the most bytes
// plus four frame widths and a blank, height of its rows and separators
// inside the frame, and whether an entry shows an image or opens a cascade.
// Owners add their own room for images, check boxes and cascade arrows.
struct TQCmenuExtent {
    long width;
    long height;
    bool images;
    bool cascade;
};

class TQCpulldownData {
public:
    TQCpulldownData();
    // The rest of the chain, then the sub-chain.
    ~TQCpulldownData();
    TQCpulldownData(const TQCpulldownData&) = delete;
    TQCpulldownData& operator=(const TQCpulldownData&) = delete;

    // A new chain, null when the text has no entries. Texts and separators
    // are in the application's default encoding.
    static TQCpulldownData* parse(char* text, char* separator, char* separator2);
    // The entries of a text, in order, as parse reads them.
    static std::vector<TQCmenuEntry> entries(const char* text, const char* separator,
                                             const char* separator2);
    // What a menu of these entries needs with frame t, rows itemHeight high
    // and labels in font; separators are 2t high, 4 more under GUI-policy
    // bit 1.
    static TQCmenuExtent measure(const std::vector<TQCmenuEntry>& entries, long t,
                                 long itemHeight, unsigned char font, long policy);

    // A menu text with one more entry: label, procedure, shortcut and id,
    // and the image name when one is given; with the start of a cascade
    // (blanks around the text dropped); with the end of one.
    static TQCstring textWithItem(const char* text, const char* separator,
                                  const char* separator2, const char* label,
                                  const char* procName, const char* shortcut, long id,
                                  const char* imageName);
    static TQCstring textWithCascade(const char* text, const char* separator,
                                     const char* separator2, const char* label);
    static TQCstring textWithCascadeEnd(const char* text);

    // Appends item after the last record.
    void add(TQCpulldownData* item);
    // On: the sub-chain parsed from the procedure text; off: none. 0.
    long setCascaded(unsigned char on, char* separator, char* separator2);

    // By position among the records that are not separators, from this one.
    TQCpulldownData* getItem(long n);
    // Depth first: the record, its sub-chain, then the rest of the chain.
    TQCpulldownData* getItemWithId(long id);
    long getItems();

    unsigned char getSensitive(long n);
    unsigned char getToggle(long n);
    unsigned char getToggleState(long n);
    unsigned char getSensitiveWithId(long id);
    unsigned char getToggleWithId(long id);
    unsigned char getToggleStateWithId(long id);
    // Through the state list (a TQCpulldownData*, may be null): an entry
    // with an id of 0 or more reads the record of that id there.
    unsigned char _get_sensitive(long n, void* states);
    unsigned char _get_toggle(long n, void* states);
    unsigned char _get_toggle_state(long n, void* states);
    unsigned char _get_sensitive_with_id(long id, void* states);
    unsigned char _get_toggle_with_id(long id, void* states);
    unsigned char _get_toggle_state_with_id(long id, void* states);
    // Whether this record or one after it is a toggle entry; through a
    // state list only entries with an id count.
    long isToggle();
    long _is_toggle(void* states);

    // -1 for a negative position, -2 when there is no such entry, else 0.
    long setSensitive(long n, unsigned char on);
    long setToggle(long n, unsigned char on);
    long setToggleState(long n, unsigned char on);
    // -2 when no record has the id, else 0.
    long setSensitiveWithId(long id, unsigned char on);
    long setToggleWithId(long id, unsigned char on);
    long setToggleStateWithId(long id, unsigned char on);

    TQCstring* getLabel() { return &m_label; }
    // The procedure name; the sub-menu's text for a cascade entry.
    TQCstring* getProcName() { return &m_procName; }
    TQCstring* getShortcut() { return &m_shortcut; }
    TQCstring* getImageName() { return &m_imageName; }
    TQCpulldownData* getNext() { return m_next; }
    TQCpulldownData* getSubChain() { return m_sub; }
    short getId() const { return m_id; }
    unsigned char isSeparator() const { return m_separator; }
    unsigned char isCascaded() const { return m_cascaded; }

private:
    // Sub-menus nested deeper than this get no chain of their own; the
    // child window that shows one parses its text afresh.
    enum { kDeepestCascade = 32 };
    typedef unsigned char (TQCpulldownData::*Flag);

    static TQCpulldownData* build(const char* text, const char* separator,
                                  const char* separator2, int depth);
    void cascade(const char* separator, const char* separator2, int depth);
    unsigned char flagAt(long n, Flag flag);
    unsigned char flagWithId(long id, Flag flag);
    unsigned char flagThrough(TQCpulldownData* item, Flag flag, void* states);
    long setFlagAt(long n, Flag flag, unsigned char on);
    long setFlagWithId(long id, Flag flag, unsigned char on);

    TQCstring m_label;
    TQCstring m_procName;
    TQCstring m_shortcut;
    TQCpulldownData* m_next;
    TQCpulldownData* m_sub;
    short m_id;
    unsigned char m_separator;
    unsigned char m_cascaded;
    unsigned char m_sensitive;
    unsigned char m_toggle;
    unsigned char m_toggleState;
    TQCstring m_imageName;
};

#endif
