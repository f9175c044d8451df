#include "AseReader.h"

#include "Rounding.h"

#include <algorithm>

#include <QHash>

#include <cmath>
#include <cstring>

namespace {

struct Cursor {
    const unsigned char* data;
    qsizetype size;
    qsizetype pos = 0;

    qsizetype left() const { return size - pos; }
    quint16 u16()
    {
        const quint16 v = quint16((data[pos] << 8) | data[pos + 1]);
        pos += 2;
        return v;
    }
    quint32 u32()
    {
        const quint32 v = (quint32(data[pos]) << 24) | (quint32(data[pos + 1]) << 16) | (quint32(data[pos + 2]) << 8)
                          | quint32(data[pos + 3]);
        pos += 4;
        return v;
    }
    float f32()
    {
        const quint32 bits = u32();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
};

int channel(long double v)
{
    return HSLUtils::RoundChannel(std::clamp(v, 0.0L, 1.0L));
}

long double srgbEncode(long double linear)
{
    return linear <= 0.0031308L ? 12.92L * linear : 1.055L * std::pow(linear, 1.0L / 2.4L) - 0.055L;
}

struct Entry {
    QString group;
    QString name;
    TColor color;
};

// A name (length in UTF-16 units with the final NUL, then the units) inside
// a block of `end`; false with `problem` set when it runs past the block.
bool readName(Cursor& c, qsizetype end, QString& name, QString& problem)
{
    if (end - c.pos < 2) {
        problem = QStringLiteral("bad length (the block is too short for its name)");
        return false;
    }
    const quint16 units = c.u16();
    if (qsizetype(units) * 2 > end - c.pos) {
        problem = QStringLiteral("bad length (the name of %1 characters runs past the block)").arg(units);
        return false;
    }
    QString s;
    s.reserve(units);
    for (quint16 i = 0; i < units; ++i) {
        const char16_t u = c.u16();
        if (u == 0) { // the terminator; anything after it is not part of the name
            c.pos += qsizetype(units - i - 1) * 2;
            break;
        }
        s.append(QChar(u));
    }
    if (s.size() > TNamedPalette::kMaxNameLength) {
        problem = QStringLiteral("a color name of %1 characters (at most %2 are read)")
                      .arg(s.size())
                      .arg(TNamedPalette::kMaxNameLength);
        return false;
    }
    name = std::move(s);
    return true;
}

} // namespace

namespace AseReader {

TColor LabToColor(long double L, long double a, long double b)
{
    // L*a*b* to XYZ relative to the D50 white (ICC): Xn 0.96422, Yn 1, Zn 0.82521.
    constexpr long double e = 6.0L / 29.0L;
    const auto finv = [e](long double t) { return t > e ? t * t * t : 3 * e * e * (t - 4.0L / 29.0L); };
    const long double fy = (L + 16) / 116;
    const long double X = 0.96422L * finv(fy + a / 500);
    const long double Y = finv(fy);
    const long double Z = 0.82521L * finv(fy - b / 200);
    // Bradford D50 -> D65.
    const long double X65 = 0.9555766L * X - 0.0230393L * Y + 0.0631636L * Z;
    const long double Y65 = -0.0282895L * X + 1.0099416L * Y + 0.0210077L * Z;
    const long double Z65 = 0.0122982L * X - 0.0204830L * Y + 1.3299098L * Z;
    // XYZ (D65) -> linear sRGB.
    const long double r = 3.2404542L * X65 - 1.5371385L * Y65 - 0.4985314L * Z65;
    const long double g = -0.9692660L * X65 + 1.8760108L * Y65 + 0.0415560L * Z65;
    const long double bl = 0.0556434L * X65 - 0.2040259L * Y65 + 1.0572252L * Z65;
    return MakeColor(channel(srgbEncode(std::clamp(r, 0.0L, 1.0L))), channel(srgbEncode(std::clamp(g, 0.0L, 1.0L))),
                     channel(srgbEncode(std::clamp(bl, 0.0L, 1.0L))));
}

TColor CmykToColor(long double c, long double m, long double y, long double k)
{
    const auto ink = [](long double v) { return std::clamp(v, 0.0L, 1.0L); };
    const long double white = 1 - ink(k);
    return MakeColor(channel((1 - ink(c)) * white), channel((1 - ink(m)) * white), channel((1 - ink(y)) * white));
}

TNamedPalette Read(QIODevice& device)
{
    return Parse(device.readAll());
}

TNamedPalette Parse(const QByteArray& bytes)
{
    TNamedPalette p;
    Cursor c{reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()};
    if (c.size < 12 || std::memcmp(c.data, "ASEF", 4) != 0) {
        p.fail(QStringLiteral("not an Adobe Swatch Exchange file (no \"ASEF\" signature)"));
        return p;
    }
    c.pos = 4;
    const quint16 major = c.u16();
    const quint16 minor = c.u16();
    if (major != 1) {
        p.fail(QStringLiteral("version %1.%2 is not read (only version 1)").arg(major).arg(minor));
        return p;
    }
    (void)c.u32(); // the block count; see the header
    QList<Entry> entries;
    QStringList groups;
    int block = 0;
    int cmyk = 0;
    while (c.left() > 0) {
        ++block;
        const QString where = QStringLiteral("block %1").arg(block);
        if (c.left() < 6) {
            p.fail(where + QStringLiteral(": truncated block (%1 bytes left, a block header takes 6)").arg(c.left()));
            return p;
        }
        const quint16 type = c.u16();
        const quint32 length = c.u32();
        if (qint64(length) > c.left()) {
            p.fail(where + QStringLiteral(": bad length (%1 bytes announced, %2 left in the file)").arg(length).arg(c.left()));
            return p;
        }
        const qsizetype end = c.pos + qsizetype(length);
        QString problem;
        if (type == 0xC001) {
            QString name;
            if (!readName(c, end, name, problem)) {
                p.fail(where + QStringLiteral(": ") + problem);
                return p;
            }
            if (groups.size() >= 64) {
                p.fail(where + QStringLiteral(": groups nested more than 64 deep"));
                return p;
            }
            groups.append(name);
        } else if (type == 0xC002) {
            if (groups.isEmpty()) {
                p.fail(where + QStringLiteral(": a group end without a group start"));
                return p;
            }
            groups.removeLast();
        } else if (type == 0x0001) {
            Entry entry;
            if (!readName(c, end, entry.name, problem)) {
                p.fail(where + QStringLiteral(": ") + problem);
                return p;
            }
            if (end - c.pos < 4) {
                p.fail(where + QStringLiteral(": bad length (no room for the color model)"));
                return p;
            }
            const QByteArray model(reinterpret_cast<const char*>(c.data + c.pos), 4);
            c.pos += 4;
            const int count = model == "RGB " ? 3 : model == "CMYK" ? 4 : model == "LAB " ? 3 : model == "Gray" ? 1 : 0;
            if (count == 0) {
                QString shown;
                for (const char ch : model)
                    shown += ch >= 0x20 && ch < 0x7F ? QChar(ch) : QChar(u'?');
                p.fail(where + QStringLiteral(": unknown color model \"%1\"").arg(shown));
                return p;
            }
            // The values and the colour type.
            if (end - c.pos < 4 * count + 2) {
                p.fail(where + QStringLiteral(": bad length (the block ends inside the %1 color values)").arg(QString::fromLatin1(model).trimmed()));
                return p;
            }
            long double v[4] = {0, 0, 0, 0};
            for (int i = 0; i < count; ++i) {
                const float f = c.f32();
                if (!std::isfinite(f)) {
                    p.fail(where + QStringLiteral(": a color value that is not a number"));
                    return p;
                }
                v[i] = f;
            }
            if (model == "RGB ") {
                entry.color = MakeColor(channel(v[0]), channel(v[1]), channel(v[2]));
            } else if (model == "CMYK") {
                entry.color = CmykToColor(v[0], v[1], v[2], v[3]);
                ++cmyk;
            } else if (model == "LAB ") {
                entry.color = LabToColor(v[0] * 100, v[1], v[2]);
            } else {
                entry.color = MakeColor(channel(v[0]), channel(v[0]), channel(v[0]));
            }
            entry.group = groups.join(u'/');
            if (entries.size() >= TNamedPalette::kMaxColors) {
                p.fail(QStringLiteral("more than %1 colors").arg(TNamedPalette::kMaxColors));
                return p;
            }
            entries.append(std::move(entry));
        }
        c.pos = end; // the colour type and anything a newer writer adds
    }
    QHash<QString, int> uses;
    for (const Entry& e : entries)
        ++uses[e.name];
    for (const Entry& e : entries) {
        const bool shared = uses.value(e.name) > 1 && !e.group.isEmpty();
        if (!p.add(e.color, shared ? e.group + u'/' + e.name : e.name))
            return p;
    }
    if (cmyk > 0)
        p.notice = QStringLiteral("%1 CMYK swatch(es) converted to RGB without a color profile; printed colors "
                                  "may differ.")
                       .arg(cmyk);
    return p;
}

} // namespace AseReader
