#include "ColorVisionTable.h"

#include "HSLUtils.h"

#include <QFile>
#include <QIODevice>
#include <QStringList>

QString ColorVisionErrorText(ColorVisionError error)
{
    switch (error) {
    case ColorVisionError::None: return QStringLiteral("no error");
    case ColorVisionError::Unreadable: return QStringLiteral("the colour-vision table cannot be read");
    case ColorVisionError::MalformedRow:
        return QStringLiteral("a row of the colour-vision table is not RRGGBB= followed by eight colours");
    case ColorVisionError::NotWebsafe:
        return QStringLiteral("a row of the colour-vision table is not for a websafe colour");
    case ColorVisionError::DuplicateRow:
        return QStringLiteral("a websafe colour appears twice in the colour-vision table");
    case ColorVisionError::MissingRows:
        return QStringLiteral("the colour-vision table lacks some of the 216 websafe colours");
    }
    return QStringLiteral("unknown colour-vision table error");
}

namespace {

// Exactly six hexadecimal digits.
std::optional<TColor> sixDigits(QStringView text)
{
    if (text.size() != 6)
        return std::nullopt;
    return HSLUtils::HexToColor(text);
}

} // namespace

std::optional<ColorVisionTable> ColorVisionTable::read(QIODevice& device, ColorVisionError& error, int& line)
{
    error = ColorVisionError::None;
    line = 0;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        error = ColorVisionError::Unreadable;
        return std::nullopt;
    }
    const QByteArray bytes = device.readAll();
    if (bytes.isEmpty()) {
        error = ColorVisionError::Unreadable;
        return std::nullopt;
    }
    const QString text = QString::fromLatin1(bytes);
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last row

    ColorVisionTable table;
    std::array<bool, kRows> seen{};
    QStringList fields;
    const auto fail = [&](ColorVisionError e, int at) {
        error = e;
        line = at;
        return std::nullopt;
    };
    for (int i = 0; i < lines.size(); ++i) {
        QStringView row(lines[i]);
        if (row.endsWith(u'\r'))
            row.chop(1);
        if (row.size() < 7 || row[6] != u'=')
            return fail(ColorVisionError::MalformedRow, i + 1);
        const auto key = sixDigits(row.first(6));
        if (!key)
            return fail(ColorVisionError::MalformedRow, i + 1);
        if (HSLUtils::SnapWebColor(*key, HSLUtils::SnapWebsafe) != *key)
            return fail(ColorVisionError::NotWebsafe, i + 1);
        HSLUtils::SplitString(fields, QStringLiteral("|"), row.mid(7).toString());
        if (fields.size() != kColumns)
            return fail(ColorVisionError::MalformedRow, i + 1);
        const int at = rowOf(*key);
        if (seen[std::size_t(at)])
            return fail(ColorVisionError::DuplicateRow, i + 1);
        seen[std::size_t(at)] = true;
        for (int m = 0; m < kColumns; ++m) {
            const auto c = sixDigits(fields[m]);
            if (!c)
                return fail(ColorVisionError::MalformedRow, i + 1);
            table.m_colors[std::size_t(m)][std::size_t(at)] = *c;
        }
    }
    if (lines.size() != kRows)
        return fail(ColorVisionError::MissingRows, 0);
    return table;
}

const ColorVisionTable* ColorVisionTable::builtIn(ColorVisionError* error)
{
    struct Loaded {
        std::optional<ColorVisionTable> table;
        ColorVisionError error = ColorVisionError::None;
    };
    // Initialised once, on first use, under the language's guard for statics.
    static const Loaded loaded = [] {
        Loaded l;
        QFile file(QStringLiteral(":/tintvale/colorvision.txt"));
        int line = 0;
        if (!file.open(QIODevice::ReadOnly))
            l.error = ColorVisionError::Unreadable;
        else
            l.table = read(file, l.error, line);
        return l;
    }();
    if (error)
        *error = loaded.error;
    return loaded.table ? &*loaded.table : nullptr;
}
