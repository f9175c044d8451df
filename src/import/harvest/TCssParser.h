#pragma once

#include "CssTypes.h"
#include "HarvestError.h"
#include "TDocLocation.h"
#include "THttpClient.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <functional>

struct THarvestOptions {
    THttpOptions http;           // per document: time-outs, redirects, body cap (16 MiB)
    int deadlineMs = 60000;      // the whole harvest; what is left then is not fetched
    qint64 maxTotalBytes = 64 << 20; // bytes received over the whole harvest; one more stops it
    int maxDocuments = 200;      // GETs allowed in one harvest; further fetches fail
    // Rules kept; the harvest stops when a document holds one more. Each
    // costs a few hundred bytes, so this bounds memory as the byte cap bounds
    // the documents.
    qsizetype maxRules = 100000;
    // Called before every GET (the wizard sets the busy cursor here; it
    // restores it itself when the harvest returns).
    std::function<void()> beforeFetch;
    // Called with every address requested and every redirect target, in order.
    std::function<void(const QString& address)> onRequest;
};

// One harvest of a web page or style sheet and everything it embeds, imports
// and links. Not re-entrant: it runs a local event loop while waiting for the
// network, so the caller must keep a second harvest from starting meanwhile.
//
// Fetch order: a sheet's text is followed by the sheets it @imports, depth
// first; a page's text is its <style> blocks (tags and "<!--", "-->" removed)
// in document order, then the sheets @imported from them, then the sheets of
// its stylesheet <link> tags. A sheet referred to twice is fetched twice,
// except that a sheet already being fetched further up the same chain of
// imports is skipped, which ends import cycles.
//
// Bounded: HarvestWebColors splits each document's style text into rules as
// soon as the document has arrived and keeps only the rules, so a rule never
// spans two documents. When the deadline passes, more than maxTotalBytes
// have been received or more than maxRules rules found, the harvest stops:
// the document in flight is dropped (of the one that held too many rules,
// the rules up to the limit are kept), nothing more is requested, and
// report() names what was not fetched.
class TCssParser {
public:
    explicit TCssParser(THarvestOptions options = {});

    // Empties `rules`, fetches and parses. True when every fetch succeeded;
    // `rules` holds whatever was found either way.
    bool HarvestWebColors(const QString& address, TRules& rules);

    // The style text of one document and everything it imports or links,
    // under the same limits as a harvest (whose clock it starts when none is
    // running). A failed fetch sets the failure flag and contributes empty
    // text.
    QString FetchStyleText(const QString& address);

    // A reference made absolute against the current document's location:
    // unchanged when it has "://" and a host; a network-path reference
    // ("//host/...") takes the document's scheme; one beginning with "/" is
    // appended to the host base, any other to the path base. No "." or ".."
    // segments are resolved.
    QString ResolveSheetUrl(const QString& reference) const;

    // Splits style text into rules and appends those with colour
    // declarations to `rules`. With maxRules >= 0 it stops before `rules`
    // would grow beyond that and returns false; true when the whole text
    // was read.
    static bool ParseRules(const QString& styleText, TRules& rules, qsizetype maxRules = -1);

    bool failed() const { return m_failed; }
    // What went wrong in the last harvest (clean when nothing did).
    const THarvestReport& report() const { return m_report; }
    int documentsRequested() const { return m_documents; }
    qint64 bytesReceived() const { return m_bytes; }
    const TDocLocation& location() const { return m_location; }
    void setLocation(const TDocLocation& location) { m_location = location; }

private:
    // Receives the style text of each document in harvest order.
    using Sink = std::function<void(const QString& styleText)>;

    void start(const QString& address);
    void gather(const QString& address, const Sink& sink);
    void gatherAll(const QStringList& addresses, const Sink& sink);
    QString fetchDocument(const QString& address, TDocLocation& location);
    void stop(HarvestError why, const QString& address);
    QStringList resolved(const QStringList& references) const;
    static QString chainKey(const QString& address);

    THarvestOptions m_options;
    THttpClient m_client;
    bool m_failed = false;
    int m_documents = 0;
    qint64 m_bytes = 0;
    QDeadlineTimer m_deadline;
    THarvestReport m_report;
    TDocLocation m_location;
    QStringList m_chain; // keys of the documents being fetched, outermost first
};

namespace cssparser {
// A harvest with the default settings.
bool HarvestWebColors(const QString& address, TRules& rules);
} // namespace cssparser
