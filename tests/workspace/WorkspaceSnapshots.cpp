// Renders every workspace view to a PNG in the folder given as the first
// argument, for looking at them; not a test.
#include "TWheelView.h"
#include "TfraBoxes.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "TPaletteView.h"

#include "HSLUtils.h"
#include "WheelColors.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const TColor base = *HSLUtils::HexToColor(u"FF6600");
    const TWheelColors wheel = Workspace::GenerateWheelColors(base, true);
    auto save = [&dir](QWidget& w, const QString& name) { w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")); };

    TWheelView wheelView;
    wheelView.setColors(wheel);
    save(wheelView, QStringLiteral("wheel"));

    TfraHarmonies harmonies;
    for (int t = 0; t < Workspace::kHarmonyTypeCount; ++t) {
        harmonies.setType(Workspace::HarmonyType(t));
        harmonies.setColors(wheel);
        save(harmonies, QStringLiteral("harmony%1").arg(t));
    }
    TfraSuggested suggested;
    for (int s = 0; s < Workspace::kSuggestionStyleCount; ++s) {
        suggested.setStyle(Workspace::SuggestionStyle(s));
        suggested.setColors(wheel);
        save(suggested, QStringLiteral("suggest%1").arg(s));
    }
    TfraBoxes boxes;
    boxes.setColors(wheel);
    save(boxes, QStringLiteral("boxes"));
    TPaletteView palette;
    for (int k = 0; k < 3; ++k) {
        palette.setKind(Workspace::PaletteKind(k));
        save(palette, QStringLiteral("palette%1").arg(k));
    }
    return 0;
}
