#include "AseWriter.h"

#include "TextLines.h"

#include <cstring>

namespace {

void putU16(QByteArray& b, quint32 v)
{
    b.append(char((v >> 8) & 0xFF));
    b.append(char(v & 0xFF));
}

void putU32(QByteArray& b, quint32 v)
{
    putU16(b, v >> 16);
    putU16(b, v & 0xFFFF);
}

void putFloat(QByteArray& b, float f)
{
    quint32 bits;
    std::memcpy(&bits, &f, sizeof bits);
    putU32(b, bits);
}

} // namespace

namespace AseWriter {

QByteArray Bytes(const TExportList& list)
{
    QByteArray b;
    b.reserve(12 + list.size() * 64);
    b += "ASEF";
    putU16(b, 1);
    putU16(b, 0);
    putU32(b, quint32(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TColor c = list.colors()[i];
        QString name = list.name(i);
        name.remove(QChar(0));
        name = CappedText(name);
        const quint32 units = quint32(name.size()) + 1;
        putU16(b, 0x0001);
        putU32(b, 2 + units * 2 + 4 + 12 + 2);
        putU16(b, units);
        for (const QChar ch : std::as_const(name))
            putU16(b, ch.unicode());
        putU16(b, 0);
        b += "RGB ";
        putFloat(b, float(RedOf(c) / 255.0L));
        putFloat(b, float(GreenOf(c) / 255.0L));
        putFloat(b, float(BlueOf(c) / 255.0L));
        putU16(b, 0); // global
    }
    return b;
}

bool Write(QIODevice& device, const TExportList& list)
{
    const QByteArray b = Bytes(list);
    return device.write(b) == b.size();
}

} // namespace AseWriter
