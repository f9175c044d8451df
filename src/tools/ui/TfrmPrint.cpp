#include "TfrmPrint.h"

#include "StudioIcons.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace {

int points(qreal pts, int dpi) { return int(std::lrint(static_cast<long double>(pts) / 72 * dpi)); }

// The printer as the catalogue sees it: the sheet, the printable area
// (inside the printer's own minimum margins) and its resolution.
PrintLayout::Device deviceOf(const QPrinter& printer)
{
    const int dpi = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect full = layout.fullRectPixels(dpi);
    const QMarginsF hw = layout.minimumMargins();
    PrintLayout::Device d;
    d.dpiX = d.dpiY = dpi;
    d.physW = full.width();
    d.physH = full.height();
    d.offX = points(hw.left(), dpi);
    d.offY = points(hw.top(), dpi);
    d.pageW = d.physW - d.offX - points(hw.right(), dpi);
    d.pageH = d.physH - d.offY - points(hw.bottom(), dpi);
    return d;
}

// The page setup's margins in thousandths of an inch.
PrintLayout::Margins marginsOf(const QPrinter& printer)
{
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Inch);
    const auto th = [](qreal inch) { return int(std::lrint(static_cast<long double>(inch) * 1000)); };
    return {th(m.left()), th(m.top()), th(m.right()), th(m.bottom())};
}

QFrame* divider(QWidget* parent, int x)
{
    auto* d = new QFrame(parent);
    d->setFrameShape(QFrame::VLine);
    d->setFrameShadow(QFrame::Sunken);
    d->setGeometry(x, 4, 2, 24);
    return d;
}

const char* const kGroupTexts[4] = {"  Favorite Colors", "  Color Wheel", "  Color Mixer", "  Color History"};
const char* const kGroupNames[4] = {"chkFavorites", "chkWheel", "chkMixer", "chkHistory"};

} // namespace

// --- the sheet -------------------------------------------------------------

TPrintSheetArea::TPrintSheetArea(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("sbxPreview"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, ToQColor(SystemColors::BtnFace));
    viewport()->setPalette(pal);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void TPrintSheetArea::setSheet(QSize sheet, const PrintLayout::Device& device, QImage page)
{
    m_sheet = sheet;
    m_device = device;
    m_page = std::move(page);
    updateRanges();
    viewport()->update();
}

void TPrintSheetArea::updateRanges()
{
    const QSize v = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, m_sheet.width() + 36 - v.width()));
    horizontalScrollBar()->setPageStep(v.width());
    verticalScrollBar()->setRange(0, std::max(0, m_sheet.height() + 36 - v.height()));
    verticalScrollBar()->setPageStep(v.height());
}

QRect TPrintSheetArea::sheetRect() const
{
    const QSize v = viewport()->size();
    return QRect(PrintLayout::SheetOrigin(v.width(), m_sheet.width(), horizontalScrollBar()->value()),
                 PrintLayout::SheetOrigin(v.height(), m_sheet.height(), verticalScrollBar()->value()),
                 m_sheet.width(), m_sheet.height());
}

QRect TPrintSheetArea::printableRect() const { return PrintLayout::PrintableOnSheet(m_device, sheetRect()); }

void TPrintSheetArea::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), ToQColor(SystemColors::BtnFace));
    const QRect sheet = sheetRect();
    // The shadow: the per-channel average of button shadow and face, rounded down.
    const TColor a = SystemColors::BtnShadow, b = SystemColors::BtnFace;
    const QColor shadow((RedOf(a) + RedOf(b)) / 2, (GreenOf(a) + GreenOf(b)) / 2, (BlueOf(a) + BlueOf(b)) / 2);
    p.fillRect(sheet.translated(4, 4), shadow);
    p.fillRect(sheet, Qt::white);
    if (!m_page.isNull())
        p.drawImage(printableRect(), m_page);
    // The outline last, so a sheet printable to its edges keeps it.
    p.setPen(ToQColor(SystemColors::DkShadow));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
}

void TPrintSheetArea::wheelEvent(QWheelEvent* event)
{
    // Half the delta: 60 pixels a notch, up for a positive delta.
    if (m_sheet.height() + 36 > viewport()->height()) {
        QScrollBar* v = verticalScrollBar();
        v->setValue(v->value() - event->angleDelta().y() / 2);
    }
    event->accept();
}

void TPrintSheetArea::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateRanges();
    emit resized();
}

// --- the window --------------------------------------------------------------

TfrmPrint::TfrmPrint(GroupSource groups, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_groups(std::move(groups))
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("TfrmPrint"));
    setWindowTitle(QStringLiteral("Print Color Schemes"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setMinimumSize(564, 400);
    resize(640, 560);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        move(s->availableGeometry().center() - QPoint(320, 280));
        setScreenDpi(int(std::lrint(s->logicalDotsPerInchX())), int(std::lrint(s->logicalDotsPerInchY())));
    }

    // The page setup's defaults: letter paper, margins 0.4, 0.8, 0.4 and 0.5 inch.
    m_printer->setFullPage(true);
    m_printer->setPageSize(QPageSize(QPageSize::Letter));
    m_printer->setPageMargins(QMarginsF(0.4, 0.8, 0.4, 0.5), QPageLayout::Inch);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("tlbMain"));
    m_bar->setFixedHeight(32);
    column->addWidget(m_bar);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    column->addLayout(row, 1);
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("pnlColors"));
    m_panel->setFixedWidth(140);
    m_panel->hide();
    row->addWidget(m_panel);
    m_area = new TPrintSheetArea(this);
    row->addWidget(m_area, 1);
    buildToolbar(m_bar);
    buildPanel(m_panel);
    connect(m_area, &TPrintSheetArea::resized, this, &TfrmPrint::layoutPreview);

    rebuild();
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::buildToolbar(QWidget* bar)
{
    const auto button = [this, bar](const char* name, const char* text, const char* icon, QRect geometry) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setText(QLatin1String(text));
        b->setToolTip(QLatin1String(text));
        if (icon) {
            b->setIcon(StudioIcons::Icon(QLatin1String(icon)));
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        b->setAutoRaise(true);
        b->setGeometry(geometry);
        return b;
    };
    connect(button("cmdPrint", "Print", "tbSave", QRect(2, 2, 54, 28)), &QToolButton::clicked, this, &TfrmPrint::printAll);
    connect(button("cmdPageSetup", "Page Setup", nullptr, QRect(56, 2, 80, 28)), &QToolButton::clicked, this,
            &TfrmPrint::pageSetup);
    divider(bar, 138);
    m_groupsButton = button("cmdPrintFrom", "Print colors from...", nullptr, QRect(142, 2, 114, 28));
    m_groupsButton->setCheckable(true);
    connect(m_groupsButton, &QToolButton::toggled, this, [this](bool down) {
        m_panel->setVisible(down);
        if (down)
            m_checks[0]->setFocus();
    });
    divider(bar, 262);
    auto* pageLabel = new QLabel(QStringLiteral("Page:"), bar);
    pageLabel->move(268, 10);
    pageLabel->adjustSize();
    auto* back = button("cmdPageBack", "<", nullptr, QRect(297, 5, 16, 22));
    back->setArrowType(Qt::LeftArrow);
    connect(back, &QToolButton::clicked, this, [this] { step(-1); });
    txtPage = new QLineEdit(QStringLiteral("1"), bar);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setGeometry(315, 6, 24, 20);
    txtPage->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtPage));
    connect(txtPage, &QLineEdit::textChanged, this, &TfrmPrint::pageTextChanged);
    lblPages = new QLabel(QStringLiteral("of 1"), bar);
    lblPages->setObjectName(QStringLiteral("lblPages"));
    lblPages->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPages->setGeometry(343, 10, 25, 14);
    auto* forward = button("cmdPageForward", ">", nullptr, QRect(368, 5, 16, 22));
    forward->setArrowType(Qt::RightArrow);
    connect(forward, &QToolButton::clicked, this, [this] { step(1); });
    divider(bar, 390);
    auto* pdf = button("cmdSavePdf", "PDF", nullptr, QRect(396, 2, 32, 28));
    pdf->setToolTip(QStringLiteral("Save as PDF..."));
    connect(pdf, &QToolButton::clicked, this, &TfrmPrint::saveAsPdf);
    m_scaleLabel = new QLabel(QStringLiteral("Scale:"), bar);
    m_scaleLabel->adjustSize();
    cboScale = new QComboBox(bar);
    cboScale->setObjectName(QStringLiteral("cboScale"));
    for (int i = 0; i < PrintLayout::kScaleCount; ++i)
        cboScale->addItem(PrintLayout::ScaleText(PrintLayout::Scale(i)));
    cboScale->setCurrentIndex(int(PrintLayout::Scale::WholePage));
    connect(cboScale, &QComboBox::currentIndexChanged, this, &TfrmPrint::layoutPreview);
}

void TfrmPrint::buildPanel(QWidget* panel)
{
    auto* title = new QLabel(QStringLiteral("Print colors from:"), panel);
    title->setObjectName(QStringLiteral("lblPrintFrom"));
    title->move(11, 12);
    title->adjustSize();
    auto* rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 32, 124, 2);
    for (int i = 0; i < 4; ++i) {
        auto* c = new QCheckBox(QLatin1String(kGroupTexts[i]), panel);
        c->setObjectName(QLatin1String(kGroupNames[i]));
        c->move(11, 41 + 20 * i);
        c->adjustSize();
        c->setChecked(i == 0);
        connect(c, &QCheckBox::toggled, this, &TfrmPrint::groupsChanged);
        m_checks[i] = c;
    }
}

void TfrmPrint::setScreenDpi(int dpiX, int dpiY)
{
    m_screenDpiX = dpiX > 0 ? dpiX : 96;
    m_screenDpiY = dpiY > 0 ? dpiY : 96;
}

void TfrmPrint::recomputeMetrics()
{
    m_metrics = PrintLayout::Compute(deviceOf(*m_printer), marginsOf(*m_printer));
    m_fonts = PrintCatalogue::MakeFonts(m_metrics.device.dpiY);
}

void TfrmPrint::rebuild()
{
    recomputeMetrics();
    ExportSelection sel;
    sel.favorites = m_checks[0]->isChecked();
    sel.wheel = m_checks[1]->isChecked();
    sel.mixer = m_checks[2]->isChecked();
    sel.history = m_checks[3]->isChecked();
    m_list = TExportList::build(m_groups ? m_groups() : ExportGroups{}, sel);
    m_pageCount = PrintCatalogue::PageCount(m_metrics, m_fonts, m_list);
    lblPages->setText(QStringLiteral("of ") + QString::number(m_pageCount));
    if (m_page > m_pageCount) {
        QScopedValueRollback guard(m_updating, true);
        m_page = m_pageCount;
        txtPage->setText(QString::number(m_page));
    }
    layoutPreview();
}

void TfrmPrint::groupsChanged() { rebuild(); }

void TfrmPrint::pageSetupChanged() { rebuild(); }

PrintCatalogue::Page TfrmPrint::currentLayout() const
{
    return PrintCatalogue::Layout(m_metrics, m_fonts, m_list, m_page);
}

void TfrmPrint::layoutPreview()
{
    if (!m_area)
        return;
    recomputeMetrics();
    const auto scale = PrintLayout::Scale(std::clamp(cboScale->currentIndex(), 0, PrintLayout::kScaleCount - 1));
    const bool whole = scale == PrintLayout::Scale::WholePage;
    const bool width = scale == PrintLayout::Scale::PageWidth;
    m_area->setVerticalScrollBarPolicy(whole ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    m_area->setHorizontalScrollBarPolicy(whole || width ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    const PrintLayout::Device& d = m_metrics.device;
    const QSize at100 = PrintLayout::SheetAt100(d, m_screenDpiX, m_screenDpiY);
    QSize sheet = PrintLayout::SheetSize(scale, at100, m_area->viewport()->size());
    sheet = sheet.expandedTo(QSize(8, 8));

    // The page picture at the size of the printable area on the sheet.
    const QRect printable = PrintLayout::PrintableOnSheet(d, QRect(QPoint(), sheet));
    QImage picture(printable.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(qreal(picture.width()) / d.pageW, qreal(picture.height()) / d.pageH);
        PrintCatalogue::Render(p, currentLayout(), m_fonts);
    }
    m_area->setSheet(sheet, d, std::move(picture));
}

void TfrmPrint::pageTextChanged()
{
    if (m_updating)
        return;
    const PrintLayout::PageBox box = PrintLayout::FixPageBox(txtPage->text(), m_pageCount);
    if (box.changed) {
        QScopedValueRollback guard(m_updating, true);
        txtPage->setText(box.text);
        txtPage->selectAll();
    }
    m_page = box.page;
    layoutPreview();
}

void TfrmPrint::step(int delta) { txtPage->setText(QString::number(m_page + delta)); }

void TfrmPrint::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scaleLabel->move(width() - 128, 10);
    cboScale->setGeometry(width() - 96, 5, 83, 21);
}

void TfrmPrint::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The favourites may have changed meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        rebuild();
}

void TfrmPrint::inform(const QString& text)
{
    if (m_inform)
        m_inform(text);
    else
        QMessageBox::warning(this, QStringLiteral("Print Color Schemes"), text);
}

bool TfrmPrint::printAll()
{
    QPrinter& printer = *m_printer;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (!toFile && QPrinterInfo::availablePrinterNames().isEmpty()) {
        inform(QStringLiteral("No printer is installed. Add a printer to print the catalogue, "
                              "or keep it as a file with Save as PDF..."));
        return false;
    }
    recomputeMetrics();
    const int count = PrintCatalogue::PageCount(m_metrics, m_fonts, m_list);
    QPainter p;
    if (!p.begin(&printer)) {
        inform(QStringLiteral("The printer refused the print job."));
        return false;
    }
    bool ok = true;
    for (int page = 1; page <= count && ok; ++page) {
        if (page > 1)
            ok = printer.newPage();
        p.save();
        p.translate(m_metrics.device.offX, m_metrics.device.offY);
        PrintCatalogue::Render(p, PrintCatalogue::Layout(m_metrics, m_fonts, m_list, page), m_fonts);
        p.restore();
    }
    ok = p.end() && ok;
    if (!ok)
        inform(QStringLiteral("The catalogue could not be printed."));
    layoutPreview();
    return ok;
}

void TfrmPrint::pageSetup()
{
    bool accepted = false;
    if (m_pageSetup) {
        accepted = m_pageSetup(*m_printer);
    } else {
        QPageSetupDialog dialog(m_printer.get(), this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted)
        pageSetupChanged();
}

bool TfrmPrint::saveAsPdf()
{
    QString path;
    if (m_fileDialog) {
        path = m_fileDialog();
    } else {
        QFileDialog dialog(this, QStringLiteral("Save as PDF"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("PDF Files (*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (path.isEmpty())
        return false;
    return savePdf(path);
}

bool TfrmPrint::savePdf(const QString& path)
{
    const QPageLayout layout = m_printer->pageLayout();
    const QPageSize size(layout.pageSize().definitionSize(), layout.pageSize().definitionUnits(), QString(),
                         QPageSize::ExactMatch);
    // The sheet as set up, turned for landscape.
    const QPageSize sheet = layout.orientation() == QPageLayout::Landscape
                                ? QPageSize(size.definitionSize().transposed(), size.definitionUnits(), QString(),
                                            QPageSize::ExactMatch)
                                : size;
    const FileResult r = PrintCatalogue::SavePdf(path, m_list, sheet, marginsOf(*m_printer), m_printer->resolution());
    if (!r.ok())
        inform(r.text());
    return r.ok();
}
