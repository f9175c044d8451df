#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

// A text that lands on one line of a file's head (a title, a name): line
// breaks of every kind (CR, LF, NEL, U+2028, U+2029) and tabs become
// spaces, so that no text can start a line of its own, and every other
// control character (C0, DEL, C1, NUL included) is left out.
inline QString OneLineText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\r' || u == '\n' || u == '\t' || u == 0x85 || u == 0x2028 || u == 0x2029)
            out += QLatin1Char(' ');
        else if (c.category() != QChar::Other_Control)
            out += c;
    }
    return out;
}

// Text files are 8-bit text in the local code page with CR LF after every
// line, the last one too. True when every byte reached the device.
inline bool WriteTextLines(QIODevice& device, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLocal8Bit();
        bytes += "\r\n";
    }
    return device.write(bytes) == bytes.size();
}

// The longest colour name the palette readers take back (in UTF-16 units).
inline constexpr qsizetype kMaxPaletteNameLength = 4096;

// The text cut to at most `limit` UTF-16 units, never inside a surrogate pair.
inline QString CappedText(const QString& text, qsizetype limit = kMaxPaletteNameLength)
{
    if (text.size() <= limit)
        return text;
    qsizetype n = limit;
    if (n > 0 && text[n - 1].isHighSurrogate())
        --n;
    return text.left(n);
}
