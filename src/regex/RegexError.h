#pragma once

#include <QString>

enum class RegexError {
    None,
    InvalidPattern, // the expression does not compile
};

QString RegexErrorText(RegexError error);
