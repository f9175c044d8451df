#pragma once

#include <QString>

enum class HarvestError {
    None,
    FetchFailed,    // at least one document of the harvest could not be fetched
    InvalidAddress, // not an http:// or https:// address
    Busy,           // a harvest is already running
};

QString HarvestErrorText(HarvestError error);
