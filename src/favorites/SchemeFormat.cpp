#include "SchemeFormat.h"

#include "HSLUtils.h"

#include <QtEndian>

namespace SchemeFormat {

namespace {

// Windows-1252 for 0x80..0x9F; the five unassigned bytes map to the C1
// controls of the same value, as the system's own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Cursor {
public:
    explicit Cursor(const QByteArray& bytes)
        : m_data(reinterpret_cast<const uchar*>(bytes.constData()))
        , m_size(bytes.size())
    {
    }
    qsizetype remaining() const { return m_size - m_pos; }
    bool u8(quint8& v)
    {
        if (remaining() < 1)
            return false;
        v = m_data[m_pos++];
        return true;
    }
    bool u16(quint16& v)
    {
        if (remaining() < 2)
            return false;
        v = qFromLittleEndian<quint16>(m_data + m_pos);
        m_pos += 2;
        return true;
    }
    bool u32(quint32& v)
    {
        if (remaining() < 4)
            return false;
        v = qFromLittleEndian<quint32>(m_data + m_pos);
        m_pos += 4;
        return true;
    }
    bool bytes(qsizetype n, QByteArray& out)
    {
        if (n < 0 || remaining() < n)
            return false;
        out = QByteArray(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return true;
    }
    bool skip(qsizetype n)
    {
        if (n < 0 || remaining() < n)
            return false;
        m_pos += n;
        return true;
    }

private:
    const uchar* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

TColor color24(quint32 v) { return ColorFromValue(v & 0xFFFFFFu); }

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    const auto* s = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i < len)
            return false;
        for (int k = 1; k < len; ++k) {
            const uchar t = s[i + k];
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

QString DecodeName(const QByteArray& bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const uchar c = uchar(ch);
        text.append(c >= 0x80 && c <= 0x9F ? QChar(kCp1252High[c - 0x80]) : QChar(c));
    }
    return text;
}

namespace {

// What a reader makes of the bytes after the records: the scheme reader
// wants none or a whole preview block; the session reader keeps the records
// of a file whose preview block is cut short and takes the default colours.
enum class Tail { WholePreview, ShortPreviewIsDefault };

FavoritesError parse(const QByteArray& bytes, TSchemeData& out, VersionCheck check, Tail tail)
{
    Cursor in(bytes);
    quint16 version = 0, count = 0;
    quint32 base = 0;
    if (!in.u16(version))
        return FavoritesError::NotValidScheme;
    if (check == VersionCheck::Require3 && version != kVersion)
        return FavoritesError::NotValidScheme;
    if (!in.u16(count) || !in.u32(base))
        return FavoritesError::NotValidScheme;
    // Every record takes at least 19 bytes: a count that cannot fit is refused
    // before anything is allocated for it.
    if (qsizetype(count) * kRecordFixedSize > in.remaining())
        return FavoritesError::NotValidScheme;

    TSchemeData data;
    data.BaseColor = ColorFromValue(base);
    data.Favorites.reserve(count);
    for (int k = 0; k < count; ++k) {
        quint32 color = 0, nameLength = 0;
        QByteArray name;
        quint8 r, g, b, hexLength, expanded;
        if (!in.u32(color) || !in.u32(nameLength) || qint32(nameLength) < 0 || !in.bytes(qint32(nameLength), name))
            return FavoritesError::NotValidScheme;
        if (!in.u8(r) || !in.u8(g) || !in.u8(b) || !in.u8(hexLength) || !in.skip(6) || !in.u8(expanded))
            return FavoritesError::NotValidScheme;
        TFavColor f = TFavColor::fromColor(color24(color), expanded != 0);
        f.Name = DecodeName(name);
        data.Favorites.append(std::move(f));
    }
    if (in.remaining() == 0 || (in.remaining() < kPreviewSize && tail == Tail::ShortPreviewIsDefault)) {
        data.HasPreview = false;
    } else {
        if (in.remaining() < kPreviewSize)
            return FavoritesError::NotValidScheme;
        for (TColor& c : data.Preview) {
            quint32 v = 0;
            in.u32(v);
            c = ColorFromValue(v);
        }
    }
    out = std::move(data);
    return FavoritesError::None;
}

} // namespace

FavoritesError Parse(const QByteArray& bytes, TSchemeData& out, VersionCheck check)
{
    return parse(bytes, out, check, Tail::WholePreview);
}

FavoritesError ParseSession(const QByteArray& bytes, TSchemeData& out)
{
    return parse(bytes, out, VersionCheck::Ignore, Tail::ShortPreviewIsDefault);
}

FavoritesError Read(QIODevice& device, TSchemeData& out, VersionCheck check)
{
    if (!device.isReadable())
        return FavoritesError::SchemeOpenFailed;
    // In pieces, so that a device holding more than the cap is found out
    // without first allocating the cap.
    QByteArray bytes;
    for (;;) {
        const QByteArray piece = device.read(64 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > kMaxFileSize)
            return FavoritesError::FileTooLarge;
    }
    return Parse(bytes, out, check);
}

QByteArray Serialize(const TSchemeData& data, FavoritesError* error)
{
    if (error)
        *error = FavoritesError::None;
    if (data.Favorites.size() > kMaxFavorites) {
        if (error)
            *error = FavoritesError::TooManyFavorites;
        return {};
    }
    QByteArray out;
    out.reserve(kHeaderSize + data.Favorites.size() * (kRecordFixedSize + 16) + kPreviewSize);
    put16(out, kVersion);
    put16(out, quint16(data.Favorites.size()));
    put32(out, ColorValue(data.BaseColor));
    for (const TFavColor& f : data.Favorites) {
        const QByteArray name = f.Name.toUtf8();
        put32(out, ColorValue(f.Color));
        put32(out, quint32(qint32(name.size())));
        out.append(name);
        out.append(char(RedOf(f.Color)));
        out.append(char(GreenOf(f.Color)));
        out.append(char(BlueOf(f.Color)));
        out.append(char(6));
        out.append(HSLUtils::ColorToHex(f.Color).toLatin1());
        out.append(char(f.Expanded ? 1 : 0));
    }
    for (TColor c : data.Preview)
        put32(out, ColorValue(c));
    return out;
}

FavoritesError Write(QIODevice& device, const TSchemeData& data)
{
    FavoritesError error = FavoritesError::None;
    const QByteArray bytes = Serialize(data, &error);
    if (error != FavoritesError::None)
        return error;
    if (device.write(bytes) != bytes.size())
        return FavoritesError::SchemeSaveFailed;
    return FavoritesError::None;
}

} // namespace SchemeFormat
