// Feeds arbitrary bytes to the scheme readers (binary version 3, the session
// variant that ignores the version, and the old text format) and checks that
// whatever is accepted writes back and reads again to the same favourites.
#include "OldSchemeFormat.h"
#include "SchemeFormat.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    TSchemeData scheme;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (SchemeFormat::Read(buffer, scheme) == FavoritesError::None) {
        FavoritesError e = FavoritesError::None;
        const QByteArray again = SchemeFormat::Serialize(scheme, &e);
        TSchemeData back;
        if (e != FavoritesError::None || SchemeFormat::Parse(again, back) != FavoritesError::None
            || back.Favorites.size() != scheme.Favorites.size() || back.BaseColor != scheme.BaseColor)
            std::abort();
        for (qsizetype i = 0; i < back.Favorites.size(); ++i) {
            if (back.Favorites[i].Name != scheme.Favorites[i].Name || back.Favorites[i].Color != scheme.Favorites[i].Color
                || back.Favorites[i].Hex != scheme.Favorites[i].Hex)
                std::abort();
        }
    }

    TSchemeData session;
    SchemeFormat::Parse(bytes, session, SchemeFormat::VersionCheck::Ignore);

    TSchemeData old;
    if (OldSchemeFormat::Parse(bytes, old) == FavoritesError::None && old.Favorites.size() > 5)
        std::abort();
    return 0;
}
