#include "GplReader.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A decimal channel 0..255 starting at `i`; `i` moves past it.
bool readChannel(QStringView line, qsizetype& i, int& value)
{
    while (i < line.size() && isBlank(line[i]))
        ++i;
    const qsizetype start = i;
    long v = 0;
    while (i < line.size() && line[i] >= u'0' && line[i] <= u'9') {
        v = v * 10 + (line[i].unicode() - u'0');
        if (v > 255)
            return false;
        ++i;
    }
    if (i == start || (i < line.size() && !isBlank(line[i])))
        return false;
    value = int(v);
    return true;
}

} // namespace

namespace GplReader {

TNamedPalette Read(QIODevice& device)
{
    return Parse(device.readAll());
}

TNamedPalette Parse(const QByteArray& bytes)
{
    TNamedPalette p;
    if (bytes.contains('\0')) {
        p.fail(QStringLiteral("not a GIMP palette (the file holds NUL bytes)"));
        return p;
    }
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    const QString text = QString::fromUtf8(data);
    const QStringView all(text);
    qsizetype pos = 0;
    int lineNumber = 0;
    bool header = true;
    while (pos <= all.size()) {
        qsizetype end = all.indexOf(u'\n', pos);
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (lineNumber == 1) {
            if (!line.startsWith(u"GIMP Palette")) {
                p.fail(QStringLiteral("not a GIMP palette (the first line is not \"GIMP Palette\")"));
                return p;
            }
            continue;
        }
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (header && (line.startsWith(u"Name:") || line.startsWith(u"Columns:")))
            continue;
        header = false;
        const QString where = QStringLiteral("line %1").arg(lineNumber);
        qsizetype i = 0;
        int rgb[3];
        for (int& c : rgb) {
            if (!readChannel(line, i, c)) {
                p.fail(where + QStringLiteral(": expected three channel values from 0 to 255, then a name"));
                return p;
            }
        }
        const QString name = line.mid(i).trimmed().toString();
        if (!p.add(MakeColor(rgb[0], rgb[1], rgb[2]), name, where))
            return p;
    }
    return p;
}

} // namespace GplReader
