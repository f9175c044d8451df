#pragma once

#include "TExportList.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// The FreeHand / FrameMaker colour library: a fixed head naming the file
// (`title`, without folder) and the number of entries, then per colour the
// 16-bit channels (channel * 257) and the colour's export name. The title
// and the names pass through OneLineText(): a line break inside one is
// written as a space and other control characters (NUL too) are left out,
// so that every text stays the one line it is meant to be.
namespace AcfWriter {

QStringList Lines(const TExportList& list, const QString& title);
bool Write(QIODevice& device, const TExportList& list, const QString& title);

} // namespace AcfWriter
