#pragma once

#include <QString>
#include <QStringList>

// The help: HTML pages installed with the program, one for every window,
// opened in the user's browser. F1 opens the page of the window in front.
namespace HelpPages {

struct WindowPage {
    const char* window; // the window's objectName
    const char* page;   // its page in the help folder
};
inline constexpr WindowPage kWindowPages[] = {
    {"TfrmStudioMain", "main-window.html"}, {"TfrmOptions", "preferences.html"}, {"TfrmImport", "import.html"},
    {"TfrmExport", "export.html"},          {"TfrmMixer", "mixer.html"},         {"TfrmAnalyzer", "analyzer.html"},
    {"TfrmPantone", "lookup.html"},         {"TfrmScreenPicker", "picker.html"}, {"TfrmPicScheme", "picture.html"},
    {"TfrmPreview", "preview.html"},        {"TfrmPrint", "print.html"},         {"TfrmAbout", "about.html"},
};

// The page of a window, or the contents page for any other.
QString PageFor(const QString& windowObjectName);
// The installed help: ../share/tintvale-studio/help beside the program (the
// build tree has the same).
QString Folder();

} // namespace HelpPages
