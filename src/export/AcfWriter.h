#pragma once

#include "TExportList.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// The FreeHand / FrameMaker colour library: a fixed head naming the file
// (`title`, without folder) and the number of entries, then per colour the
// 16-bit channels (channel * 257) and the colour's export name. A CR or LF
// inside a name is written as a space, so that every name stays one line.
namespace AcfWriter {

QStringList Lines(const TExportList& list, const QString& title);
bool Write(QIODevice& device, const TExportList& list, const QString& title);

} // namespace AcfWriter
