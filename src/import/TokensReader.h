#pragma once

#include "TNamedPalette.h"

#include <QByteArray>
#include <QIODevice>

// Design tokens (.tokens.json, the W3C Design Tokens Community Group
// format): a JSON object of groups and tokens. A member whose object has
// "$value" is a token, any other object member a group; keys starting with
// "$" are properties, never names. A token's type is its own "$type", else
// the nearest enclosing group's. Every token of type "color" gives a colour,
// named by its path of keys joined with "." ("brand.primary"), in document
// order. Its value may be
//   a string "#RGB", "#RGBA", "#RRGGBB" or "#RRGGBBAA" (alpha dropped),
//   an object with "colorSpace": "srgb" and "components" [r, g, b] 0..1
//     (or with a "hex" string, taken first),
//   or an alias "{group.token}" to another token (followed through at most
//     32 aliases; an alias token without a type takes its target's).
// A colour token whose value is none of these (another colour space, a
// broken alias) is stepped over. Text that is not JSON, a top level that is
// not an object, nesting deeper than 256, a name over the cap or more
// colours than the cap refuse the file.
namespace TokensReader {

TNamedPalette Read(QIODevice& device);
TNamedPalette Parse(const QByteArray& bytes);

} // namespace TokensReader
