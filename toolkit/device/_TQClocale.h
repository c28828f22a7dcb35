// One locale's message catalogue: texts by key in the locale's encoding, and
// the copies converted to other encodings on request.
#ifndef _TQCLOCALE_H
#define _TQCLOCALE_H

class TQCindexData;

class TQClocale {
public:
    TQClocale();
    virtual ~TQClocale();

    // Takes the encoding of the texts from the name and keeps a copy of it.
    void setLocaleName(const char* name);
    char* getLocaleName() const { return name; }
    long getEncoding() const { return encoding; }

    // Keeps the key and text pointers as given: catalogues pass literals.
    // A key registered again takes the later text.
    long setString(const char* key, const char* text);
    // The text of key in the encoding (-2 application default, -1 system
    // default, 0 as stored). A tagged key (":TQSTR") this locale lacks is
    // answered by "en_US"; otherwise a missing key comes back itself.
    char* getString(const char* key, long encoding);
    // Number of keys held.
    long getNum() const;

    static const int kBuckets = 32;

private:
    TQClocale(const TQClocale&) = delete;
    TQClocale& operator=(const TQClocale&) = delete;

    char* convertedText(int bucket, const char* key, const char* text, long encoding);
    char* missingText(const char* key, long encoding);

    TQCindexData* texts[kBuckets];
    TQCindexData* converted[kBuckets];
    char* name;
    long encoding;
};

#endif
