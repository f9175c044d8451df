#include "GplWriter.h"

#include "TextLines.h"

namespace GplWriter {

QByteArray Bytes(const TExportList& list, const QString& title)
{
    QByteArray b;
    b.reserve(64 + list.size() * 24);
    b += "GIMP Palette\nName: ";
    b += OneLineText(title).toUtf8();
    b += "\nColumns: 16\n#\n";
    char channels[16];
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TColor c = list.colors()[i];
        std::snprintf(channels, sizeof channels, "%3d %3d %3d", RedOf(c), GreenOf(c), BlueOf(c));
        b += channels;
        const QString name = OneLineText(list.name(i)).trimmed();
        if (!name.isEmpty()) {
            b += '\t';
            b += name.toUtf8();
        }
        b += '\n';
    }
    return b;
}

bool Write(QIODevice& device, const TExportList& list, const QString& title)
{
    const QByteArray b = Bytes(list, title);
    return device.write(b) == b.size();
}

} // namespace GplWriter
