#pragma once

#include <QString>

// What the tools' logic can refuse. The windows cannot produce these (their
// controls hold only valid values); the command line reports them.
enum class ToolsError {
    None,
    StepsOutOfRange,      // mixer steps outside 1..58
    UnknownMixPath,       // not one of linear, cw, ccw
    BackgroundOutOfRange, // analyzer background entry past the list
};

QString ToolsErrorText(ToolsError error);
