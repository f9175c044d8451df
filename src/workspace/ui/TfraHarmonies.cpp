#include "TfraHarmonies.h"

#include "THarmonyWheelView.h"
#include "TSwatchBox.h"

using Workspace::HarmonyType;

TfraHarmonies::TfraHarmonies(QWidget* parent)
    : TSwatchFrame({"fraHarmonies", "Select Harmony to display:", 220, "cmdAddAllFavs",
                    "Add all Harmonies to Favorites", captionsOf(Workspace::kHarmonies)},
                   parent)
    , m_wheel(new THarmonyWheelView(this))
{
    setPicture(m_wheel, {QPoint(218, 39), QPoint(218, 75), QPoint(218, 111), QPoint(218, 147)}, true);
    recompute();
}

HarmonyType TfraHarmonies::type() const
{
    return Workspace::HarmonyFromIndex(typeIndex());
}

void TfraHarmonies::setType(HarmonyType type)
{
    setTypeIndex(int(type));
}

void TfraHarmonies::applyPictureDisplay(const TDisplayMapper& display)
{
    m_wheel->setDisplayMapper(display);
}

void TfraHarmonies::recompute()
{
    const HarmonyType t = type();
    m_wheel->setState(colors(), t);
    const Workspace::HarmonyInfo& info = Workspace::Harmony(t);
    for (int n = 0; n < swatchCount(); ++n) {
        const bool shown = n < info.swatchCount;
        swatch(n + 1)->setVisible(shown);
        setSwatchColor(n + 1, shown ? std::optional<TColor>(colors()[size_t(info.swatch[n])]) : std::nullopt);
    }
}
