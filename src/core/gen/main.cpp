// tv_gen_colorvision [FILE]: prints the colour-vision simulation table, one
// row a line, or writes it to FILE. Regenerate the shipped table with
//   tv_gen_colorvision src/core/data/colorvision.txt
#include "ColorVisionGenerator.h"

#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QTextStream err(stderr);
    if (argc > 2) {
        err << "usage: tv_gen_colorvision [FILE]\n";
        return 2;
    }
    QString failedKey;
    const auto rows = ColorVisionGen::GenerateTable(&failedKey);
    if (!rows) {
        err << "tv_gen_colorvision: no dichromat colour for " << failedKey << '\n';
        return 1;
    }
    QByteArray text;
    for (const QString& row : *rows)
        text += row.toLatin1() + '\n';
    if (argc == 1) {
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        err << "tv_gen_colorvision: " << file.fileName() << ": " << file.errorString() << '\n';
        return 1;
    }
    return 0;
}
