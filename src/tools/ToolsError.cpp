#include "ToolsError.h"

QString ToolsErrorText(ToolsError error)
{
    switch (error) {
    case ToolsError::None:
        return {};
    case ToolsError::StepsOutOfRange:
        return QStringLiteral("the number of steps must be 1 to 58");
    case ToolsError::UnknownMixPath:
        return QStringLiteral("unknown path (expected linear, cw or ccw)");
    case ToolsError::BackgroundOutOfRange:
        return QStringLiteral("no such background entry");
    }
    return {};
}
