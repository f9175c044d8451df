#pragma once

#include "TNamedPalette.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What every named-palette reader promises for any input: it refuses or
// reads, and a refusal leaves no colours behind; names parallel colours and
// both stay within the caps. Aborts (a fuzzer finding) otherwise.
inline void CheckNamedPalette(const TNamedPalette& p)
{
    if (p.colors.size() != p.names.size() || (!p.ok() && !p.colors.isEmpty()))
        std::abort();
    if (p.colors.size() > TNamedPalette::kMaxColors)
        std::abort();
    for (const QString& name : p.names)
        if (name.size() > TNamedPalette::kMaxNameLength)
            std::abort();
}

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}
