// Any bytes through the GIMP palette reader: it must refuse or read, never
// crash, hang or leave colours behind with a problem.
#include "GplReader.h"
#include "NamedPaletteCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckNamedPalette(GplReader::Parse(FuzzBytes(data, size)));
    return 0;
}
