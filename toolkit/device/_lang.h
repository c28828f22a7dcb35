// The message catalogue of libtq: the builder titles of the widget properties
// and the display labels of their choices, in ten locales. Only a program that
// shows them (a property builder) registers it; nothing does at start-up.
#ifndef _LANG_H
#define _LANG_H

// Registers the whole catalogue in the application's locale set by calling
// the eight procedures below in order. A later call stores the same texts
// under the same keys again.
void TQGFenablePropertyBuilderTitle();

void _libtq_lang_init_proc();   // en_US
void _libtq_lang_init_proc1();  // ja_JP.eucjp
void _libtq_lang_init_proc2();  // ja_JP.sjis
void _libtq_lang_init_proc3();  // ja_JP.utf8
void _libtq_lang_init_proc4();  // ko_KR.euckr
void _libtq_lang_init_proc5();  // zh_CN
void _libtq_lang_init_proc6();  // es_ES, then es_AR
void _libtq_lang_init_proc7();  // es_ES.utf8, then es_AR.utf8

// The tables behind the procedures, generated from _lang.tsv by
// tools/gen-lang.py.
namespace tqlang {

// Every locale holds the first kCommonKeys keys; the Japanese locales also
// hold the rest, the input-method status labels. The empty key comes first.
const long kCommonKeys = 328;
const long kJapaneseKeys = 333;
extern const char* const keys[kJapaneseKeys];

// Stores texts[i] under keys[i] for i < count in the named locale, in key
// order. The locale set keeps both pointers.
void registerTexts(const char* locale, const char* const* texts, long count);

} // namespace tqlang

#endif
