#include "TfrmAnalyzer.h"

#include "HSLUtils.h"
#include "TFavoritesList.h"
#include "TPaintBox.h"
#include "TStudioSession.h"
#include "ToolPictures.h"
#include "paint/QtColor.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTreeWidget>

namespace {

constexpr int kItemHeight = 22;
constexpr int kColorRole = Qt::UserRole + 1;

QFont listFont()
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    return f;
}

// Paints an entry as the lists show it: swatch, name, highlight, focus frame.
class TAnalyzerDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const bool focus = option.state & QStyle::State_HasFocus;
        ToolPictures::RenderListEntry(*p, option.rect, index.data(Qt::DisplayRole).toString(),
                                      ColorFromValue(index.data(kColorRole).toUInt()), selected, focus, option.font);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), kItemHeight};
    }
};

} // namespace

// One of the analyzer's lists over the model's entries; reset, not rebuilt
// item by item, so a list of thousands of favourites costs nothing to show.
class TAnalyzerListModel : public QAbstractListModel {
public:
    TAnalyzerListModel(const QList<Tools::AnalyzerEntry>& entries, QObject* parent)
        : QAbstractListModel(parent), m_entries(entries)
    {
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_entries.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_entries.size())
            return {};
        const Tools::AnalyzerEntry& e = m_entries[index.row()];
        if (role == Qt::DisplayRole)
            return e.name;
        if (role == kColorRole)
            return uint(ColorValue(e.color));
        return {};
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const QList<Tools::AnalyzerEntry>& m_entries;
};

namespace {

QListView* makeList(const QString& name, QAbstractItemModel* model, QWidget* parent, int left)
{
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setGeometry(left, 67, 150, 136);
    list->setModel(model);
    list->setItemDelegate(new TAnalyzerDelegate(list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFont(listFont());
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

} // namespace

TfrmAnalyzer::TfrmAnalyzer(TStudioSession& session, const SettingsStore& settings, QWidget* parent)
    : TToolWindow(QStringLiteral("TfrmAnalyzer"), QStringLiteral("Color Scheme Analyzer"), QSize(340, 322), parent)
    , m_session(session)
{
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->setGeometry(0, 0, 340, 300);
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("pageAnalyzer"));
    m_pages->addWidget(page);

    addHeaderBand(page, QStringLiteral("tbAnalyzer"),
                  QStringLiteral("Use this tool to find the best text/background color combinations."));

    auto* lblBackground = new QLabel(QStringLiteral("Select Background Color:"), page);
    lblBackground->setObjectName(QStringLiteral("lblBackground"));
    lblBackground->move(10, 52);
    auto* lblFont = new QLabel(QStringLiteral("List of Possible Text Colors:"), page);
    lblFont->setObjectName(QStringLiteral("lblFont"));
    lblFont->move(180, 52);
    m_backgroundRows = new TAnalyzerListModel(m_model.backgrounds(), this);
    m_textRows = new TAnalyzerListModel(m_model.texts(), this);
    lstBackground = makeList(QStringLiteral("lstBackground"), m_backgroundRows, page, 10);
    lstText = makeList(QStringLiteral("lstText"), m_textRows, page, 180);
    connect(lstBackground->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { backgroundChosen(current.row()); });
    connect(lstText->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { textChosen(current.row()); });

    pbPreview = new TPaintBox(QStringLiteral("pbPreview"), page);
    pbPreview->setGeometry(10, 212, 320, 60);
    QFont sampleFont(QStringLiteral("Arial"));
    sampleFont.setPixelSize(12);
    pbPreview->setRenderer([this, sampleFont](QPainter& p, const QSize& size) {
        const auto sample = m_model.sample(chkReverse->isChecked());
        ToolPictures::RenderSample(p, size, sample.fill, sample.text, sampleFont);
    });
    chkReverse = new QCheckBox(QStringLiteral(" Reverse text/background colors"), page);
    chkReverse->setObjectName(QStringLiteral("chkReverse"));
    chkReverse->move(10, 278);
    connect(chkReverse, &QCheckBox::toggled, pbPreview, &TPaintBox::renderNow);

    auto* contrast = new QWidget(m_pages);
    contrast->setObjectName(QStringLiteral("pageContrast"));
    m_pages->addWidget(contrast);
    m_contrastCaption = new QLabel(contrast);
    m_contrastCaption->setObjectName(QStringLiteral("lblContrastBackground"));
    m_contrastCaption->setGeometry(10, 8, 320, 16);
    lstContrast = new QTreeWidget(contrast);
    lstContrast->setObjectName(QStringLiteral("lstContrast"));
    lstContrast->setGeometry(10, 28, 320, 264);
    lstContrast->setRootIsDecorated(false);
    lstContrast->setUniformRowHeights(true);
    lstContrast->setHeaderLabels({QStringLiteral("Text color"), QStringLiteral("Ratio"), QStringLiteral("WCAG"),
                                  QStringLiteral("APCA Lc"), QStringLiteral("Hard to tell apart for")});
    lstContrast->header()->setStretchLastSection(true);
    lstContrast->setColumnWidth(0, 90);
    lstContrast->setColumnWidth(1, 40);
    lstContrast->setColumnWidth(2, 70);
    lstContrast->setColumnWidth(3, 52);

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tabPages"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->addTab(QStringLiteral("Text colors"));
    m_tabs->addTab(QStringLiteral("Contrast"));
    m_tabs->setGeometry(0, 300, 340, 22);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int i) {
        m_pages->setCurrentIndex(i);
        fillContrastPage();
    });

    refresh();
    placeFromSettings(settings, SettingKey::AnalyzerTop, SettingKey::AnalyzerLeft);
    connect(&m_session.favorites(), &TFavoritesList::analyzerRefreshRequested, this, [this] {
        if (isVisible())
            refresh();
    });
}

TfrmAnalyzer::~TfrmAnalyzer() = default;

void TfrmAnalyzer::refresh()
{
    m_model.refresh(m_session.favorites().entries());
    showSelection();
}

// Puts both lists and the sample in step with the model.
void TfrmAnalyzer::showSelection()
{
    {
        QScopedValueRollback guard(m_updating, true);
        m_backgroundRows->reset();
        m_textRows->reset();
        lstBackground->setCurrentIndex(m_backgroundRows->index(m_model.backgroundIndex()));
        lstText->setCurrentIndex(m_textRows->index(m_model.textIndex()));
    }
    pbPreview->renderNow();
    fillContrastPage();
}

void TfrmAnalyzer::backgroundChosen(int row)
{
    if (m_updating || row < 0 || row == m_model.backgroundIndex())
        return;
    if (m_model.selectBackground(row) != ToolsError::None)
        return;
    showSelection();
}

void TfrmAnalyzer::textChosen(int row)
{
    if (m_updating || !m_model.selectText(row))
        return;
    pbPreview->renderNow();
}

void TfrmAnalyzer::fillContrastPage()
{
    if (m_pages->currentIndex() != 1)
        return;
    const TColor background = m_model.backgroundColor();
    m_contrastCaption->setText(QStringLiteral("As text on ") + m_model.backgrounds().value(m_model.backgroundIndex()).name
                               + QStringLiteral(" (#") + HSLUtils::ColorToHex(background) + QStringLiteral("):"));
    lstContrast->clear();
    QList<QTreeWidgetItem*> items;
    for (const Tools::ContrastRow& row : Tools::ContrastReport(m_model.backgrounds(), background)) {
        auto* item = new QTreeWidgetItem;
        QPixmap swatch(12, 12);
        swatch.fill(ToQColor(row.entry.color));
        item->setIcon(0, QIcon(swatch));
        item->setText(0, row.entry.name);
        item->setText(1, Tools::ContrastRatioText(row.ratio));
        item->setText(2, Tools::WcagVerdictText(row.verdict));
        item->setText(3, Tools::ApcaContrastText(row.lc));
        item->setText(4, row.hardToTellApartFor.join(QStringLiteral(", ")));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    lstContrast->addTopLevelItems(items);
}

QList<QPair<SettingKey, QString>> TfrmAnalyzer::closingSettings() const
{
    return positionSettings(SettingKey::AnalyzerTop, SettingKey::AnalyzerLeft);
}
