#include "TWizardDialog.h"

#include "WizardFrame.h"

#include <QPushButton>

TWizardDialog::TWizardDialog(QWidget* parent, Qt::WindowFlags flags, const char* objectName, const QString& title,
                             const QPixmap& side, int pageCount)
    : QDialog(parent, flags)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(title);
    const WizardFrame frame = BuildWizardFrame(this, side, pageCount);
    cmdBack = frame.cmdBack;
    cmdNext = frame.cmdNext;
    cmdCancel = frame.cmdCancel;
    m_pages = frame.pages;
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNextClick(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBackClick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancelClick(); });
}

QString TWizardDialog::messageCaption() { return QStringLiteral("Tintvale Studio"); }

void TWizardDialog::switchPage(int n)
{
    m_page = n;
    for (int i = 0; i < pageCount(); ++i)
        m_pages[i]->setVisible(i + 1 == n);
    cmdBack->setEnabled(n > 1);
    cmdNext->setText(n == pageCount() ? QStringLiteral("Finish") : QStringLiteral("Next >"));
}

void TWizardDialog::finish()
{
    m_page = pageCount() + 1;
    accept();
}

void TWizardDialog::cmdBackClick()
{
    if (m_page > 1)
        switchPage(m_page - 1);
}

void TWizardDialog::cmdCancelClick() { reject(); }

QString TWizardDialog::askForFile(const QString& title, const QString& filter, const QString& extension,
                                  QFileDialog::AcceptMode mode)
{
    const QString qtFilter = filter.left(filter.indexOf(QLatin1Char('|')));
    const QString suffix = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    if (m_fileDialog)
        return m_fileDialog(title, qtFilter, suffix);
    QFileDialog dialog(this, title, QString(), qtFilter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        return dialog.selectedFiles().first();
    return {};
}

void TWizardDialog::showMessage(const Message& message)
{
    if (m_message) {
        m_message(message);
        return;
    }
    QMessageBox box(message.icon, message.caption, message.text, QMessageBox::Ok, this);
    if (message.aboveAll) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    box.exec();
}

void TWizardDialog::showFileError(const QString& text)
{
    showMessage({QMessageBox::Warning, messageCaption(), text, false});
}
