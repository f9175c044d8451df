#pragma once

#include "NetError.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class HarvestError {
    None,
    FetchFailed,      // at least one document of the harvest could not be fetched
    InvalidAddress,   // not an http:// or https:// address
    Busy,             // a harvest is already running
    DeadlineExceeded, // the whole harvest ran out of time and stopped early
    TooMuchData,      // the documents together grew beyond the harvest's allowance; stopped early
    TooManyRules,     // the documents hold more colour rules than the harvest keeps; stopped early
};

QString HarvestErrorText(HarvestError error);

// One document the harvest could not use.
struct THarvestFailure {
    QString address;
    NetError error = NetError::None; // why its GET failed; None: not requested, too many documents
};

// What went wrong in one harvest, as values; HarvestReportText words it.
struct THarvestReport {
    QString address;                  // the address harvested
    HarvestError stop = HarvestError::None; // DeadlineExceeded, TooMuchData or TooManyRules: stopped early
    QList<THarvestFailure> failures;  // failed documents, in the order they were requested
    QStringList notFetched;           // after a stop: the documents still to come, in order, repeats kept
    int deadlineMs = 0;               // the limits in force, for the wording
    qint64 maxTotalBytes = 0;
    int maxDocuments = 0;
    qsizetype maxRules = 0;

    bool clean() const { return stop == HarvestError::None && failures.isEmpty(); }
};

// Lines separated by "\n", empty for a clean harvest: first why the harvest
// stopped and which documents it did not fetch (at most ten named, repeats
// counted once), then one line per failed document (at most ten).
QString HarvestReportText(const THarvestReport& report);
