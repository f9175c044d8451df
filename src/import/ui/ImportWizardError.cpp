#include "ImportWizardError.h"

#include "ImportError.h"

QString ImportWizardErrorText(ImportWizardError error, const QString& path, const QString& detail)
{
    switch (error) {
    case ImportWizardError::None:
        return {};
    case ImportWizardError::NoColors:
        return QStringLiteral("No colors were found in %1.").arg(path);
    case ImportWizardError::OpenFailed:
        return ImportErrorText(ImportError::OpenFailed, path);
    case ImportWizardError::DecodeFailed: {
        // The reader's text names the file; the decoder's says what is wrong.
        const QString named = ImportErrorText(ImportError::DecodeFailed, path);
        return detail.isEmpty() ? named : named + QStringLiteral("\n\n") + detail;
    }
    }
    return {};
}
