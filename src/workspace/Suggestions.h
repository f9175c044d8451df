#pragma once

#include "WheelColors.h"

#include <QList>
#include <QString>

#include <array>

// Suggested web-page schemes: ten styles, each fixing four role colours
// derived from the wheel colours. Role colours here are true colours; the
// views pass them through their display mapper once when they draw them.
namespace Workspace {

enum class SuggestionStyle : int {
    Complementary = 0, Analogous, MonoLight, MonoDark, MonoMuted, Vibrant, Muted, Complex, Minimalistic, Gray
};
inline constexpr int kSuggestionStyleCount = 10;

struct SuggestionStyleInfo {
    const char* caption; // the style list's text
    const char* cliName; // the command line's word
};

inline constexpr std::array<SuggestionStyleInfo, kSuggestionStyleCount> kSuggestionStyles{{
    {"Complementary-based", "complementary"},
    {"Analogous-based", "analogous"},
    {"Monochromatic [light]", "mono-light"},
    {"Monochromatic [dark]", "mono-dark"},
    {"Monochromatic [muted]", "mono-muted"},
    {"Vibrant", "vibrant"},
    {"Muted", "muted"},
    {"Complex", "complex"},
    {"Minimalistic", "minimalistic"},
    {"Gray", "gray"},
}};

struct SuggestedScheme {
    TColor page{};
    TColor header{};
    TColor links{};
    TColor content{};     // equal to links: the page shows one undivided body
    bool gradient = false; // the header is a vertical gradient to gradientEnd
    TColor gradientEnd{};  // header lightness + 0.25 (capped at 1); only with gradient

    bool undividedBody() const { return links == content; }
};

// The style for an index of the style list; out-of-range indices give the first style.
SuggestionStyle SuggestionFromIndex(int index);
// The style named by its command-line word, or -1.
int SuggestionIndexFromName(const QString& name);

SuggestedScheme ComputeSuggestion(SuggestionStyle style, const TWheelColors& wheel);

// The swatch colours, at most six: the header (and the gradient end), then
// links, page and content unless white or already listed (unfilled slots
// count as black, so black roles never appear here), then white and black
// while fewer than six are listed. Swatch n is shown when n <= size().
QList<TColor> SuggestionSwatchColors(const SuggestedScheme& scheme);
inline constexpr int kSuggestionSwatchCount = 6;

} // namespace Workspace
