#pragma once

#include "ExportFile.h"
#include "ExportGroups.h"
#include "TExportList.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TExportPreviewBox;

// The export wizard: a four-page modal dialog (groups, format, target file,
// confirmation) that writes the export list in one of eight formats.
//
// Use from the main window:
//   TfrmExport* w = new TfrmExport(mainWindow);  // once, at start-up
//   ...
//   w->setGroups(groups);   // favourites (colour + name), wheel's twelve,
//                           // mixer's colours, history (true colours)
//   w->Reset();
//   w->exec();              // Accepted after a finished export
// Controls carry their names as objectName: chkFavs, chkMixer, chkWheel,
// chkHistory, pbColors, lstType, lblDescription, txtLocation, cmdBrowse,
// cmdBack, cmdNext, cmdCancel; pages pnlPage1..pnlPage4.
class TfrmExport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExport(QWidget* parent = nullptr);

    void setGroups(const ExportGroups& groups);
    // Ticks the favourites alone, selects format 0, empties the location,
    // shows page 1 and format 0's description.
    void Reset();

    int currentPage() const { return m_page; }
    // The export list as the ticked groups make it now.
    TExportList exportList() const;

    // Replaces the save dialog (tests, scripting): gets the title, the Qt
    // filter text and the default suffix, returns the chosen path or empty.
    using FileDialog = std::function<QString(const QString& title, const QString& filter, const QString& suffix)>;
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }
    // Replaces the message boxes (tests): error true for the error display.
    using MessageHandler = std::function<void(const QString& text, bool error)>;
    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }

private:
    void FormCreate();
    void cmdNextClick();
    void cmdBackClick();
    void cmdCancelClick();
    void chkFavsClick();
    void lstTypeClick();
    void txtLocationChange(const QString& text);
    void cmdBrowseClick();
    void showPage(int page);
    void showMessage(const QString& text, bool error);

    ExportGroups m_groups;
    TExportList m_list;
    int m_page = 1;
    FileDialog m_fileDialog;
    MessageHandler m_message;

    QWidget* m_pages[4] = {};
    QCheckBox* chkFavs = nullptr;
    QCheckBox* chkMixer = nullptr;
    QCheckBox* chkWheel = nullptr;
    QCheckBox* chkHistory = nullptr;
    TExportPreviewBox* pbColors = nullptr;
    QListWidget* lstType = nullptr;
    QLabel* lblDescription = nullptr;
    QLineEdit* txtLocation = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;
};
