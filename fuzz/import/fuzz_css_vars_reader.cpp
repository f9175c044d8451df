// Any bytes through the CSS custom-property reader: it must refuse or read, never
// crash, hang or leave colours behind with a problem.
#include "CssVarsReader.h"
#include "NamedPaletteCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckNamedPalette(CssVarsReader::Parse(FuzzBytes(data, size)));
    return 0;
}
