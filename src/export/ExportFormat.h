#pragma once

#include <QString>

// The export formats in list order. CssVars shares the ".css" ending with
// Css, which ExportFormatForPath() gives for it; the command line asks for
// the custom properties with an option.
enum class ExportFormat : int { Html = 0, Css, Gif, Aco, Ai, Acf, Painter, Act, Gpl, Ase, CssVars, Tokens };

inline constexpr int ExportFormatCount = 12;

struct ExportFormatInfo {
    const char* itemText;    // list item, the type code after tabs
    const char* extension;   // with the dot, compared case-sensitively
    const char* filter;      // "description|pattern"
    const char* description; // lines separated by CR LF
};

const ExportFormatInfo& ExportFormatAt(int index);

// The format whose extension ends the path (case-sensitive), the first in
// list order; -1 for none.
int ExportFormatForPath(const QString& path);
