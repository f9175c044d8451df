#pragma once

#include "FavoritesError.h"
#include "SchemeData.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The binary scheme file, version 3. Little-endian, no padding:
//   0  u16  version (3)
//   2  u16  N, number of favourites
//   4  u32  base colour (TColor 0x00BBGGRR)
//   8       N favourite records, back to back
//   ..  36  preview colours, 9 x u32 TColor (may be absent)
// A favourite record is 19 bytes + L:
//   u32 Color, i32 L, L bytes of name, u8 R, u8 G, u8 B,
//   u8 6 + 6 bytes "RRGGBB" (Hex as a length-prefixed string), u8 Expanded (0/1).
// The session file "session.tmp" has the same layout.
namespace SchemeFormat {

inline constexpr quint16 kVersion = 3;
inline constexpr qsizetype kMaxFavorites = 65535;
inline constexpr qsizetype kHeaderSize = 8;
inline constexpr qsizetype kRecordFixedSize = 19;
inline constexpr qsizetype kPreviewSize = 36;
// The largest scheme a reader takes, 64 MiB.
inline constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

enum class VersionCheck { Require3, Ignore };

// Reads a whole scheme from the device's current position. Fails with
// NotValidScheme for a version other than 3 (unless ignored), a record or
// preview block cut short, a negative name length or a count running past
// the end; `out` is only assigned when the whole file has been read. Trailing
// bytes after the preview block are ignored. Colours read are masked to 24
// bits and R, G, B and Hex are rebuilt from Color, so the caches always agree.
// A read error of the device gives SchemeOpenFailed; a device holding more
// than kMaxFileSize bytes gives FileTooLarge.
FavoritesError Read(QIODevice& device, TSchemeData& out, VersionCheck check = VersionCheck::Require3);
FavoritesError Parse(const QByteArray& bytes, TSchemeData& out, VersionCheck check = VersionCheck::Require3);
// The session reader: the version word is not checked and whatever follows
// whole records that is shorter than a preview block is ignored (HasPreview
// false, default colours); records cut short still fail.
FavoritesError ParseSession(const QByteArray& bytes, TSchemeData& out);

// Writes the scheme with all nine preview colours. Names are written as UTF-8
// (L counts bytes). More than 65535 favourites give TooManyFavorites before
// anything is written; a device write error gives SchemeSaveFailed.
FavoritesError Write(QIODevice& device, const TSchemeData& data);
// The bytes Write would produce; empty with `error` set on TooManyFavorites.
QByteArray Serialize(const TSchemeData& data, FavoritesError* error = nullptr);

// Name bytes as text: UTF-8 when the bytes are valid UTF-8 (shortest forms,
// no surrogates, at most U+10FFFF), Windows-1252 otherwise.
QString DecodeName(const QByteArray& bytes);
bool IsValidUtf8(const QByteArray& bytes);

} // namespace SchemeFormat
