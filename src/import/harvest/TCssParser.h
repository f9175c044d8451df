#pragma once

#include "CssTypes.h"
#include "TDocLocation.h"
#include "THttpClient.h"

#include <QString>
#include <QStringList>

#include <functional>

struct THarvestOptions {
    THttpOptions http;           // time-outs, redirects, body size per document
    int maxDocuments = 200;      // GETs allowed in one harvest; further fetches fail
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
class TCssParser {
public:
    explicit TCssParser(THarvestOptions options = {});

    // Empties `rules`, fetches and parses. True when every fetch succeeded;
    // `rules` holds whatever was found either way.
    bool HarvestWebColors(const QString& address, TRules& rules);

    // The style text of one document and everything it imports or links.
    // A failed fetch sets the failure flag and contributes empty text.
    QString FetchStyleText(const QString& address);

    // A reference made absolute against the current document's location:
    // unchanged when it has "://" and a host; a network-path reference
    // ("//host/...") takes the document's scheme; one beginning with "/" is
    // appended to the host base, any other to the path base. No "." or ".."
    // segments are resolved.
    QString ResolveSheetUrl(const QString& reference) const;

    // Splits style text into rules and records the colour declarations.
    static void ParseRules(const QString& styleText, TRules& rules);

    bool failed() const { return m_failed; }
    int documentsRequested() const { return m_documents; }
    const TDocLocation& location() const { return m_location; }
    void setLocation(const TDocLocation& location) { m_location = location; }

private:
    QString fetchDocument(const QString& address, TDocLocation& location);
    QStringList importReferences(const QString& text) const;
    QString fetchAll(const QStringList& addresses);
    static QString chainKey(const QString& address);

    THarvestOptions m_options;
    THttpClient m_client;
    bool m_failed = false;
    int m_documents = 0;
    TDocLocation m_location;
    QStringList m_chain; // keys of the documents being fetched, outermost first
};

namespace cssparser {
// A harvest with the default settings.
bool HarvestWebColors(const QString& address, TRules& rules);
} // namespace cssparser
