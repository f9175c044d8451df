#include "AcoReader.h"

#include "HSLUtils.h"

namespace {

bool readU16(QIODevice& d, quint16& v)
{
    unsigned char b[2];
    if (d.read(reinterpret_cast<char*>(b), 2) != 2)
        return false;
    v = quint16((b[0] << 8) | b[1]);
    return true;
}

bool readU32(QIODevice& d, quint32& v)
{
    unsigned char b[4];
    if (d.read(reinterpret_cast<char*>(b), 4) != 4)
        return false;
    v = (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
    return true;
}

} // namespace

namespace AcoReader {

bool EntryColor(quint16 space, quint16 w, quint16 x, quint16 y, TColor& color)
{
    switch (space) {
    case 0:
        color = MakeColor(w / 256, x / 256, y / 256);
        return true;
    case 1: {
        const double hue = w / 182.04L / 360;
        const double saturation = x / 655.35L / 100;
        const double brightness = y / 655.35L / 100;
        color = HSLUtils::HSVToRGB(hue, saturation, brightness);
        return true;
    }
    default:
        return false;
    }
}

QList<TColor> Read(QIODevice& device)
{
    QList<TColor> colors;
    quint16 version = 0, count = 0;
    if (!readU16(device, version) || !readU16(device, count))
        return colors;
    const bool named = version == 2;
    for (int i = 0; i < count; ++i) {
        quint16 space, w, x, y, z;
        if (!readU16(device, space) || !readU16(device, w) || !readU16(device, x) || !readU16(device, y)
            || !readU16(device, z))
            break;
        if (named) {
            // The name: a character count, then that many UTF-16 units.
            quint32 length = 0;
            if (!readU32(device, length))
                break;
            const qint64 bytes = qint64(length) * 2;
            if (device.skip(bytes) != bytes)
                break;
        }
        TColor color;
        if (EntryColor(space, w, x, y, color))
            colors.append(color);
    }
    return colors;
}

} // namespace AcoReader
