#pragma once

#include "TExportList.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// GIMP palette (.gpl), UTF-8 with LF line ends as GIMP itself writes it:
//   GIMP Palette
//   Name: <title>        the file's name without ".gpl"
//   Columns: 16
//   #
//   <r> <g> <b>\t<name>  per colour, each channel right-aligned in three places
// The title and names pass through OneLineText() (a line break or tab
// becomes a space, other control characters are left out); a colour without
// a name is written without one.
namespace GplWriter {

QByteArray Bytes(const TExportList& list, const QString& title);
bool Write(QIODevice& device, const TExportList& list, const QString& title);

} // namespace GplWriter
