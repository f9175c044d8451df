#pragma once

#include "CssTypes.h"
#include "HarvestError.h"
#include "TCssParser.h"
#include "TColor.h"

#include <QList>
#include <QString>

// The import wizard's Website source, without any widget: the wizard calls
// these and shows the results.
namespace cssparser {

// "Next >" on page 2 for the Website type: the location begins with
// "http://" or "https://" (case-sensitive).
bool IsWebLocationAccepted(const QString& location);

// Key press filter of the location box for the Website type: a typed space
// is discarded.
bool IsDiscardedLocationKey(QChar typed);

// The address that is harvested for a location text: the text itself when it
// begins with "http://" or "https://", otherwise "http://" + text.
QString WebImportAddress(const QString& location);

// The failure box: caption, and text for the harvested address.
QString WebImportErrorCaption(); // "Import Error"
QString WebImportErrorText(const QString& address);
// The failure box for a harvest that stopped early (too slow, too large):
// the first line of WebImportErrorText, then the report's lines (CR LF).
QString WebImportStopText(const QString& address, const QString& report);

// One candidate colour of a web import, before the import options filter it.
struct TWebCandidate {
    TColor color;
    QString name; // rule's Selector + " - " + property's Name
};

struct TWebImportResult {
    HarvestError error = HarvestError::None;
    QString address;                 // the address harvested (see WebImportAddress)
    QString errorText;               // WebImportErrorText(address), or WebImportStopText when it stopped early
    QString detail;                  // HarvestReportText of a failed harvest: what went wrong, by address
    QList<TWebCandidate> candidates; // every rule and property in order; empty on failure
    bool ok() const { return error == HarvestError::None; }
};

// The whole web import up to the filter: harvests the address and, when
// every fetch succeeded, turns each recorded property into a candidate
// (CssColorToColor of its Value, named "selector - property"). On failure
// (FetchFailed, or DeadlineExceeded / TooMuchData when the harvest stopped
// early) nothing is offered and the wizard shows errorText, returns to page 2 with
// `address` in the location box, selected. A call made while another harvest
// is running (the local event loop lets the user press Finish again) fails
// with Busy and does nothing.
TWebImportResult HarvestForImport(const QString& location, const THarvestOptions& options = {});

} // namespace cssparser
