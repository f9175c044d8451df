#include "TfrmImport.h"

#include "TTabStopDelegate.h"
#include "WizardFrame.h"

#include "WebImport.h"

#include "AcoReader.h"
#include "ActReader.h"
#include "GifPaletteReader.h"
#include "ImportError.h"
#include "TImportFilter.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace {

struct SourceType {
    const char* itemText;
    const char* description;
    const char* extension;
    const char* filter;
};

constexpr SourceType sources[4] = {
    {"Website\t\t\t\t\tURL",
     "Import all of the colors from any website on the internet.\r\n\r\nImports all style sheet colors from any "
     "website or style sheet.",
     "", ""},
    {"GIF Image\t\t\t\tGIF", "Import all of the colors found in any GIF image.", ".gif", "GIF Image (*.gif)|*.gif"},
    {"Adobe Photoshop Color Palette\t\tACO", "Import all color swatches from an Adobe Photoshop color palette.",
     ".aco", "Photoshop Color Palette (*.aco)|*.aco"},
    {"Color Table\t\t\t\tACT", "Import all color swatches from a Color Table file.", ".act",
     "Color Table file (*.act)|*.act"},
};

const QString httpPrefix = QStringLiteral("http://");

// The tab width of the type list, in dialog units.
constexpr int typeListTabWidth = 31;

QPixmap sidePicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(51, 102, 204));
    g.setColorAt(0.5, QColor(102, 204, 153));
    g.setColorAt(1, QColor(255, 204, 0));
    p.fillRect(pm.rect(), g);
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRect(14 + (i % 2) * 52, 20 + (i / 2) * 60, 44, 44), QColor::fromHsv(30 + i * 50, 110, 250));
    return pm;
}

} // namespace

TfrmImport::TfrmImport(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    FormCreate();
}

void TfrmImport::FormCreate()
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import Wizard"));
    const WizardFrame frame = BuildWizardFrame(this, sidePicture(QSize(126, 226)), 3);
    cmdBack = frame.cmdBack;
    cmdNext = frame.cmdNext;
    cmdCancel = frame.cmdCancel;
    for (int i = 0; i < 3; ++i)
        m_pages[i] = frame.pages[i];

    QWidget* p1 = m_pages[0];
    (new QLabel(QStringLiteral("Import colors from:"), p1))->move(8, 4);
    lstType = new QListWidget(p1);
    lstType->setObjectName(QStringLiteral("lstType"));
    lstType->setGeometry(8, 22, 266, 84);
    lstType->setItemDelegate(new TTabStopDelegate(typeListTabWidth, lstType));
    // As a list box: no sideways scrolling; a code that reaches the edge is cut there.
    lstType->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const SourceType& s : sources)
        lstType->addItem(QString::fromLatin1(s.itemText));
    connect(lstType, &QListWidget::itemClicked, this, &TfrmImport::lstTypeClick);
    connect(lstType, &QListWidget::currentRowChanged, this, &TfrmImport::lstTypeClick);
    auto* description = new QGroupBox(QStringLiteral(" Description "), p1);
    description->setGeometry(8, 113, 266, 118);
    lblDescription = new QLabel(description);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(11, 17, 244, 90);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QWidget* p2 = m_pages[1];
    Label3 = new QLabel(p2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(8, 4, 266, 16);
    txtLocation = new QLineEdit(p2);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtLocation->setGeometry(8, 22, 266, 21);
    txtLocation->installEventFilter(this);
    connect(txtLocation, &QLineEdit::textChanged, this, &TfrmImport::txtLocationChange);
    cmdBrowse = new QPushButton(QStringLiteral("Browse"), p2);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setGeometry(194, 48, 80, 24);
    cmdBrowse->setAutoDefault(false);
    connect(cmdBrowse, &QPushButton::clicked, this, &TfrmImport::cmdBrowseClick);
    auto* options = new QGroupBox(QStringLiteral(" Import Options "), p2);
    options->setGeometry(8, 113, 266, 118);
    chkRemoveGrey = new QCheckBox(QStringLiteral(" Do not import black, white or grey colors"), options);
    chkRemoveGrey->setObjectName(QStringLiteral("chkRemoveGrey"));
    chkRemoveGrey->move(11, 18);
    chkRemoveGrey->setChecked(true);
    chkDupes = new QCheckBox(QStringLiteral(" Do not import duplicate colors"), options);
    chkDupes->setObjectName(QStringLiteral("chkDupes"));
    chkDupes->move(11, 38);
    chkDupes->setChecked(true);

    auto* finish = new QLabel(QStringLiteral("Press the Finish button below to import your selected colors!"), m_pages[2]);
    finish->setGeometry(8, 4, 256, 49);
    finish->setWordWrap(true);
    finish->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(cmdNext, &QPushButton::clicked, this, &TfrmImport::cmdNextClick);
    connect(cmdBack, &QPushButton::clicked, this, &TfrmImport::cmdBackClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmImport::cmdCancelClick);

    Reset();
}

void TfrmImport::Reset()
{
    lstType->setCurrentRow(0);
    txtLocation->setText(httpPrefix);
    showPage(1);
    m_stayOpen = false;
    lblDescription->setText(QString::fromLatin1(sources[0].description).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

int TfrmImport::sourceType() const
{
    return std::clamp(lstType->currentRow(), 0, 3);
}

void TfrmImport::showPage(int page)
{
    m_page = page;
    for (int i = 0; i < 3; ++i)
        m_pages[i]->setVisible(i + 1 == page);
    if (page == 2) {
        const int type = sourceType();
        txtLocation->setFocus();
        cmdBrowse->setVisible(type != 0);
        Label3->setText(type == 0 ? QStringLiteral("Import colors from URL:") : QStringLiteral("Import colors from file:"));
        if (type == 0)
            txtLocation->setCursorPosition(int(txtLocation->text().size()));
    }
    cmdBack->setEnabled(page > 1);
    if (page == 2) {
        cmdNext->setEnabled(!txtLocation->text().isEmpty());
        txtLocationChange(txtLocation->text());
    } else {
        cmdNext->setEnabled(true);
    }
    cmdNext->setText(page == 3 ? QStringLiteral("Finish") : QStringLiteral("Next >"));
}

void TfrmImport::lstTypeClick()
{
    const int type = sourceType();
    lblDescription->setText(QString::fromLatin1(sources[type].description).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    txtLocation->setText(type == 0 ? httpPrefix : QString());
}

void TfrmImport::txtLocationChange(const QString& text)
{
    if (m_page != 2)
        return;
    const int type = sourceType();
    if (type == 0)
        cmdNext->setEnabled(cssparser::IsWebLocationAccepted(text)); // "http://" or "https://"
    else
        cmdNext->setEnabled(QFileInfo(text).isFile()
                            && text.endsWith(QLatin1String(sources[type].extension), Qt::CaseSensitive));
}

bool TfrmImport::eventFilter(QObject* watched, QEvent* event)
{
    // A web address holds no spaces: a typed space is dropped.
    if (watched == txtLocation && event->type() == QEvent::KeyPress && sourceType() == 0) {
        if (static_cast<QKeyEvent*>(event)->text() == QLatin1String(" "))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmImport::cmdBrowseClick()
{
    const int type = sourceType();
    if (type == 0)
        return;
    const QString title = QStringLiteral("Import color from...");
    const QString f = QString::fromLatin1(sources[type].filter);
    const QString filter = f.left(f.indexOf(QLatin1Char('|')));
    const QString suffix = QString::fromLatin1(sources[type].extension + 1);
    QString path;
    if (m_fileDialog) {
        path = m_fileDialog(title, filter, suffix);
    } else {
        QFileDialog dialog(this, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(suffix);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (!path.isEmpty())
        txtLocation->setText(path);
}

void TfrmImport::showMessage(MessageKind kind, const QString& text)
{
    if (m_message) {
        m_message(kind, text);
        return;
    }
    switch (kind) {
    case MessageKind::ImportError: {
        // Above all of the application's windows.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Import Error"), text, QMessageBox::Ok, this);
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        box.exec();
        break;
    }
    case MessageKind::Plain:
        QMessageBox::information(this, QStringLiteral("Tintvale Studio"), text);
        break;
    case MessageKind::Error:
        QMessageBox::critical(this, QStringLiteral("Tintvale Studio"), text);
        break;
    case MessageKind::Info:
        QMessageBox::information(this, QStringLiteral("Tintvale Studio"), text);
        break;
    }
}

void TfrmImport::cmdNextClick()
{
    if (m_page == 2 && sourceType() == 0 && !m_harvester) {
        showMessage(MessageKind::Info, QStringLiteral("Web import is unavailable in this build."));
        return;
    }
    if (m_page == 3) {
        runImport();
        if (!m_stayOpen) {
            m_page = 4;
            accept();
        }
    }
    if (!m_stayOpen && m_page < 3)
        showPage(m_page + 1);
    m_stayOpen = false;
}

void TfrmImport::cmdBackClick()
{
    if (m_page > 1)
        showPage(m_page - 1);
}

void TfrmImport::cmdCancelClick()
{
    reject();
}

void TfrmImport::runImport()
{
    const int type = sourceType();
    if (type == 0)
        importWeb();
    else
        importFile(type);
}

void TfrmImport::importWeb()
{
    const QString address = cssparser::WebImportAddress(txtLocation->text());
    if (!m_harvester) {
        showMessage(MessageKind::Info, QStringLiteral("Web import is unavailable in this build."));
        m_stayOpen = true;
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QList<QPair<QString, TColor>> found;
    QString error;
    const bool ok = m_harvester(address, found, error);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        showMessage(MessageKind::ImportError, cssparser::WebImportErrorText(address));
        showPage(2);
        txtLocation->setText(address);
        txtLocation->selectAll();
        m_stayOpen = true;
        return;
    }
    TImportFilter filter(chkRemoveGrey->isChecked(), chkDupes->isChecked());
    for (const auto& [name, color] : found)
        filter.offer(color, name);
    filter.addTo(m_target);
}

void TfrmImport::importFile(int type)
{
    const QString path = txtLocation->text();
    TImportFilter filter(chkRemoveGrey->isChecked(), chkDupes->isChecked());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (type == 1) {
            showMessage(MessageKind::Error, file.errorString());
            m_stayOpen = true;
        } else {
            showMessage(MessageKind::Plain, ImportErrorText(ImportError::OpenFailed, path));
        }
        return;
    }
    if (type == 1) {
        const GifPaletteResult r = GifPaletteReader::Read(file);
        if (!r.ok()) {
            // The decoder's message; nothing is imported and the wizard stays.
            showMessage(MessageKind::Error, r.message);
            m_stayOpen = true;
            return;
        }
        filter.offerAll(r.colors);
    } else if (type == 2) {
        filter.offerAll(AcoReader::Read(file));
    } else {
        filter.offerAll(ActReader::Read(file));
    }
    filter.addTo(m_target);
}
