#include "TfrmExport.h"

#include "ExportError.h"
#include "ExportFormat.h"
#include "TExportPreviewBox.h"
#include "TTabStopDelegate.h"
#include "WizardFrame.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// The tab width of the format list, in dialog units.
constexpr int typeListTabWidth = 24;

// The text of a failed write, naming the file whatever the writer said.
QString namedWriteError(const ExportResult& r, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (r.message.contains(path) || r.message.contains(absolute))
        return r.message;
    return ExportErrorText(ExportError::CreateFailed, absolute, r.message);
}

} // namespace

TfrmExport::TfrmExport(QWidget* parent)
    : TWizardDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint, "frmExport",
                    QStringLiteral("Export Wizard"),
                    WizardSidePicture({QColor(255, 102, 0), QColor(204, 51, 102), QColor(51, 102, 204), 0, 60, 120}),
                    4)
{
    FormCreate();
}

void TfrmExport::FormCreate()
{
    // Page 1: groups and preview.
    QWidget* p1 = page(1);
    (new QLabel(QStringLiteral("Select color group(s) to export:"), p1))->move(8, 4);
    auto makeCheck = [&](const char* name, const char* text, int x, int y) {
        auto* c = new QCheckBox(QString::fromLatin1(text), p1);
        c->setObjectName(QString::fromLatin1(name));
        c->move(x, y);
        connect(c, &QCheckBox::clicked, this, &TfrmExport::chkFavsClick);
        return c;
    };
    chkFavs = makeCheck("chkFavs", " Favorite Colors", 8, 23);
    chkMixer = makeCheck("chkMixer", " Color Mixer Colors", 123, 23);
    chkWheel = makeCheck("chkWheel", " Color Wheel", 8, 44);
    chkHistory = makeCheck("chkHistory", " Color History", 123, 44);
    chkFavs->setChecked(true);
    auto* selected = new QGroupBox(QStringLiteral(" Selected Colors "), p1);
    selected->setGeometry(8, 93, 266, 138);
    pbColors = new TExportPreviewBox(selected);
    pbColors->setObjectName(QStringLiteral("pbColors"));
    pbColors->setGeometry(11, 19, 242, 111);
    // pbColorsPaint: every paint rebuilds the list from the ticked groups.
    pbColors->setColorSource([this] {
        m_list = exportList();
        cmdNext->setEnabled(currentPage() != 1 || !m_list.isEmpty());
        return m_list.colors();
    });

    // Page 2: format.
    QWidget* p2 = page(2);
    (new QLabel(QStringLiteral("Select file type to export to:"), p2))->move(8, 4);
    lstType = new QListWidget(p2);
    lstType->setObjectName(QStringLiteral("lstType"));
    lstType->setGeometry(8, 22, 266, 84);
    lstType->setItemDelegate(new TTabStopDelegate(typeListTabWidth, lstType));
    // As a list box: no sideways scrolling; a code that reaches the edge is cut there.
    lstType->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < ExportFormatCount; ++i)
        lstType->addItem(QString::fromLatin1(ExportFormatAt(i).itemText));
    connect(lstType, &QListWidget::currentRowChanged, this, &TfrmExport::lstTypeClick);
    auto* description = new QGroupBox(QStringLiteral(" Description "), p2);
    description->setGeometry(8, 113, 266, 118);
    lblDescription = new QLabel(description);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(11, 17, 244, 90);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Page 3: target.
    QWidget* p3 = page(3);
    (new QLabel(QStringLiteral("Export file to:"), p3))->move(8, 4);
    txtLocation = new QLineEdit(p3);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtLocation->setGeometry(8, 22, 266, 21);
    connect(txtLocation, &QLineEdit::textChanged, this, &TfrmExport::txtLocationChange);
    cmdBrowse = new QPushButton(QStringLiteral("Browse"), p3);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setGeometry(194, 48, 80, 24);
    cmdBrowse->setAutoDefault(false);
    connect(cmdBrowse, &QPushButton::clicked, this, &TfrmExport::cmdBrowseClick);

    // Page 4: confirmation.
    auto* finish = new QLabel(QStringLiteral("Press the Finish button below to export your selected colors!"), page(4));
    finish->setGeometry(8, 4, 256, 49);
    finish->setWordWrap(true);
    finish->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lstType->setCurrentRow(0);
    lstTypeClick();
    chkFavsClick();
    showPage(1);
}

void TfrmExport::setGroups(const ExportGroups& groups)
{
    m_groups = groups;
    chkFavsClick();
}

TExportList TfrmExport::exportList() const
{
    return TExportList::build(m_groups, {chkFavs->isChecked(), chkWheel->isChecked(), chkMixer->isChecked(),
                                         chkHistory->isChecked()});
}

void TfrmExport::Reset()
{
    chkFavs->setChecked(true);
    chkMixer->setChecked(false);
    chkWheel->setChecked(false);
    chkHistory->setChecked(false);
    chkFavsClick();
    lstType->setCurrentRow(0);
    txtLocation->clear();
    showPage(1);
    lstTypeClick();
}

void TfrmExport::showPage(int page)
{
    switchPage(page);
    if (page == 3)
        cmdNext->setEnabled(!txtLocation->text().isEmpty());
    else if (page == 1)
        cmdNext->setEnabled(!m_list.isEmpty());
    else
        cmdNext->setEnabled(true);
    if (page == 3)
        txtLocation->setFocus();
}

void TfrmExport::chkFavsClick()
{
    m_list = exportList();
    if (currentPage() == 1)
        cmdNext->setEnabled(!m_list.isEmpty());
    pbColors->update();
}

void TfrmExport::lstTypeClick()
{
    const int row = std::max(0, lstType->currentRow());
    lblDescription->setText(QString::fromLatin1(ExportFormatAt(row).description).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void TfrmExport::txtLocationChange(const QString& text)
{
    const int format = std::max(0, lstType->currentRow());
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? text.left(slash + 1) : QString();
    const bool folderExists = !folder.isEmpty() && QDir(folder).exists();
    cmdNext->setEnabled(folderExists && text.endsWith(QLatin1String(ExportFormatAt(format).extension), Qt::CaseSensitive));
}

void TfrmExport::cmdBrowseClick()
{
    const ExportFormatInfo& f = ExportFormatAt(std::max(0, lstType->currentRow()));
    const QString path = askForFile(QStringLiteral("Export file to..."), QString::fromLatin1(f.filter),
                                    QString::fromLatin1(f.extension), QFileDialog::AcceptSave);
    if (!path.isEmpty())
        txtLocation->setText(path);
}

void TfrmExport::cmdNextClick()
{
    if (currentPage() == 4) {
        m_list = exportList();
        const QString path = txtLocation->text();
        const ExportResult r = ExportFile::Write(lstType->currentRow(), m_list, path);
        if (!r.ok()) {
            // The wizard stays on this page; Finish may be pressed again.
            showFileError(namedWriteError(r, path));
            return;
        }
        if (r.leftOut > 0)
            showMessage({QMessageBox::Information, messageCaption(), ExportFile::LeftOutText(r.leftOut)});
        finish();
        return;
    }
    if (currentPage() == 2)
        txtLocation->clear();
    showPage(currentPage() + 1);
}
