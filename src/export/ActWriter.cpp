#include "ActWriter.h"

namespace ActWriter {

QByteArray Bytes(const QList<TColor>& colors)
{
    QByteArray b(768, '\0');
    const qsizetype n = std::min<qsizetype>(colors.size(), 256);
    for (qsizetype i = 0; i < n; ++i) {
        b[3 * i] = char(RedOf(colors[i]));
        b[3 * i + 1] = char(GreenOf(colors[i]));
        b[3 * i + 2] = char(BlueOf(colors[i]));
    }
    return b;
}

bool Write(QIODevice& device, const QList<TColor>& colors)
{
    const QByteArray b = Bytes(colors);
    return device.write(b) == b.size();
}

} // namespace ActWriter
