#pragma once

#include <QString>

// Where a fetched document lives, as far as its relative style-sheet
// references are concerned. Parsed from the address text alone:
// - back-slashes count as "/";
// - scheme: "https://" when the address's scheme is https (any case),
//   otherwise "http://";
// - host: after "://" and any user information ending in "@", up to ":",
//   "/", "?" or "#"; a port written after it is kept in the host base, so
//   relative sheets are requested from the same port;
// - path: from the first "/" after the host up to and including its last "/"
//   before the first "?" (or, in an address without "?", before the first
//   "=") and before any "#"; "/" when there is none;
// - document name: the text after that last "/" up to the same stop.
struct TDocLocation {
    QString hostBase; // scheme + host [+ ":" port], e.g. http://example.com:8080
    QString pathBase; // hostBase + path, e.g. http://example.com/css/
    QString documentName; // e.g. main.css; empty for an address ending in "/"

    static TDocLocation parse(const QString& address);
    // The host name alone (no user information, no port), untrimmed.
    static QString hostOf(const QString& address);
};
