// tv_icon_png DIR SIZE...: writes DIR/SIZE/org.tintvale.Studio.png for each size.
#include "paint/AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tv_icon_png DIR SIZE...\n");
        return 2;
    }
    for (qsizetype i = 2; i < args.size(); ++i) {
        const int size = args[i].toInt();
        const QString dir = args[1] + u'/' + args[i];
        QSaveFile file(dir + QStringLiteral("/org.tintvale.Studio.png"));
        if (size <= 0 || !QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly)
            || !AppIcon::Render(size).save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "tv_icon_png: cannot write the %s pixel icon\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
