// Test helper: one save of the favourites' files in a process of its own, so
// that a test can run it under the fault-injection shim.
// Usage: tv_favorites_writer save|session|open PATH
//   save     writes a fixed scheme with SaveSchemeFile
//   session  writes the same scheme with SaveSessionFile
//   open     opens PATH with OpenSchemeFile (an old text scheme is converted
//            in place)
// Prints the messages a user would see on stderr, one a line; exits 0 when
// the save or open succeeded, 1 when it failed, 2 for bad arguments.
#include "SchemeFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

TSchemeData fixedScheme()
{
    TSchemeData data;
    data.BaseColor = MakeColor(0x33, 0x66, 0x99);
    for (int i = 0; i < 40; ++i) {
        TFavColor f = TFavColor::fromColor(MakeColor(i * 6, 255 - i * 6, 128), i % 2 == 0);
        f.Name = QStringLiteral("favourite %1").arg(i);
        data.Favorites.append(f);
    }
    for (int i = 0; i < 9; ++i)
        data.Preview[size_t(i)] = MakeColor(i * 20, i * 10, i * 5);
    return data;
}

void print(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2)
        return 2;
    const QString& path = args[1];
    if (args[0] == QLatin1String("open")) {
        const TSchemeOpenResult r = OpenSchemeFile(path);
        for (const QString& m : r.messages)
            print(m);
        return r.error == FavoritesError::None ? 0 : 1;
    }
    FavoritesError e;
    if (args[0] == QLatin1String("save"))
        e = SaveSchemeFile(path, fixedScheme());
    else if (args[0] == QLatin1String("session"))
        e = SaveSessionFile(path, fixedScheme());
    else
        return 2;
    if (e == FavoritesError::None)
        return 0;
    print(FavoritesErrorText(e));
    return 1;
}
