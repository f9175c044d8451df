#include "ActReader.h"

namespace ActReader {

QList<TColor> Read(QIODevice& device)
{
    const QByteArray data = device.read(768);
    QList<TColor> colors;
    const qsizetype n = data.size() / 3;
    colors.reserve(n);
    const auto* b = reinterpret_cast<const unsigned char*>(data.constData());
    for (qsizetype i = 0; i < n; ++i)
        colors.append(MakeColor(b[3 * i], b[3 * i + 1], b[3 * i + 2]));
    return colors;
}

} // namespace ActReader
