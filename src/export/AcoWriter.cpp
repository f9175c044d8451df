#include "AcoWriter.h"

namespace {

void putU16(QByteArray& b, int v)
{
    b.append(char((v >> 8) & 0xFF));
    b.append(char(v & 0xFF));
}

} // namespace

namespace AcoWriter {

QByteArray Bytes(const QList<TColor>& colors)
{
    const qsizetype n = std::min<qsizetype>(colors.size(), 65535);
    QByteArray b;
    b.reserve(4 + 10 * n);
    putU16(b, 1);
    putU16(b, int(n));
    for (qsizetype i = 0; i < n; ++i) {
        putU16(b, 0);
        putU16(b, RedOf(colors[i]) * 257);
        putU16(b, GreenOf(colors[i]) * 257);
        putU16(b, BlueOf(colors[i]) * 257);
        putU16(b, 0);
    }
    return b;
}

bool Write(QIODevice& device, const QList<TColor>& colors)
{
    const QByteArray b = Bytes(colors);
    return device.write(b) == b.size();
}

} // namespace AcoWriter
