// The swatch catalogue as a PDF: catalogue.
#include "CliCommand.h"

#include "PaletteFile.h"
#include "PrintCatalogue.h"
#include "SchemeFile.h"
#include "WheelColors.h"
#include "Mixer.h"

namespace {

constexpr const char* kUsage = "usage: catalogue IN OUT.pdf [--groups favorites,wheel,mixer,history] [--page a4|letter]";

CliStatus runCatalogue(const QStringList& args, QTextStream& out, QTextStream& err)
{
    ExportSelection selection;
    QPageSize page(QPageSize::Letter);
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--groups") || a == QLatin1String("--page")) {
            if (i + 1 >= args.size())
                return CliStatus::fail(QStringLiteral("%1 needs a value (%2)").arg(a, QLatin1String(kUsage)));
            const QString value = args[++i].toLower();
            if (a == QLatin1String("--page")) {
                if (value == QLatin1String("a4"))
                    page = QPageSize(QPageSize::A4);
                else if (value == QLatin1String("letter"))
                    page = QPageSize(QPageSize::Letter);
                else
                    return CliStatus::fail(QStringLiteral("--page \"%1\": expected a4 or letter").arg(args[i]));
                continue;
            }
            selection = ExportSelection{false, false, false, false};
            for (const QString& g : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (g == QLatin1String("favorites"))
                    selection.favorites = true;
                else if (g == QLatin1String("wheel"))
                    selection.wheel = true;
                else if (g == QLatin1String("mixer"))
                    selection.mixer = true;
                else if (g == QLatin1String("history"))
                    selection.history = true;
                else
                    return CliStatus::fail(QStringLiteral("--groups: unknown group \"%1\" (expected favorites, wheel, "
                                                          "mixer, history)").arg(g));
            }
        } else {
            files << a;
        }
    }
    if (files.size() != 2 || !files[1].endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return CliStatus::fail(QLatin1String(kUsage));
    const PaletteFileResult in = PaletteFile::Read(files[0]);
    if (!in.ok())
        return CliStatus::fail(in.message);
    if (!in.notice.isEmpty())
        err << "tintvale catalogue: " << in.notice << '\n';

    // The groups as a studio session opened on IN would have them: the
    // file's colours are the favourites; the base colour is the scheme's own
    // (for .tv) or the file's first colour, and gives the wheel, the mixer
    // (base into white in one step) and the history (the base colour alone).
    TColor base = in.colors.isEmpty() ? MakeColor(255, 102, 0) : in.colors.first();
    if (PaletteFile::KindForPath(files[0]) == PaletteKind::Scheme) {
        TSchemeData scheme;
        if (ReadSchemeFile(files[0], scheme) == FavoritesError::None)
            base = scheme.BaseColor;
    }
    ExportGroups groups;
    for (qsizetype i = 0; i < in.colors.size(); ++i)
        groups.favorites.append({in.colors[i], i < in.names.size() ? in.names[i] : QStringLiteral("Color %1").arg(i + 1)});
    const TWheelColors wheel = Workspace::GenerateWheelColors(base, true);
    groups.wheel = QList<TColor>(wheel.begin(), wheel.begin() + 12);
    groups.mixer = Tools::MixColors(base, clWhite, 1, Tools::MixPath::Linear);
    groups.history = {base};
    const TExportList list = TExportList::build(groups, selection);

    int pages = 0;
    const FileResult r = PrintCatalogue::SavePdf(files[1], list, page, PrintLayout::Margins{}, 600, &pages);
    if (!r.ok())
        return CliStatus::failedWork(r.text());
    out << list.size() << (list.size() == 1 ? " colour on " : " colours on ") << pages
        << (pages == 1 ? " page\n" : " pages\n");
    return CliStatus::ok();
}

const CliRegistrar catalogue({"catalogue", "IN OUT.pdf [--groups favorites,wheel,mixer,history] [--page a4|letter]",
                              "write a printable swatch catalogue of IN (any file colors reads) as a PDF: a square, "
                              "the name, HEX and RGB for every colour, in columns, numbered pages; the groups in "
                              "this order, favorites (IN's colours) by default; letter paper by default",
                              runCatalogue, true});

} // namespace
