// The picture palette tool's "Extract": picture.
#include "CliCommand.h"

#include "PictureModel.h"

namespace {

// The drawing area of the tool's window at its first size (600 x 450, under
// its 32-pixel toolbar and the two lines below it): the same picture and
// count give the colours that window shows.
constexpr QSize kWindowArea(600, 450 - 34);

CliStatus runPicture(const QStringList& args, QTextStream& out, QTextStream&)
{
    int colors = Picture::kDefaultColors;
    QString file;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--colors")) {
            bool ok = false;
            const int n = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok || n < Picture::kMinColors || n > Picture::kMaxColors)
                return CliStatus::fail(QStringLiteral("--colors \"%1\": the number of colours must be 2 to 9")
                                           .arg(i < args.size() ? args[i] : QString()));
            colors = n;
        } else if (file.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            file = a;
        } else {
            return CliStatus::fail(QStringLiteral("unexpected argument \"%1\" (usage: picture FILE [--colors N])").arg(a));
        }
    }
    if (file.isEmpty())
        return CliStatus::fail(QStringLiteral("usage: picture FILE [--colors N]"));
    TPictureModel model(colors);
    model.setArea(kWindowArea);
    const Picture::LoadedPicture r = model.open(file);
    if (!r.ok())
        return CliStatus::fail(r.message);
    model.extract();
    for (const TColor c : model.colors())
        out << FormatColor(c) << '\n';
    return CliStatus::ok();
}

const CliRegistrar picture({"picture", "FILE [--colors N]",
                            "print the picture palette tool's extracted colours (N 2..9, default 5) of a GIF, "
                            "JPEG, BMP or PNG picture, left to right",
                            runPicture});

} // namespace
