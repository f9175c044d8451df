#pragma once

#include <QIcon>

// The toolbar pictures, drawn in code so the program carries no image files.
namespace StudioIcons {
QIcon Icon(const QString& name);   // by the button's name, e.g. "tbNew"; "extensionH"/"extensionV": the overflow chevrons
QPixmap WebsafeMark(bool websafe);  // the 12 x 13 status icons
} // namespace StudioIcons
