// Test helper: saves a large scheme over an existing file and stops half-way,
// so that the test can kill this process in the middle of a save.
// Usage: tv_favorites_slowsave PATH
#include "SchemeFile.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2)
        return 2;
    TSchemeData data;
    for (int i = 0; i < 20000; ++i) {
        TFavColor f = TFavColor::fromColor(MakeColor(i & 0xFF, (i >> 8) & 0xFF, 7), false);
        f.Name = QStringLiteral("entry %1 ").arg(i) + QString(40, QLatin1Char('x'));
        data.Favorites.append(f);
    }
    bool announced = false;
    const FavoritesError e = SaveSchemeFile(app.arguments().at(1), data, [&](qint64) {
        if (announced)
            return;
        announced = true;
        std::fputs("partial\n", stdout);
        std::fflush(stdout);
        QThread::sleep(60);
    });
    return e == FavoritesError::None ? 0 : 1;
}
