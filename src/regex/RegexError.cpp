#include "RegexError.h"

QString RegexErrorText(RegexError error)
{
    switch (error) {
    case RegexError::None:
        return QStringLiteral("no error");
    case RegexError::InvalidPattern:
        return QStringLiteral("invalid regular expression");
    }
    return QStringLiteral("unknown regular-expression error");
}
