#include "CliCommand.h"

#include "HSLUtils.h"

namespace {
std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}
} // namespace

const std::vector<CliCommand>& CliCommands()
{
    return registry();
}

CliRegistrar::CliRegistrar(const CliCommand& command)
{
    registry().push_back(command);
}

std::optional<TColor> ParseColorArgument(const QString& text)
{
    QStringView digits(text);
    if (digits.startsWith(u'#'))
        digits = digits.mid(1);
    if (digits.size() != 6)
        return std::nullopt;
    return HSLUtils::HexToColor(digits);
}

QString FormatColor(TColor color)
{
    return HSLUtils::ColorToHex(color);
}
