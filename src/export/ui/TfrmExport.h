#pragma once

#include "ExportFile.h"
#include "ExportGroups.h"
#include "TExportList.h"
#include "TWizardDialog.h"

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
// cmdBack, cmdNext, cmdCancel; pages pnlPage1..pnlPage4. The file dialog
// (a save dialog) and message hooks are TWizardDialog's; a file that cannot be
// written is named in a box with the warning icon, and the wizard stays on
// page 4.
class TfrmExport : public TWizardDialog {
    Q_OBJECT
public:
    explicit TfrmExport(QWidget* parent = nullptr);

    void setGroups(const ExportGroups& groups);
    // Ticks the favourites alone, selects format 0, empties the location,
    // shows page 1 and format 0's description.
    void Reset();

    // The export list as the ticked groups make it now.
    TExportList exportList() const;

protected:
    void cmdNextClick() override;

private:
    void FormCreate();
    void chkFavsClick();
    void lstTypeClick();
    void txtLocationChange(const QString& text);
    void cmdBrowseClick();
    void showPage(int page);

    ExportGroups m_groups;
    TExportList m_list;

    QCheckBox* chkFavs = nullptr;
    QCheckBox* chkMixer = nullptr;
    QCheckBox* chkWheel = nullptr;
    QCheckBox* chkHistory = nullptr;
    TExportPreviewBox* pbColors = nullptr;
    QListWidget* lstType = nullptr;
    QLabel* lblDescription = nullptr;
    QLineEdit* txtLocation = nullptr;
    QPushButton* cmdBrowse = nullptr;
};
