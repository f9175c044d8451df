#include "ExportFormat.h"

namespace {

constexpr ExportFormatInfo formats[ExportFormatCount] = {
    {"HTML Color Chart\t\t\t\tHTML", ".html", "HTML files (*.html)|*.html",
     "Creates an HTML page with a chart of colors and values.\r\n\r\nPerfect for showing color palettes to "
     "clients or using for your own reference."},
    {"CSS Style Sheet\t\t\t\tCSS", ".css", "CSS Style Sheet (*.css)|*.css",
     "Creates a CSS Style Sheet containing a separate class for each color."},
    {"GIF Image\t\t\t\t\tGIF", ".gif", "GIF Image (*.gif)|*.gif",
     "Creates a GIF image containing all exported colors that can be opened in any graphics program or "
     "included directly in a website."},
    {"Adobe Photoshop Color Palette\t\tACO", ".aco", "Photoshop Color Palette (*.aco)|*.aco",
     "Creates a set of swatches that can be loaded and used directly from Adobe Photoshop."},
    {"Adobe Illustrator Color Palette\t\tAI", ".ai", "Illustrator Color Palette (*.ai)|*.ai",
     "Creates a set of swatches that can be loaded and used directly from Adobe Illustrator."},
    {"Macromedia FreeHand\t\t\tACF", ".acf", "FreeHand/FrameMaker File (*.acf)|*.acf",
     "Creates a file that is compatible with Macromedia FreeHand and Adobe FrameMaker."},
    {"Corel Painter Color Set\t\t\tTXT", ".txt", "Color Sets (*.txt)|*.txt",
     "Creates a Color Set that is compatible with Corel Painter."},
    {"Color Table\t\t\t\t\tACT", ".act", "Color Table files (*.act)|*.act",
     "Creates a Color Table File that is compatible with many popular graphics programs, including Adobe "
     "Photoshop and Macromedia Fireworks."},
    {"GIMP Palette\t\t\t\t\tGPL", ".gpl", "GIMP Palette (*.gpl)|*.gpl",
     "Creates a GIMP palette with the names of your colors that GIMP, Inkscape, Krita and many other programs "
     "can load."},
    {"Adobe Swatch Exchange\t\t\tASE", ".ase", "Adobe Swatch Exchange (*.ase)|*.ase",
     "Creates a set of named swatches that can be loaded in Adobe Photoshop, Illustrator and InDesign."},
    {"CSS Custom Properties\t\t\tCSS", ".css", "CSS Custom Properties (*.css)|*.css",
     "Creates a CSS Style Sheet that defines a custom property (CSS variable) for each color."},
    {"Design Tokens\t\t\t\tJSON", ".tokens.json", "Design Tokens (*.tokens.json)|*.tokens.json",
     "Creates a design token file (W3C Design Tokens format) with a color token for each color."},
};

} // namespace

const ExportFormatInfo& ExportFormatAt(int index)
{
    if (index < 0 || index >= ExportFormatCount)
        index = 0;
    return formats[index];
}

int ExportFormatForPath(const QString& path)
{
    for (int i = 0; i < ExportFormatCount; ++i)
        if (path.endsWith(QLatin1String(formats[i].extension), Qt::CaseSensitive))
            return i;
    return -1;
}
