#include "GifPaletteReader.h"

#include "GifDecoder.h"

namespace GifPaletteReader {

GifPaletteResult Read(QIODevice& device)
{
    GifPaletteResult result;
    const GifDecodeResult decoded = GifDecoder::Decode(device);
    if (!decoded.ok()) {
        result.error = ImportError::DecodeFailed;
        result.message = decoded.message;
        return result;
    }
    const GifColorTable table = decoded.image.activeColorTable(0);
    result.colors.reserve(table.size());
    for (const GifColor& c : table)
        result.colors.append(MakeColor(c.red, c.green, c.blue));
    return result;
}

} // namespace GifPaletteReader
