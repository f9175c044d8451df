#pragma once

#include "ImportTarget.h"
#include "TColor.h"
#include "TWizardDialog.h"

#include <QList>
#include <QPair>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TImportFilter;

// The import wizard: a three-page modal dialog (source type, location and
// options, confirmation) that appends the colours of a web site, a GIF's
// colour table, an ACO or an ACT file, or the named colours of a GIMP
// palette, an Adobe Swatch Exchange file, a style sheet's custom properties
// or a design token file (types 4 to 7, with their names) to the favourites.
//
// Use from the main window:
//   TfrmImport* w = new TfrmImport(mainWindow);   // once, at start-up
//   w->setImportTarget({beginBatch, addColor, endBatch}); // see ImportTarget.h
//   w->setWebHarvester(harvest);                  // optional, see below
//   ...
//   w->Reset();
//   w->exec();
// Controls carry their names as objectName: lstType, lblDescription, Label3,
// txtLocation, cmdBrowse, chkRemoveGrey, chkDupes, cmdBack, cmdNext,
// cmdCancel; pages pnlPage1..pnlPage3. The file dialog and message hooks
// are TWizardDialog's.
//
// A source that yields no colour at all (or none the options let through)
// says so, naming the file, and the wizard stays on its last page. Every file
// error shows the warning icon.
class TfrmImport : public TWizardDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget* parent = nullptr);

    // Type 0, location "http://", page 1, stay-open flag clear, type 0's
    // description. The option check boxes keep their state.
    void Reset();

    void setImportTarget(ImportTarget target) { m_target = std::move(target); }

    // The web source: fetches the page at `url` (which starts with "http://"
    // or "https://") with its style sheets and returns every colour found, in
    // rule order and property order, each named "<selector> - <property>".
    // False and an error text when any fetch failed. Until it is set, the
    // Website source shows its page but reports that web import is unavailable.
    //
    // The harvester may run a local event loop. Meanwhile "< Back", "Next >"
    // and the pages are disabled, and "Cancel", the close box and Escape stay
    // live: they cancel the import and close the wizard at once; whatever the
    // harvester returns afterwards is dropped and nothing is added. A
    // harvester that can stop early polls fetchCancelled().
    using WebHarvester =
        std::function<bool(const QString& url, QList<QPair<QString, TColor>>& colors, QString& error)>;
    void setWebHarvester(WebHarvester harvester) { m_harvester = std::move(harvester); }

    bool isFetching() const { return m_fetching; }
    bool fetchCancelled() const { return m_cancelled; }

    // Cancel, the close box and Escape; also cancels a running fetch.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void cmdNextClick() override;

private:
    void FormCreate();
    void lstTypeClick();
    void txtLocationChange(const QString& text);
    void cmdBrowseClick();
    void showPage(int page);
    int sourceType() const;
    void runImport();
    void importWeb();
    void importFile(int type);
    // Hands the accepted colours on, or says that the source gave none.
    void addAccepted(const TImportFilter& filter, const QString& source);
    void setFetching(bool fetching);

    bool m_stayOpen = false;
    bool m_fetching = false;
    bool m_cancelled = false;
    ImportTarget m_target;
    WebHarvester m_harvester;

    QListWidget* lstType = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtLocation = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QCheckBox* chkRemoveGrey = nullptr;
    QCheckBox* chkDupes = nullptr;
};
