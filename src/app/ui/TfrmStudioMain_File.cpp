// Scheme documents: New, Open, Save, Save As, the caption, the questions
// asked before unsaved changes would be lost, and the two wizards.
#include "TfrmStudioMain.h"

#include "ExportGroups.h"
#include "TStudioTools.h"
#include "FavoritesError.h"
#include "ImportTarget.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TFavoritesPanel.h"
#include "TSchemeDocument.h"
#include "TStudioSession.h"
#include "TfrmExport.h"
#include "TfrmImport.h"
#include "WebImport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {
const QString kSchemeFilter = QStringLiteral("Color Scheme File (*.tv)");
}

// A file that could not be read or written: the message with the warning
// icon, the file named under it.
void TfrmStudioMain::warnAboutFile(const QString& text, const QString& path)
{
    if (m_inform) {
        m_inform(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tintvale Studio"), text, QMessageBox::Ok, this);
    box.setInformativeText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    box.exec();
}

QString TfrmStudioMain::chooseFile(bool save, const QString& suggested)
{
    if (m_fileDialog)
        return m_fileDialog(save, suggested);
    QFileDialog dialog(this, save ? QStringLiteral("Save Color Scheme") : QStringLiteral("Open Color Scheme"));
    dialog.setNameFilter(kSchemeFilter);
    dialog.setDefaultSuffix(QStringLiteral("tv"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(suggested);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void TfrmStudioMain::updateCaption()
{
    setWindowTitle(document().caption());
}

// Yes saves first, and a save that did not happen (a cancelled dialog, a
// failed write) stops what was to follow, so the favourites are never lost.
bool TfrmStudioMain::askToSaveFirst(const QString& question)
{
    if (!isModified())
        return true;
    const int answer = ask(question);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return mnuFileSaveClick();
    return true;
}

bool TfrmStudioMain::openSchemeFile(const QString& path)
{
    const TSchemeDocument::OpenOutcome outcome = document().open(path, favorites());
    for (const QString& message : outcome.messages) {
        if (outcome.opened)
            inform(message); // the notice of an old file converted
        else
            warnAboutFile(message, path);
    }
    if (!outcome.opened)
        return false;
    SetBaseColor(outcome.baseColor);
    updateCaption();
    return true;
}

bool TfrmStudioMain::saveSchemeAs(const QString& fileName, const QString& path)
{
    const FavoritesError e = document().save(fileName, path, favorites(), m_session->baseColor());
    if (e != FavoritesError::None) {
        warnAboutFile(FavoritesErrorText(e), path);
        return false;
    }
    updateCaption();
    return true;
}

bool TfrmStudioMain::mnuFileSaveClick()
{
    if (document().isUntitled())
        return mnuFileSaveAsClick();
    return saveSchemeAs(document().fileName(), document().filePath());
}

bool TfrmStudioMain::mnuFileSaveAsClick()
{
    const QString suggested = document().isUntitled() ? document().fileName() + QStringLiteral(".tv") : document().filePath();
    QString path = chooseFile(true, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tv");
    return saveSchemeAs(QFileInfo(path).fileName(), path);
}

void TfrmStudioMain::mnuFileNewClick()
{
    if (!askToSaveFirst(QStringLiteral("Your Favorite Colors have changed.  Save before creating a new scheme?")))
        return;
    document().newScheme(favorites());
    updateCaption();
}

void TfrmStudioMain::mnuFileOpenClick()
{
    if (!askToSaveFirst(QStringLiteral("Your current color scheme has changed.  Save before opening a new scheme?")))
        return;
    const QString path = chooseFile(false, {});
    if (!path.isEmpty())
        openSchemeFile(path);
}

TfrmImport* TfrmStudioMain::importWizard()
{
    if (!frmImport)
        createImportWizard();
    return frmImport;
}

TfrmExport* TfrmStudioMain::exportWizard()
{
    if (!frmExport)
        frmExport = new TfrmExport(this);
    return frmExport;
}

// The wizards are built when first asked for: start-up stays short.
void TfrmStudioMain::createImportWizard()
{
    frmImport = new TfrmImport(this);
    ImportTarget target;
    target.beginBatch = [] {};
    target.addColor = [this](TColor color, const QString& name, bool selectOnlyNew) {
        favorites().AddColorsToFavorites(color, name, selectOnlyNew);
    };
    target.endBatch = [this](int count) {
        // Exactly the imported colours end up selected, and in sight.
        TFavoritesList& list = favorites();
        const qsizetype total = list.count();
        for (qsizetype i = 0; i < total; ++i)
            list.setSelected(i, i >= total - count);
        showFavoritesEnd();
    };
    frmImport->setImportTarget(std::move(target));
    frmImport->setWebHarvester([](const QString& url, QList<QPair<QString, TColor>>& colors, QString& error) {
        const cssparser::TWebImportResult result = cssparser::HarvestForImport(url);
        if (!result.ok()) {
            error = result.errorText;
            return false;
        }
        for (const cssparser::TWebCandidate& c : result.candidates)
            colors.append({c.name, c.color});
        return true;
    });
}

void TfrmStudioMain::mnuFileImportClick()
{
    importWizard()->Reset();
    frmImport->exec();
}

void TfrmStudioMain::mnuFileExportClick()
{
    ExportGroups groups;
    for (const TFavColor& f : favorites().entries())
        groups.favorites.append(ExportFavorite{f.Color, f.Name});
    const TWheelColors& wheel = WheelColors();
    groups.wheel = QList<TColor>(wheel.begin(), wheel.begin() + 12);
    groups.mixer = m_toolWindows->mixerColors();
    groups.history = history().entries();
    exportWizard()->setGroups(groups);
    frmExport->Reset();
    frmExport->exec();
}
