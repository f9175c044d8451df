#include "TfrmImport.h"

#include "ImportWizardError.h"
#include "TTabStopDelegate.h"
#include "WizardFrame.h"

#include "WebImport.h"

#include "AcoReader.h"
#include "ActReader.h"
#include "GifPaletteReader.h"
#include "PaletteFile.h"
#include "TImportFilter.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

struct SourceType {
    const char* itemText;
    const char* description;
    const char* extension;
    const char* filter;
};

constexpr SourceType sources[] = {
    {"Website\t\t\t\t\tURL",
     "Import all of the colors from any website on the internet.\r\n\r\nImports all style sheet colors from any "
     "website or style sheet.",
     "", ""},
    {"GIF Image\t\t\t\tGIF", "Import all of the colors found in any GIF image.", ".gif", "GIF Image (*.gif)|*.gif"},
    {"Adobe Photoshop Color Palette\t\tACO", "Import all color swatches from an Adobe Photoshop color palette.",
     ".aco", "Photoshop Color Palette (*.aco)|*.aco"},
    {"Color Table\t\t\t\tACT", "Import all color swatches from a Color Table file.", ".act",
     "Color Table file (*.act)|*.act"},
    {"GIMP Palette\t\t\t\tGPL",
     "Import all colors and their names from a GIMP palette, as GIMP, Inkscape, Krita and many other programs "
     "save them.",
     ".gpl", "GIMP Palette (*.gpl)|*.gpl"},
    {"Adobe Swatch Exchange\t\t\tASE",
     "Import all color swatches and their names from an Adobe Swatch Exchange file. CMYK swatches are converted "
     "without a color profile.",
     ".ase", "Adobe Swatch Exchange (*.ase)|*.ase"},
    {"CSS Custom Properties\t\t\tCSS",
     "Import every custom property (CSS variable) whose value is a color from a style sheet, named after the "
     "property.",
     ".css", "CSS Style Sheet (*.css)|*.css"},
    {"Design Tokens\t\t\t\tJSON",
     "Import all color tokens from a design token file (W3C Design Tokens format), named after their groups and "
     "tokens.",
     ".tokens.json", "Design Tokens (*.tokens.json)|*.tokens.json"},
};

constexpr int sourceCount = int(std::size(sources));

// The reader of each file type from 4 on.
constexpr PaletteKind namedKinds[] = {PaletteKind::Gpl, PaletteKind::Ase, PaletteKind::CssVars, PaletteKind::Tokens};

const QString httpPrefix = QStringLiteral("http://");

// The tab width of the type list, in dialog units.
constexpr int typeListTabWidth = 31;

QString descriptionOf(int type)
{
    return QString::fromLatin1(sources[type].description).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TfrmImport::TfrmImport(QWidget* parent)
    : TWizardDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
                    "frmImport", QStringLiteral("Import Wizard"),
                    WizardSidePicture({QColor(51, 102, 204), QColor(102, 204, 153), QColor(255, 204, 0), 30, 50, 110}),
                    3)
{
    FormCreate();
}

void TfrmImport::FormCreate()
{
    QWidget* p1 = page(1);
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
    // The list shows every type without scrolling: a vertical scroll bar
    // would cover the codes in the second column. With four types this is
    // the list of 84 pixels above a description box of 118 at y = 113; each
    // further type takes a row from the description box, which ends at 231.
    const int listHeight =
        std::max(84, lstType->sizeHintForRow(0) * lstType->count() + 2 * lstType->frameWidth());
    lstType->setGeometry(8, 22, 266, listHeight);
    const int descriptionTop = 22 + listHeight + 7;
    auto* description = new QGroupBox(QStringLiteral(" Description "), p1);
    description->setGeometry(8, descriptionTop, 266, 231 - descriptionTop);
    lblDescription = new QLabel(description);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(11, 17, 244, description->height() - 28);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QWidget* p2 = page(2);
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

    auto* finish = new QLabel(QStringLiteral("Press the Finish button below to import your selected colors!"), page(3));
    finish->setGeometry(8, 4, 256, 49);
    finish->setWordWrap(true);
    finish->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Reset();
}

void TfrmImport::Reset()
{
    lstType->setCurrentRow(0);
    txtLocation->setText(httpPrefix);
    showPage(1);
    m_stayOpen = false;
    lblDescription->setText(descriptionOf(0));
}

int TfrmImport::sourceType() const
{
    return std::clamp(lstType->currentRow(), 0, sourceCount - 1);
}

void TfrmImport::showPage(int page)
{
    switchPage(page);
    if (page == 2) {
        const int type = sourceType();
        txtLocation->setFocus();
        cmdBrowse->setVisible(type != 0);
        Label3->setText(type == 0 ? QStringLiteral("Import colors from URL:") : QStringLiteral("Import colors from file:"));
        if (type == 0)
            txtLocation->setCursorPosition(int(txtLocation->text().size()));
        cmdNext->setEnabled(!txtLocation->text().isEmpty());
        txtLocationChange(txtLocation->text());
    } else {
        cmdNext->setEnabled(true);
    }
}

void TfrmImport::lstTypeClick()
{
    const int type = sourceType();
    lblDescription->setText(descriptionOf(type));
    txtLocation->setText(type == 0 ? httpPrefix : QString());
}

void TfrmImport::txtLocationChange(const QString& text)
{
    if (currentPage() != 2)
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
    if (watched == txtLocation && event->type() == QEvent::KeyPress && sourceType() == 0) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && cssparser::IsDiscardedLocationKey(typed.front()))
            return true;
    }
    return TWizardDialog::eventFilter(watched, event);
}

void TfrmImport::cmdBrowseClick()
{
    const int type = sourceType();
    if (type == 0)
        return;
    const QString path = askForFile(QStringLiteral("Import color from..."), QString::fromLatin1(sources[type].filter),
                                    QString::fromLatin1(sources[type].extension), QFileDialog::AcceptOpen);
    if (!path.isEmpty())
        txtLocation->setText(path);
}

void TfrmImport::reject()
{
    if (m_fetching)
        m_cancelled = true;
    TWizardDialog::reject();
}

void TfrmImport::cmdNextClick()
{
    if (m_fetching) // the default button while a fetch runs
        return;
    if (currentPage() == 2 && sourceType() == 0 && !m_harvester) {
        showMessage({QMessageBox::Information, messageCaption(), QStringLiteral("Web import is unavailable in this build.")});
        return;
    }
    if (currentPage() == 3) {
        m_cancelled = false;
        runImport();
        if (m_cancelled) { // closed while the page was fetched
            m_stayOpen = false;
            return;
        }
        if (!m_stayOpen) {
            finish();
            return;
        }
    }
    if (!m_stayOpen && currentPage() < 3)
        showPage(currentPage() + 1);
    m_stayOpen = false;
}

void TfrmImport::runImport()
{
    const int type = sourceType();
    if (type == 0)
        importWeb();
    else
        importFile(type);
}

void TfrmImport::setFetching(bool fetching)
{
    m_fetching = fetching;
    cmdBack->setEnabled(!fetching && currentPage() > 1);
    cmdNext->setEnabled(!fetching);
    for (int n = 1; n <= pageCount(); ++n)
        page(n)->setEnabled(!fetching);
}

void TfrmImport::importWeb()
{
    const QString address = cssparser::WebImportAddress(txtLocation->text());
    if (!m_harvester) {
        showMessage({QMessageBox::Information, messageCaption(), QStringLiteral("Web import is unavailable in this build.")});
        m_stayOpen = true;
        return;
    }
    QList<QPair<QString, TColor>> found;
    QString error;
    setFetching(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = m_harvester(address, found, error);
    QApplication::restoreOverrideCursor();
    setFetching(false);
    if (m_cancelled)
        return; // the wizard is closed; what was fetched is dropped
    if (!ok) {
        showMessage({QMessageBox::Critical, cssparser::WebImportErrorCaption(), cssparser::WebImportErrorText(address), true});
        showPage(2);
        txtLocation->setText(address);
        txtLocation->selectAll();
        m_stayOpen = true;
        return;
    }
    TImportFilter filter(chkRemoveGrey->isChecked(), chkDupes->isChecked());
    for (const auto& [name, color] : found)
        filter.offer(color, name);
    addAccepted(filter, address);
}

void TfrmImport::importFile(int type)
{
    const QString path = txtLocation->text();
    TImportFilter filter(chkRemoveGrey->isChecked(), chkDupes->isChecked());
    // Checked before it is opened: a FIFO or device would block, a huge file fill memory.
    QByteArray bytes;
    QString refusal;
    const ImportError read = PaletteFile::ReadBytes(path, bytes, refusal);
    if (read != ImportError::None) {
        showFileError(read == ImportError::OpenFailed ? ImportWizardErrorText(ImportWizardError::OpenFailed, path) : refusal);
        // A GIF or named-palette error leaves the wizard open; an ACO or ACT file that cannot be opened closes it.
        m_stayOpen = type == 1 || type >= 4;
        return;
    }
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QString notice;
    if (type == 1) {
        const GifPaletteResult r = GifPaletteReader::Read(file);
        if (!r.ok()) {
            // Nothing is imported and the wizard stays.
            showFileError(ImportWizardErrorText(ImportWizardError::DecodeFailed, path, r.message));
            m_stayOpen = true;
            return;
        }
        filter.offerAll(r.colors);
    } else if (type == 2) {
        filter.offerAll(AcoReader::Read(file));
    } else if (type == 3) {
        filter.offerAll(ActReader::Read(file));
    } else {
        const PaletteFileResult r = PaletteFile::DecodeNamed(namedKinds[type - 4], bytes, path);
        if (!r.ok()) {
            // A malformed file adds nothing; the wizard stays so that another may be chosen.
            showFileError(r.message);
            m_stayOpen = true;
            return;
        }
        // The names travel with the colours; an empty one takes the favourites' default.
        for (qsizetype i = 0; i < r.colors.size(); ++i)
            filter.offer(r.colors[i], r.names.value(i));
        notice = r.notice;
    }
    addAccepted(filter, path);
    if (!notice.isEmpty() && filter.count() > 0 && !m_stayOpen)
        showMessage({QMessageBox::Information, messageCaption(), notice});
}

void TfrmImport::addAccepted(const TImportFilter& filter, const QString& source)
{
    if (filter.count() == 0) {
        // Nothing changes in the favourites; the user may go back and choose again.
        showFileError(ImportWizardErrorText(ImportWizardError::NoColors, source));
        m_stayOpen = true;
        return;
    }
    filter.addTo(m_target);
}
