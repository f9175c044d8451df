#include "TfrmPantone.h"

#include "TStudioSession.h"
#include "TStudioViews.h"
#include "ToolPictures.h"
#include "paint/ColorMime.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {
constexpr int kItemHeight = 23;
constexpr int kNoticeHeight = 46;
constexpr int kColorRole = Qt::UserRole + 1;
constexpr int kEntryRole = Qt::UserRole + 2; // the guide position, -1 for the notice line
constexpr int kDragThreshold = 10;
constexpr int kWidth = 210;
constexpr int kMinHeight = 265;
} // namespace

// The list's rows: an optional notice line, then the guide entries that pass
// the filter, in guide order.
class TGuideListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void show(const Tools::TGuide* guide, QString notice, QList<int> rows)
    {
        beginResetModel();
        m_guide = guide;
        m_notice = std::move(notice);
        m_rows = std::move(rows);
        endResetModel();
    }
    int offset() const { return m_notice.isEmpty() ? 0 : 1; }
    // The list row of a guide position, or -1 when it is filtered out.
    int rowOf(int entry) const
    {
        const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), entry);
        return it != m_rows.end() && *it == entry ? int(it - m_rows.begin()) + offset() : -1;
    }
    bool isFiltered(int entry) const { return rowOf(entry) < 0; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size()) + offset();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || !m_guide)
            return {};
        const int row = index.row() - offset();
        if (row < 0) {
            if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
                return m_notice;
            if (role == kEntryRole)
                return -1;
            return {};
        }
        const int entry = m_rows.value(row, -1);
        if (entry < 0)
            return {};
        if (role == Qt::DisplayRole)
            return m_guide->entries[entry].name;
        if (role == kColorRole)
            return uint(ColorValue(m_guide->entries[entry].color));
        if (role == kEntryRole)
            return entry;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (index.isValid() && index.row() < offset())
            return Qt::ItemIsEnabled;
        return QAbstractListModel::flags(index);
    }

private:
    const Tools::TGuide* m_guide = nullptr;
    QString m_notice;
    QList<int> m_rows;
};

namespace {

class TGuideDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::DisplayRole).toString();
        if (index.data(kEntryRole).toInt() < 0) {
            p->fillRect(option.rect, Qt::white);
            p->setPen(QColor(96, 96, 96));
            p->setFont(option.font);
            p->drawText(option.rect.adjusted(4, 2, -4, -2), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, text);
            return;
        }
        ToolPictures::RenderGuideEntry(*p, option.rect, text, ColorFromValue(index.data(kColorRole).toUInt()),
                                       option.state & QStyle::State_Selected, option.state & QStyle::State_HasFocus,
                                       option.font);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {option.rect.width(), index.data(kEntryRole).toInt() < 0 ? kNoticeHeight : kItemHeight};
    }
};

} // namespace

TfrmPantone::TfrmPantone(TStudioSession& session, TStudioViews& views, const SettingsStore& settings,
                         const QStringList& guideFolders, const QString& userFolder, QWidget* parent)
    : TToolWindow(QStringLiteral("TfrmPantone"), QStringLiteral("Pantone Lookup"), QSize(kWidth, kMinHeight), parent)
    , m_session(session)
    , m_views(views)
    , m_guides(Tools::LoadGuides(guideFolders))
    , m_userFolder(userFolder)
{
    setMinimumSize(kWidth, kMinHeight);
    setMaximumSize(kWidth, QWIDGETSIZE_MAX);

    cboTypes = new QComboBox(this);
    cboTypes->setObjectName(QStringLiteral("cboTypes"));
    cboTypes->setGeometry(4, 4, 194, 21);
    for (const Tools::TGuide& guide : m_guides)
        cboTypes->addItem(guide.title);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(QStringLiteral("Filter by name"));
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setGeometry(4, 29, 194, 20);
    txtFilter->installEventFilter(this);

    m_rows = new TGuideListModel(this);
    lstColors = new QListView(this);
    lstColors->setObjectName(QStringLiteral("lstColors"));
    lstColors->setModel(m_rows);
    lstColors->setItemDelegate(new TGuideDelegate(lstColors));
    lstColors->setSelectionMode(QAbstractItemView::SingleSelection);
    lstColors->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstColors->installEventFilter(this);
    lstColors->viewport()->installEventFilter(this);
    connect(lstColors, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.data(kEntryRole).toInt() >= 0)
            useSelected();
    });
    connect(lstColors->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmPantone::updateSelectEnabling);

    cmdNearest = new QPushButton(QStringLiteral("Nearest"), this);
    cmdNearest->setObjectName(QStringLiteral("cmdNearest"));
    cmdNearest->setToolTip(QStringLiteral("Select the guide color nearest the base color"));
    connect(cmdNearest, &QPushButton::clicked, this, &TfrmPantone::selectNearest);
    cmdSelect = new QPushButton(QStringLiteral("Select Color"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setDefault(true);
    connect(cmdSelect, &QPushButton::clicked, this, &TfrmPantone::useSelected);

    connect(cboTypes, &QComboBox::currentIndexChanged, this, &TfrmPantone::chooseGuide);
    connect(txtFilter, &QLineEdit::textChanged, this, &TfrmPantone::filterChanged);
    chooseGuide(0);

    resize(kWidth, std::max(kMinHeight, settings.readInt(SettingKey::PantoneHeight)));
    placeFromSettings(settings, SettingKey::PantoneTop, SettingKey::PantoneLeft);
}

TfrmPantone::~TfrmPantone() = default;

int TfrmPantone::guideIndex() const { return cboTypes->currentIndex(); }

void TfrmPantone::chooseGuide(int index)
{
    if (index < 0 || index >= m_guides.size())
        return;
    if (cboTypes->currentIndex() != index) {
        cboTypes->setCurrentIndex(index); // comes back here
        return;
    }
    filterChanged();
    const QList<int> shown = Tools::FilterGuide(m_guides[index], txtFilter->text());
    selectEntry(shown.isEmpty() ? -1 : shown.first());
}

void TfrmPantone::filterChanged()
{
    const int kept = selectedEntry();
    const int index = guideIndex();
    if (index < 0)
        return;
    const Tools::TGuide& guide = m_guides[index];
    m_rows->show(&guide, Tools::GuideNotice(guide, m_userFolder), Tools::FilterGuide(guide, txtFilter->text()));
    selectEntry(kept >= 0 && !m_rows->isFiltered(kept) ? kept : m_rows->rowCount() > m_rows->offset() ? m_rows->index(m_rows->offset()).data(kEntryRole).toInt() : -1);
}

int TfrmPantone::selectedEntry() const
{
    const QModelIndex current = lstColors->currentIndex();
    return current.isValid() && lstColors->selectionModel()->isSelected(current) ? current.data(kEntryRole).toInt() : -1;
}

void TfrmPantone::selectEntry(int entry)
{
    const int row = entry >= 0 ? m_rows->rowOf(entry) : -1;
    if (row < 0) {
        lstColors->selectionModel()->clear();
    } else {
        lstColors->setCurrentIndex(m_rows->index(row));
        lstColors->scrollTo(m_rows->index(row));
    }
    updateSelectEnabling();
}

void TfrmPantone::updateSelectEnabling()
{
    cmdSelect->setEnabled(selectedEntry() >= 0);
    cmdNearest->setEnabled(!m_guides.value(guideIndex()).entries.isEmpty());
}

void TfrmPantone::useSelected()
{
    const int entry = selectedEntry();
    if (entry >= 0)
        m_session.SetBaseColor(m_guides[guideIndex()].entries[entry].color);
}

void TfrmPantone::selectNearest()
{
    const Tools::TGuide& guide = m_guides.value(guideIndex());
    const int nearest = Tools::NearestGuideEntry(guide, m_session.baseColor());
    if (nearest < 0)
        return;
    if (m_rows->isFiltered(nearest))
        txtFilter->clear();
    selectEntry(nearest);
}

void TfrmPantone::resizeEvent(QResizeEvent* event)
{
    TToolWindow::resizeEvent(event);
    const int h = height();
    cmdSelect->setGeometry(98, h - 54, 100, 26);
    cmdNearest->setGeometry(4, h - 54, 90, 26);
    lstColors->setGeometry(4, 53, 194, h - 88 - 24);
}

bool TfrmPantone::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((watched == lstColors || watched == txtFilter) && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdSelect->click();
            return true;
        }
        if (watched == txtFilter && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            QCoreApplication::sendEvent(lstColors, event); // walk the list from the filter box
            return true;
        }
    }
    if (watched == lstColors->viewport()) {
        if (type == QEvent::MouseButtonPress) {
            // A left press selects the row under the mouse before the list sees it.
            const auto* me = static_cast<QMouseEvent*>(event);
            const QModelIndex under = lstColors->indexAt(me->position().toPoint());
            const int entry = me->button() == Qt::LeftButton && under.isValid() ? under.data(kEntryRole).toInt()
                                                                                : selectedEntry();
            if (entry >= 0)
                m_session.setPendingColor(m_guides[guideIndex()].entries[entry].color);
            m_pressed = true;
            m_pressPos = static_cast<QMouseEvent*>(event)->position().toPoint();
        } else if (type == QEvent::MouseButtonRelease) {
            m_pressed = false;
        } else if (type == QEvent::MouseMove && m_pressed
                   && (static_cast<QMouseEvent*>(event)->position().toPoint() - m_pressPos).manhattanLength()
                          >= kDragThreshold) {
            m_pressed = false;
            const int entry = selectedEntry();
            if (entry < 0)
                return true;
            const TColor color = m_guides[guideIndex()].entries[entry].color;
            m_session.setPendingColor(color);
            ColorMime::ExecDrag(lstColors, ColorMime::Make(color, QStringLiteral("guide")), color);
            m_views.repaintFavorites();
            m_session.resetPendingColor();
            return true;
        }
    }
    return TToolWindow::eventFilter(watched, event);
}

QList<QPair<SettingKey, QString>> TfrmPantone::closingSettings() const
{
    return positionSettings(SettingKey::PantoneTop, SettingKey::PantoneLeft)
           << QPair{SettingKey::PantoneHeight, QString::number(height())};
}
