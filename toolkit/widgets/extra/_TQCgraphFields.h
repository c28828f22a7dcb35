// The comma-separated texts of the graph widgets: split at every comma,
// fields neither merged nor trimmed, numbers read as atoi reads them.
#ifndef _TQCGRAPHFIELDS_H
#define _TQCGRAPHFIELDS_H

#include <string_view>
#include <vector>

class TQCgraphFields {
public:
    // The first fields of text, at most most of them. A null text has no
    // field; an empty one has one, empty.
    TQCgraphFields(const char* text, long most);

    long count() const { return static_cast<long>(m_fields.size()); }
    std::string_view field(long i) const { return m_fields[i]; }
    // Leading blanks skipped, an optional sign, the digits up to the first
    // other character; no digits give 0, a number beyond long saturates.
    long number(long i) const;
    // Exactly "NA" or "na": no value at all.
    bool missing(long i) const;

private:
    std::vector<std::string_view> m_fields;
};

#endif
