#include "OldSchemeFormat.h"

#include <QList>

#include <optional>

namespace OldSchemeFormat {

namespace {

constexpr int kLineCount = 20;

// The first 20 lines without their CR LF or LF (what follows is never read,
// so a long file costs no more than a short one). `lastCut` is set when the
// file ends inside line 19's value: its last character is the file's last
// byte and is not a space. A file written whole ends every line, so a value
// there without anything after it may have lost digits.
QList<QByteArray> lines(const QByteArray& bytes, bool& lastCut)
{
    QList<QByteArray> result;
    qsizetype from = 0;
    lastCut = false;
    while (result.size() < kLineCount && from <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        const bool ended = end >= 0;
        if (!ended)
            end = bytes.size();
        QByteArray line = bytes.mid(from, end - from);
        if (result.size() == kLineCount - 1 && !ended && !line.isEmpty() && line.back() != ' ' && line.back() != '\r'
            && line.back() != '\t')
            lastCut = true;
        if (line.endsWith('\r'))
            line.chop(1);
        result.append(line);
        if (!ended)
            break;
        from = end + 1;
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
    bool lastCut = false;
    const QList<QByteArray> text = lines(bytes, lastCut);
    if (text.size() < kLineCount || lastCut)
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
