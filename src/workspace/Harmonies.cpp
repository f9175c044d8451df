#include "Harmonies.h"

namespace Workspace {

const HarmonyInfo& Harmony(HarmonyType type)
{
    return kHarmonies[size_t(HarmonyFromIndex(int(type)))];
}

HarmonyType HarmonyFromIndex(int index)
{
    return index >= 0 && index < kHarmonyTypeCount ? HarmonyType(index) : HarmonyType::Complements;
}

int HarmonyIndexFromName(const QString& name)
{
    for (int i = 0; i < kHarmonyTypeCount; ++i)
        if (name == QLatin1String(kHarmonies[size_t(i)].cliName))
            return i;
    return -1;
}

QList<TColor> HarmonySwatchColors(HarmonyType type, const TWheelColors& wheel)
{
    const HarmonyInfo& info = Harmony(type);
    QList<TColor> out;
    for (int n = 0; n < info.swatchCount; ++n)
        out.append(wheel[size_t(info.swatch[n])]);
    return out;
}

} // namespace Workspace
