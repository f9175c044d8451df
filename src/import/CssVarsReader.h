#pragma once

#include "TNamedPalette.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// CSS custom properties (.css): every declaration "--<name>: <value>" inside
// any block (":root", other rules, @media and nested blocks alike) whose
// value, without comments, surrounding blanks and "!important", is one
// colour literal that the harvest's colour parser accepts as a whole
// ("#RRGGBB", "#RGB", "rgb(n,n,n)" with optional "%"; either case) gives a
// colour named <name> with its escapes decoded. Other declarations are
// stepped over; strings and comments never start a declaration. The text is
// UTF-8 (a byte-order mark is allowed). NUL bytes, a name over the cap or
// more colours than the cap refuse the file.
namespace CssVarsReader {

TNamedPalette Read(QIODevice& device);
TNamedPalette Parse(const QByteArray& bytes);
TNamedPalette ParseText(const QString& text);

} // namespace CssVarsReader
