#include "ExportFile.h"

#include "AcfWriter.h"
#include "AcoWriter.h"
#include "ActWriter.h"
#include "AiPaletteWriter.h"
#include "AseWriter.h"
#include "CssSheetWriter.h"
#include "CssVarsWriter.h"
#include "ExportFormat.h"
#include "GifEncoder.h"
#include "GifSwatchWriter.h"
#include "GplWriter.h"
#include "HtmlChartWriter.h"
#include "PainterWriter.h"
#include "SafeFile.h"
#include "TokensWriter.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace {

ExportResult createFailure(const QString& path, const QString& systemText)
{
    ExportResult r;
    r.error = ExportError::CreateFailed;
    r.message = ExportErrorText(r.error, QFileInfo(path).absoluteFilePath(), systemText);
    return r;
}

// The writer of a format over the target device; false when the device failed.
bool writeFormat(ExportFormat format, QIODevice& device, const TExportList& list, const QString& title)
{
    switch (format) {
    case ExportFormat::Html: return HtmlChartWriter::Write(device, list);
    case ExportFormat::Css: return CssSheetWriter::Write(device, list);
    case ExportFormat::Aco: return AcoWriter::Write(device, list.colors());
    case ExportFormat::Ai:
        return AiPaletteWriter::Write(device, list.colors(), title,
                                      QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    case ExportFormat::Acf: return AcfWriter::Write(device, list, title);
    case ExportFormat::Painter: return PainterWriter::Write(device, list.colors());
    case ExportFormat::Act: return ActWriter::Write(device, list.colors().mid(0, 256));
    case ExportFormat::Gpl: {
        QString name = title;
        if (name.endsWith(QLatin1String(".gpl"), Qt::CaseInsensitive))
            name.chop(4);
        return GplWriter::Write(device, list, name);
    }
    case ExportFormat::Ase: return AseWriter::Write(device, list);
    case ExportFormat::CssVars: return CssVarsWriter::Write(device, list);
    case ExportFormat::Tokens: return TokensWriter::Write(device, list);
    case ExportFormat::Gif: break;
    }
    return false;
}

} // namespace

namespace ExportFile {

QString LeftOutText(int leftOut)
{
    if (leftOut <= 0)
        return {};
    return QStringLiteral("A GIF image holds at most 256 colors, including the white background and the "
                          "black outlines: %1 color(s) at the end of the list were left out of the image.")
        .arg(leftOut);
}

ExportResult Write(int format, const TExportList& list, const QString& path)
{
    if (format < 0 || format >= ExportFormatCount) {
        ExportResult r;
        r.error = ExportError::UnknownFormat;
        r.message = ExportErrorText(r.error, path);
        return r;
    }
    int leftOut = 0;
    GifEncodeResult gif;
    const QString title = QFileInfo(path).fileName();
    const FileResult saved = SafeFile::Save(path, [&](QIODevice& device) {
        if (format != int(ExportFormat::Gif))
            return writeFormat(ExportFormat(format), device, list, title);
        QList<TColor> colors = list.colors().mid(0, 256);
        const qsizetype fit = GifSwatchWriter::FittingCount(colors);
        leftOut = int(colors.size() - fit);
        colors.resize(fit);
        gif = GifEncoder::Encode(GifSwatchWriter::SwatchImage(colors), device);
        return gif.ok();
    });
    ExportResult r;
    if (saved.error == FileError::WriterFailed && !gif.ok() && gif.error != GifError::WriteFailed) {
        // The encoder refused the image; nothing was written.
        r.error = ExportError::EncodeFailed;
        r.message = ExportErrorText(r.error, path, gif.message);
        return r;
    }
    if (!saved.ok()) {
        QString detail = saved.detail.isEmpty() ? gif.message : saved.detail;
        return createFailure(path, detail.isEmpty() ? saved.text() : detail);
    }
    r.leftOut = leftOut;
    return r;
}

} // namespace ExportFile
