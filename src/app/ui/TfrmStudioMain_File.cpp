// Scheme documents: New, Open, Save, Save As, the caption, and the questions
// asked before unsaved changes would be lost.
#include "TfrmStudioMain.h"

#include "FavoritesError.h"
#include "SchemeFile.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TSchemeDocument.h"
#include "TfrmExport.h"
#include "TfrmImport.h"
#include "ExportGroups.h"
#include "ImportTarget.h"
#include "WebImport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>

namespace {
const QString kSchemeFilter = QStringLiteral("Color Scheme File (*.tv)");
}

bool TfrmStudioMain::isModified() const
{
    return m_favorites->isModified();
}

QString TfrmStudioMain::sessionFilePath() const
{
    return SessionFilePath(QFileInfo(m_options.settingsPath).absolutePath());
}

void TfrmStudioMain::inform(const QString& text)
{
    if (m_inform)
        m_inform(text);
    else
        QMessageBox::information(this, QStringLiteral("Tintvale Studio"), text);
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
    setWindowTitle(m_document->caption());
}

bool TfrmStudioMain::askToSaveFirst(const QString& question)
{
    if (!isModified())
        return true;
    const int answer = ask(question);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        mnuFileSaveClick(); // a cancelled Save As does not stop what follows
    return true;
}

bool TfrmStudioMain::openSchemeFile(const QString& path)
{
    const TSchemeDocument::OpenOutcome outcome = m_document->open(path, *m_favorites);
    for (const QString& message : outcome.messages)
        inform(message);
    if (!outcome.opened)
        return false;
    SetBaseColor(outcome.baseColor);
    updateCaption();
    return true;
}

bool TfrmStudioMain::mnuFileSaveClick()
{
    if (m_document->isUntitled())
        return mnuFileSaveAsClick();
    const FavoritesError e = m_document->save(m_document->fileName(), m_document->filePath(), *m_favorites, m_wheelColors[0]);
    if (e != FavoritesError::None) {
        inform(FavoritesErrorText(e));
        return false;
    }
    updateCaption();
    return true;
}

bool TfrmStudioMain::mnuFileSaveAsClick()
{
    const QString suggested = m_document->isUntitled() ? m_document->fileName() + QStringLiteral(".tv")
                                                        : m_document->filePath();
    QString path = chooseFile(true, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tv");
    const FavoritesError e = m_document->save(QFileInfo(path).fileName(), path, *m_favorites, m_wheelColors[0]);
    if (e != FavoritesError::None) {
        inform(FavoritesErrorText(e));
        return false;
    }
    updateCaption();
    return true;
}

void TfrmStudioMain::mnuFileNewClick()
{
    if (!askToSaveFirst(QStringLiteral("Your Favorite Colors have changed.  Save before creating a new scheme?")))
        return;
    m_document->newScheme(*m_favorites);
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
    target.beginBatch = [this] {
        auto* bar = findChild<QScrollBar*>(QStringLiteral("sbFavs"));
        m_importScroll = bar ? bar->value() : 0;
    };
    target.addColor = [this](TColor color, const QString& name, bool selectOnlyNew) {
        m_favorites->AddColorsToFavorites(color, name, selectOnlyNew);
    };
    target.endBatch = [this](int count) {
        // Exactly the imported colours end up selected; the list stays where it was.
        const qsizetype total = m_favorites->count();
        for (qsizetype i = 0; i < total; ++i)
            m_favorites->setSelected(i, i >= total - count);
        if (auto* bar = findChild<QScrollBar*>(QStringLiteral("sbFavs")))
            bar->setValue(m_importScroll);
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
    for (const TFavColor& f : m_favorites->entries())
        groups.favorites.append(ExportFavorite{f.Color, f.Name});
    groups.wheel = QList<TColor>(m_wheelColors.begin(), m_wheelColors.begin() + 12);
    groups.history = m_history->entries();
    exportWizard()->setGroups(groups);
    frmExport->Reset();
    frmExport->exec();
}
