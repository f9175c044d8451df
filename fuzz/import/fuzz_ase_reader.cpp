// Any bytes through the Adobe Swatch Exchange reader: it must refuse or read, never
// crash, hang or leave colours behind with a problem.
#include "AseReader.h"
#include "NamedPaletteCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckNamedPalette(AseReader::Parse(FuzzBytes(data, size)));
    return 0;
}
