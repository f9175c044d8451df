#include "HelpPages.h"

#include <QCoreApplication>
#include <QDir>

namespace HelpPages {

QString PageFor(const QString& windowObjectName)
{
    for (const WindowPage& p : kWindowPages) {
        if (windowObjectName == QLatin1String(p.window))
            return QLatin1String(p.page);
    }
    return QStringLiteral("index.html");
}

QString Folder()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../share/tintvale-studio/help")));
}

} // namespace HelpPages
