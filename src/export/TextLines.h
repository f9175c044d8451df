#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

// Text files are 8-bit text in the local code page with CR LF after every
// line, the last one too. True when every byte reached the device.
inline bool WriteTextLines(QIODevice& device, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLocal8Bit();
        bytes += "\r\n";
    }
    return device.write(bytes) == bytes.size();
}
