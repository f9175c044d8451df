#include "AiPaletteWriter.h"

#include "TextLines.h"

#include <charconv>

namespace AiPaletteWriter {

QString Fraction(int channel)
{
    const long double f = static_cast<long double>(channel) / 255;
    char buffer[64];
    // to_chars never consults the locale; general format with precision 15
    // is the same text as printf's %.15Lg in the C locale.
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, f, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, r.ptr - buffer);
}

QStringList Lines(const QList<TColor>& colors, const QString& title, const QString& date)
{
    QStringList l;
    l << QStringLiteral("%!PS-Adobe-3.0 EPSF-3.0") << QStringLiteral("%%Creator: Adobe Illustrator(r) 6.0")
      << QStringLiteral("%%For: Tintvale Studio") << QStringLiteral("%%Title: ") + OneLineText(title)
      << QStringLiteral("%%CreationDate: ") + OneLineText(date);
    static const char* const head[] = {
        "%%BoundingBox: 224 631 268 661",
        "%%HiResBoundingBox: 224.065 631 268 660.5208",
        "%%DocumentProcessColors: Black",
        "%%DocumentFonts: Verdana",
        "%%DocumentNeededResources: procset Adobe_level2_AI5 1.0 0",
        "%%+ procset Adobe_typography_AI5 1.0 0",
        "%%+ procset Adobe_screens_AI5 1.0 0",
        "%%+ procset Adobe_blend_AI5 1.0 0",
        "%%+ procset Adobe_Illustrator_AI6_vars Adobe_Illustrator_AI6",
        "%%+ procset Adobe_Illustrator_AI5 1.0 0",
        "%AI5_FileFormat 2.0",
        "%AI3_ColorUsage: Color",
        "%%AI6_ColorSeparationSet: 1 1 (AI6 Default Color Separation Set)",
        "%%+ Options: 1 16 0 1 0 1 1 1 0 1 1 1 1 18 0 0 0 0 0 0 0 0 -1 -1",
        "%%+ PPD: 1 21 0 0 60 45 2 2 1 0 0 1 0 0 0 0 0 0 0 0 0 0 ()",
        "%AI3_TemplateBox: 306 396 306 396",
        "%AI3_TileBox: 31 31 583 761",
        "%AI3_DocumentPreview: None",
        "%AI5_ArtSize: 612 792",
        "%AI5_RulerUnits: 2",
        "%AI5_ArtFlags: 1 0 0 1 0 0 0 1 0",
        "%AI5_TargetResolution: 800",
        "%AI5_NumLayers: 1",
        "%AI5_OpenToView: -78 780 1 826 581 58 0 1 2 40",
        "%AI5_OpenViewLayers: 1",
        "%%EndComments",
        "%%BeginProlog",
        "%%EndProlog",
        "%%BeginSetup",
        "%AI5_BeginPalette",
        "0 0 Pb",
    };
    for (const char* s : head)
        l << QString::fromLatin1(s);
    for (TColor c : colors) {
        l << Fraction(RedOf(c)) + QLatin1Char(' ') + Fraction(GreenOf(c)) + QLatin1Char(' ') + Fraction(BlueOf(c))
                 + QStringLiteral(" Xa")
          << QStringLiteral("Pc");
    }
    l << QStringLiteral("PB") << QStringLiteral("%AI5_EndPalette") << QStringLiteral("%%EndSetup")
      << QStringLiteral("%%Trailer") << QStringLiteral("%%EOF");
    return l;
}

bool Write(QIODevice& device, const QList<TColor>& colors, const QString& title, const QString& date)
{
    return WriteTextLines(device, Lines(colors, title, date));
}

} // namespace AiPaletteWriter
