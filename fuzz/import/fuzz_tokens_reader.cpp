// Any bytes through the design-token reader: it must refuse or read, never
// crash, hang or leave colours behind with a problem.
#include "TokensReader.h"
#include "NamedPaletteCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckNamedPalette(TokensReader::Parse(FuzzBytes(data, size)));
    return 0;
}
