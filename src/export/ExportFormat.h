#pragma once

#include <QString>

// The export formats in list order.
enum class ExportFormat : int { Html = 0, Css, Gif, Aco, Ai, Acf, Painter, Act };

inline constexpr int ExportFormatCount = 8;

struct ExportFormatInfo {
    const char* itemText;    // list item, the type code after tabs
    const char* extension;   // with the dot, compared case-sensitively
    const char* filter;      // "description|pattern"
    const char* description; // lines separated by CR LF
};

const ExportFormatInfo& ExportFormatAt(int index);

// The format whose extension ends the path (case-sensitive); -1 for none.
int ExportFormatForPath(const QString& path);
