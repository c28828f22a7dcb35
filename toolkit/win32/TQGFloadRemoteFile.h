// The HTTP/1.0 client behind "http://" file and image names: one GET,
// read until the server closes, with the last 64 responses cached. It runs
// on the calling thread, which it blocks for the exchange.
#ifndef TQGFLOADREMOTEFILE_H
#define TQGFLOADREMOTEFILE_H

// Fetches url. On entry *data is null and *length and *html are 0; on
// success *data is a new[] buffer of the body and a NUL, *length its size
// with the NUL, *contentType (when contentType is given) a new[] copy of
// the response's content type, and *html 1 for "text/html". With
// noCacheLookup set the cache is not asked, but the answer is still stored.
// 0 only for a URL that cannot be parsed; 1 otherwise, also when nothing
// came (another scheme, an unknown host, a refused connection, a failed
// read): success is a non-null *data. "TQHTPROXY" (host or host:port),
// read once, sends every request through that proxy.
long TQGFloadRemoteFile(char* url, char** data, char** contentType, long* length, long* html,
                        long noCacheLookup);

// The body alone, fetched without asking the cache, as file and image names
// are: a new[] buffer ending in a NUL, or null; *length counts the NUL.
char* TQGFloadRemoteBody(const char* url, long* length);

#endif
