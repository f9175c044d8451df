#include "ExportFile.h"

#include "AcfWriter.h"
#include "AcoWriter.h"
#include "ActWriter.h"
#include "AiPaletteWriter.h"
#include "CssSheetWriter.h"
#include "ExportFormat.h"
#include "GifEncoder.h"
#include "GifSwatchWriter.h"
#include "HtmlChartWriter.h"
#include "PainterWriter.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

namespace {

ExportResult createFailure(const QString& path, const QString& systemText)
{
    ExportResult r;
    r.error = ExportError::CreateFailed;
    r.message = ExportErrorText(r.error, QFileInfo(path).absoluteFilePath(), systemText);
    return r;
}

ExportResult writeGif(const TExportList& list, const QString& path)
{
    QList<TColor> colors = list.colors().mid(0, 256);
    const qsizetype fit = GifSwatchWriter::FittingCount(colors);
    const int leftOut = int(colors.size() - fit);
    colors.resize(fit);
    const GifEncodeResult e = GifEncoder::EncodeFile(GifSwatchWriter::SwatchImage(colors), path);
    ExportResult r;
    if (e.error == GifError::OpenFailed || e.error == GifError::WriteFailed)
        return createFailure(path, e.message);
    if (!e.ok()) {
        r.error = ExportError::EncodeFailed;
        r.message = ExportErrorText(r.error, path, e.message);
        return r;
    }
    r.leftOut = leftOut;
    return r;
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
    if (format == int(ExportFormat::Gif))
        return writeGif(list, path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return createFailure(path, file.errorString());
    const QString title = QFileInfo(path).fileName();
    bool ok = false;
    switch (ExportFormat(format)) {
    case ExportFormat::Html: ok = HtmlChartWriter::Write(file, list); break;
    case ExportFormat::Css: ok = CssSheetWriter::Write(file, list); break;
    case ExportFormat::Aco: ok = AcoWriter::Write(file, list.colors()); break;
    case ExportFormat::Ai:
        ok = AiPaletteWriter::Write(file, list.colors(), title,
                                    QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        break;
    case ExportFormat::Acf: ok = AcfWriter::Write(file, list, title); break;
    case ExportFormat::Painter: ok = PainterWriter::Write(file, list.colors()); break;
    case ExportFormat::Act: ok = ActWriter::Write(file, list.colors().mid(0, 256)); break;
    case ExportFormat::Gif: break;
    }
    if (!ok) {
        const QString text = file.errorString();
        file.cancelWriting();
        return createFailure(path, text);
    }
    if (!file.commit())
        return createFailure(path, file.errorString());
    return {};
}

} // namespace ExportFile
