// Any bytes through the GIMP palette reader: it must refuse or read, never
// crash, hang or leave colours behind with a problem.
#include "GplReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const TNamedPalette p = GplReader::Parse(bytes);
    if (p.colors.size() != p.names.size() || (!p.ok() && !p.colors.isEmpty()))
        std::abort();
    if (p.colors.size() > TNamedPalette::kMaxColors)
        std::abort();
    for (const QString& name : p.names)
        if (name.size() > TNamedPalette::kMaxNameLength)
            std::abort();
    return 0;
}
