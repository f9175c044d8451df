#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>

#include <functional>

class QPixmap;
class QPushButton;

// The dialog both wizards are: the frame of BuildWizardFrame (side picture,
// rule, "< Back" `cmdBack`, "Next >" `cmdNext`, "Cancel" `cmdCancel`, pages
// `pnlPage1`..), the page switching, and the two hooks tests and scripts use
// in place of the file dialog and the message boxes.
//
// Page numbers count from 1; the current page may stand one past the last
// while the window closes after a finished run. "Cancel" rejects the dialog,
// "< Back" shows the previous page, "Next >" calls cmdNextClick.
class TWizardDialog : public QDialog {
    Q_OBJECT
public:
    // Replaces the file dialog: gets the title, the Qt filter text and the
    // default suffix, returns the chosen path or an empty text.
    using FileDialog = std::function<QString(const QString& title, const QString& filter, const QString& suffix)>;
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }

    // A message the wizard shows in a box with an OK button. aboveAll: above
    // all of the application's windows.
    struct Message {
        QMessageBox::Icon icon = QMessageBox::Information;
        QString caption;
        QString text;
        bool aboveAll = false;
    };
    using MessageHandler = std::function<void(const Message& message)>;
    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }

    int currentPage() const { return m_page; }

    // The caption of the wizards' own message boxes.
    static QString messageCaption();

protected:
    TWizardDialog(QWidget* parent, Qt::WindowFlags flags, const char* objectName, const QString& title,
                  const QPixmap& side, int pageCount);

    QWidget* page(int n) const { return m_pages[n - 1]; }
    int pageCount() const { return int(m_pages.size()); }

    // Shows page n alone, enables "< Back" past page 1 and captions the next
    // button "Finish" on the last page, "Next >" before it. The wizard then
    // sets the enabling of "Next >" itself.
    void switchPage(int n);
    // Marks the run finished (the page one past the last) and accepts.
    void finish();

    // The file dialog (or its hook): filter is "description|pattern", the
    // default suffix the extension without its dot. Open dialogs ask for an
    // existing file; save dialogs replace a file without asking.
    QString askForFile(const QString& title, const QString& filter, const QString& extension,
                       QFileDialog::AcceptMode mode);
    void showMessage(const Message& message);
    // A file error: the warning icon, the wizards' caption, a text naming the file.
    void showFileError(const QString& text);

    virtual void cmdNextClick() = 0;
    virtual void cmdBackClick();
    virtual void cmdCancelClick();

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    QList<QWidget*> m_pages;
    int m_page = 1;
    FileDialog m_fileDialog;
    MessageHandler m_message;
};
