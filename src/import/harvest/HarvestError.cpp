#include "HarvestError.h"

QString HarvestErrorText(HarvestError error)
{
    switch (error) {
    case HarvestError::None: return QStringLiteral("no error");
    case HarvestError::FetchFailed: return QStringLiteral("a page or style sheet could not be fetched");
    case HarvestError::InvalidAddress: return QStringLiteral("not an http:// or https:// address");
    case HarvestError::Busy: return QStringLiteral("a harvest is already running");
    }
    return QStringLiteral("unknown harvest error");
}
