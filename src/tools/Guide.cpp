#include "Guide.h"

#include "ColorDifference.h"
#include "GplReader.h"
#include "SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <limits>

namespace Tools {

namespace {

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList textLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(u'\r', u'\n');
    return t.split(u'\n');
}

// A decimal integer (an optional sign, digits, blanks around), through its
// low 8 bits; false for anything else.
bool channelOf(QStringView field, int& value)
{
    bool ok = false;
    const qlonglong v = field.trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    value = int(v & 0xFF);
    return true;
}

} // namespace

bool ParseGuideLine(QStringView line, TGuideEntry& entry)
{
    qsizetype cut[3];
    qsizetype end = line.size();
    for (int k = 2; k >= 0; --k) {
        const qsizetype comma = line.lastIndexOf(u',', end - 1);
        if (comma < 0 || end == 0)
            return false;
        cut[k] = comma;
        end = comma;
    }
    int r, g, b;
    if (!channelOf(line.mid(cut[0] + 1, cut[1] - cut[0] - 1), r) || !channelOf(line.mid(cut[1] + 1, cut[2] - cut[1] - 1), g)
        || !channelOf(line.mid(cut[2] + 1), b))
        return false;
    entry.name = line.left(cut[0]).toString();
    entry.color = MakeColor(r, g, b);
    return true;
}

TGuide ParseGuideTable(const QByteArray& bytes)
{
    TGuide guide;
    TGuideEntry entry;
    for (const QString& line : textLines(decodeText(bytes))) {
        if (line.trimmed().isEmpty())
            continue;
        if (ParseGuideLine(line, entry))
            guide.entries.append(entry);
        else
            ++guide.skippedLines;
    }
    return guide;
}

TGuide ParseGuidePalette(const QByteArray& bytes)
{
    TGuide guide;
    const TNamedPalette palette = GplReader::Parse(bytes);
    if (!palette.ok()) {
        guide.problem = palette.problem;
        return guide;
    }
    guide.entries.reserve(palette.colors.size());
    for (qsizetype i = 0; i < palette.colors.size(); ++i)
        guide.entries.append({palette.names.value(i), palette.colors[i]});
    for (const QString& line : textLines(decodeText(bytes))) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("Name:"), Qt::CaseInsensitive)) {
            guide.title = t.mid(5).trimmed();
            break;
        }
        if (!t.isEmpty() && t.front().isDigit())
            break; // the colours have begun: no name line
    }
    return guide;
}

TGuide LoadGuideFile(const QString& path)
{
    const QFileInfo info(path);
    QByteArray bytes;
    const FileResult read = SafeFile::Read(path, SafeFile::kTextCap, bytes);
    const bool palette = info.suffix().compare(QLatin1String("gpl"), Qt::CaseInsensitive) == 0;
    TGuide guide;
    if (!read.ok())
        guide.problem = read.text();
    else
        guide = palette ? ParseGuidePalette(bytes) : ParseGuideTable(bytes);
    if (guide.title.isEmpty())
        guide.title = info.completeBaseName();
    guide.fileName = info.fileName();
    guide.path = path;
    return guide;
}

QList<TGuide> LoadGuides(const QStringList& folders)
{
    QList<TGuide> guides;
    for (const FixedGuide& fixed : kFixedGuides) {
        TGuide guide;
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(QLatin1String(fixed.fileName));
            if (QFileInfo::exists(path)) {
                guide = LoadGuideFile(path);
                break;
            }
        }
        guide.title = QLatin1String(fixed.title);
        guide.fileName = QLatin1String(fixed.fileName);
        guides.append(guide);
    }
    QStringList seen;
    for (const FixedGuide& fixed : kFixedGuides)
        seen << QLatin1String(fixed.fileName);
    QList<QFileInfo> further;
    for (const QString& folder : folders) {
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.csv"), QStringLiteral("*.gpl")}, QDir::Files | QDir::Readable);
        for (const QFileInfo& file : files) {
            if (seen.contains(file.fileName(), Qt::CaseInsensitive))
                continue;
            seen << file.fileName();
            further << file;
        }
    }
    std::stable_sort(further.begin(), further.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    for (const QFileInfo& file : further)
        guides.append(LoadGuideFile(file.filePath()));
    return guides;
}

QString GuideNotice(const TGuide& guide, const QString& userFolder)
{
    if (guide.path.isEmpty())
        return QStringLiteral("Put %1 in %2 to use this guide").arg(guide.fileName, QDir::toNativeSeparators(userFolder));
    if (!guide.problem.isEmpty())
        return QStringLiteral("%1 cannot be read: %2").arg(guide.fileName, guide.problem);
    if (guide.skippedLines == 1)
        return QStringLiteral("1 line of %1 was skipped").arg(guide.fileName);
    if (guide.skippedLines > 1)
        return QStringLiteral("%1 lines of %2 were skipped").arg(guide.skippedLines).arg(guide.fileName);
    return {};
}

QList<int> FilterGuide(const TGuide& guide, const QString& text)
{
    QList<int> rows;
    rows.reserve(guide.entries.size());
    const QString needle = text.trimmed();
    for (qsizetype i = 0; i < guide.entries.size(); ++i) {
        if (needle.isEmpty() || guide.entries[i].name.contains(needle, Qt::CaseInsensitive))
            rows.append(int(i));
    }
    return rows;
}

int NearestGuideEntry(const TGuide& guide, TColor color)
{
    const Lab target = SrgbToLab(color);
    int best = -1;
    double bestDifference = std::numeric_limits<double>::infinity();
    for (qsizetype i = 0; i < guide.entries.size(); ++i) {
        const double d = Ciede2000(target, SrgbToLab(guide.entries[i].color));
        if (d < bestDifference) {
            bestDifference = d;
            best = int(i);
        }
    }
    return best;
}

} // namespace Tools
