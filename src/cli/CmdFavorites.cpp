// Scheme files: show.
#include "CliCommand.h"

#include "FavoritesError.h"
#include "SchemeFile.h"

namespace {

// Prints base=RRGGBB, one fav=RRGGBB<TAB>name line per favourite and
// preview= with the nine preview colours joined by commas. Old text schemes
// are read without being rewritten.
CliStatus runShow(const QStringList& args, QTextStream& out, QTextStream&)
{
    if (args.size() != 1)
        return CliStatus::fail(QStringLiteral("expected exactly one scheme file"));
    TSchemeData data;
    QString message;
    if (ReadSchemeFile(args.first(), data, &message) != FavoritesError::None)
        return CliStatus::fail(message);
    out << "base=" << FormatColor(data.BaseColor) << '\n';
    for (const TFavColor& f : data.Favorites)
        out << "fav=" << FormatColor(f.Color) << '\t' << f.Name << '\n';
    QStringList preview;
    for (TColor c : data.Preview)
        preview.append(FormatColor(c));
    out << "preview=" << preview.join(QLatin1Char(',')) << '\n';
    return CliStatus::ok();
}

const CliRegistrar show({"show", "FILE.tv", "print the base colour, the favourites and the preview colours of a scheme file", runShow});

} // namespace
