#pragma once

#include <QString>

// What the import wizard tells the user about a file (or web address) it
// could not import from. Every text names the file.
enum class ImportWizardError {
    None,
    NoColors,     // the source yielded no colour, or the options filtered out every one
    OpenFailed,   // the file cannot be opened for reading
    DecodeFailed, // the GIF decoder rejected the file; its message goes in detail
};

QString ImportWizardErrorText(ImportWizardError error, const QString& path, const QString& detail = {});
