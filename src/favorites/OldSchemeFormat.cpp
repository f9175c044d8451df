#include "OldSchemeFormat.h"

#include <QList>

#include <optional>

namespace OldSchemeFormat {

namespace {

QList<QByteArray> lines(const QByteArray& bytes)
{
    QList<QByteArray> result = bytes.split('\n');
    for (QByteArray& line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return result;
}

std::optional<int> channel(const QByteArray& text)
{
    const QByteArray t = text.trimmed();
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok || v < 0 || v > 255)
        return std::nullopt;
    return v;
}

// A TColor written as a decimal number: signed (system colours are negative)
// or unsigned, 32 bits either way.
std::optional<TColor> colorValue(const QByteArray& text)
{
    const QByteArray t = text.trimmed();
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < -2147483648LL || v > 4294967295LL)
        return std::nullopt;
    return ColorFromValue(quint32(v));
}

} // namespace

bool IsOldScheme(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    QByteArray first = end < 0 ? bytes : bytes.left(end);
    if (first.endsWith('\r'))
        first.chop(1);
    return first == "TVver2";
}

FavoritesError Parse(const QByteArray& bytes, TSchemeData& out)
{
    if (!IsOldScheme(bytes))
        return FavoritesError::NotValidScheme;
    const QList<QByteArray> text = lines(bytes);
    if (text.size() < 20)
        return FavoritesError::NotValidScheme;

    TSchemeData data;
    const auto r = channel(text[1]), g = channel(text[2]), b = channel(text[3]);
    if (!r || !g || !b)
        return FavoritesError::NotValidScheme;
    data.BaseColor = MakeColor(*r, *g, *b);

    for (int line = 6; line <= 10; ++line) {
        const QList<QByteArray> fields = text[line].split('.');
        if (fields.first().trimmed() == "---")
            continue;
        if (fields.size() != 3)
            return FavoritesError::NotValidScheme;
        const auto fr = channel(fields[0]), fg = channel(fields[1]), fb = channel(fields[2]);
        if (!fr || !fg || !fb)
            return FavoritesError::NotValidScheme;
        TFavColor f = TFavColor::fromColor(MakeColor(*fr, *fg, *fb), false);
        f.Name = QStringLiteral("Color ") + QString::number(data.Favorites.size() + 1);
        data.Favorites.append(std::move(f));
    }

    // File lines of the preview colours in preview order (texts, then backgrounds).
    constexpr int kPreviewLines[9] = {15, 16, 17, 18, 19, 11, 12, 13, 14};
    for (int k = 0; k < 9; ++k) {
        const auto c = colorValue(text[kPreviewLines[k]]);
        if (!c)
            return FavoritesError::NotValidScheme;
        data.Preview[size_t(k)] = *c;
    }
    data.HasPreview = true;
    out = std::move(data);
    return FavoritesError::None;
}

} // namespace OldSchemeFormat
