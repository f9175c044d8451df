#pragma once

#include "ImportTarget.h"
#include "TColor.h"

#include <QDialog>
#include <QList>
#include <QPair>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The import wizard: a three-page modal dialog (source type, location and
// options, confirmation) that appends the colours of a web site, a GIF's
// colour table, an ACO or an ACT file to the favourites.
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
// cmdCancel; pages pnlPage1..pnlPage3.
class TfrmImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget* parent = nullptr);

    // Type 0, location "http://", page 1, stay-open flag clear, type 0's
    // description. The option check boxes keep their state.
    void Reset();

    void setImportTarget(ImportTarget target) { m_target = std::move(target); }

    // The web source: fetches the page at `url` (which starts with "http://")
    // with its style sheets and returns every colour found, in rule order and
    // property order, each named "<selector> - <property>". False and an
    // error text when any fetch failed. Until it is set, the Website source
    // shows its page but reports that web import is unavailable.
    using WebHarvester =
        std::function<bool(const QString& url, QList<QPair<QString, TColor>>& colors, QString& error)>;
    void setWebHarvester(WebHarvester harvester) { m_harvester = std::move(harvester); }

    // Replaces the open dialog (tests): title, Qt filter, default suffix.
    using FileDialog = std::function<QString(const QString& title, const QString& filter, const QString& suffix)>;
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }
    // Replaces the message boxes (tests).
    enum class MessageKind { ImportError, Plain, Error, Info };
    using MessageHandler = std::function<void(MessageKind kind, const QString& text)>;
    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }

    int currentPage() const { return m_page; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void cmdNextClick();
    void cmdBackClick();
    void cmdCancelClick();
    void lstTypeClick();
    void txtLocationChange(const QString& text);
    void cmdBrowseClick();
    void showPage(int page);
    int sourceType() const;
    void runImport();
    void importWeb();
    void importFile(int type);
    void showMessage(MessageKind kind, const QString& text);

    int m_page = 1;
    bool m_stayOpen = false;
    ImportTarget m_target;
    WebHarvester m_harvester;
    FileDialog m_fileDialog;
    MessageHandler m_message;

    QWidget* m_pages[3] = {};
    QListWidget* lstType = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtLocation = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QCheckBox* chkRemoveGrey = nullptr;
    QCheckBox* chkDupes = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;
};
