#include "TFavoritesPanel.h"

#include "ColorText.h"
#include "TCopyMenu.h"
#include "TFavoritesList.h"
#include "TFavoritesView.h"
#include "paint/StudioIcons.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>

TFavoritesPanel::TFavoritesPanel(TFavoritesList* list, QWidget* parent)
    : QWidget(parent)
    , m_list(list)
{
    setObjectName(QStringLiteral("fraFavorites"));
    const int width = TFavoritesView::kWidth + 17;
    setFixedSize(width, kListTop + TFavoritesView::kHeight + 28);

    m_title = new QLabel(QStringLiteral("Favorite Colors"), this);
    m_title->setObjectName(QStringLiteral("lblFavorites"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->move(2, 4);
    m_title->adjustSize();
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblFavCount"));
    m_count->setGeometry(m_title->geometry().right() + 1, 4, 50, m_title->height());

    m_menuButton = new QToolButton(this);
    m_menuButton->setObjectName(QStringLiteral("cmdFavDrop"));
    m_menuButton->setAutoRaise(true);
    m_menuButton->setArrowType(Qt::DownArrow);
    m_menuButton->setGeometry(width - 18, kListTop - 19, 18, 18);

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("sbFavs"));
    m_scroll->setGeometry(TFavoritesView::kWidth, kListTop, 17, TFavoritesView::kHeight);

    m_view = new TFavoritesView(m_list, m_scroll, this);
    m_view->move(0, kListTop);

    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("tlbFavs"));
    m_toolbar->setGeometry(0, kListTop + TFavoritesView::kHeight + 2, width, 24);
    auto* row = new QHBoxLayout(m_toolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto button = [&](const char* name, const QString& text, const QString& hint) {
        auto* b = new QToolButton(m_toolbar);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(hint);
        b->setIcon(StudioIcons::Icon(QLatin1String(name)));
        b->setAutoRaise(true);
        row->addWidget(b);
        return b;
    };
    m_tbCopy = button("tbCopy", QStringLiteral("Copy..."), QStringLiteral("Copy HEX"));
    m_tbRename = button("tbRename", QStringLiteral("Rename Color"), QStringLiteral("Rename Color"));
    m_tbWebsafe = button("tbFavWebsafe", QStringLiteral("Make Websafe"), QStringLiteral("Make Websafe"));
    m_tbDelete = button("tbDelete", QStringLiteral("Delete Color"), QStringLiteral("Delete Color"));
    row->addStretch();
    m_tbDelete->setAcceptDrops(true);
    m_tbDelete->installEventFilter(this);

    buildMenus();
    m_tbCopy->setMenu(m_copyMenu);
    m_tbCopy->setPopupMode(QToolButton::MenuButtonPopup);
    m_view->setEntryMenu(m_entryMenu);

    connect(m_tbCopy, &QToolButton::clicked, this, &TFavoritesPanel::copyCurrentHex);
    connect(m_tbRename, &QToolButton::clicked, this, &TFavoritesPanel::renameCurrent);
    connect(m_tbWebsafe, &QToolButton::clicked, this, &TFavoritesPanel::makeSelectedWebsafe);
    connect(m_tbDelete, &QToolButton::clicked, this, &TFavoritesPanel::deleteSelectedAsking);
    connect(m_menuButton, &QToolButton::released, this, [this] {
        m_menuButton->setDown(true);
        m_listMenu->exec(m_menuButton->mapToGlobal(QPoint(0, m_menuButton->height())));
        m_menuButton->setDown(false);
    });

    m_deleteAction = new QAction(this);
    m_deleteAction->setObjectName(QStringLiteral("actFavDelete"));
    m_deleteAction->setShortcut(QKeySequence::Delete);
    m_deleteAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_deleteAction, &QAction::triggered, this, &TFavoritesPanel::deleteSelectedAsking);
    addAction(m_deleteAction);

    connect(m_view, &TFavoritesView::baseColorRequested, this, &TFavoritesPanel::baseColorRequested);
    connect(m_view, &TFavoritesView::focusDummyRequested, this, &TFavoritesPanel::focusDummyRequested);
    connect(m_view, &TFavoritesView::dropCompleted, this, &TFavoritesPanel::dropCompleted);
    connect(m_view, &TFavoritesView::dragFinished, this, &TFavoritesPanel::dragFinished);
    connect(m_list, &TFavoritesList::changed, this, &TFavoritesPanel::updateState);
    setSnapMode(0);
    updateState();
}

void TFavoritesPanel::buildMenus()
{
    m_copyMenu = new TCopyMenu(QStringLiteral("Copy..."), QStringLiteral("mnuFavPopCopy"),
                               {QStringLiteral("mnuFavPopCopyHex1"), QStringLiteral("mnuFavPopCopyHEX2"), QStringLiteral("mnuFavPopCopyRGB")}, this);
    m_copyMenu->setColorSource([this] { return m_list->currentColor(); });

    m_entryMenu = new QMenu(this);
    m_entryMenu->setObjectName(QStringLiteral("mnuFavPop"));
    m_entryMenu->addMenu(m_copyMenu);
    m_entryMenu->addSeparator();
    auto add = [](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    connect(add(m_entryMenu, "mnuFavPopWebsafe", QStringLiteral("Make Websafe")), &QAction::triggered, this,
            &TFavoritesPanel::makeSelectedWebsafe);
    connect(add(m_entryMenu, "mnuFavPopSetBase", QStringLiteral("Set As Base Color")), &QAction::triggered, this, [this] {
        if (const auto c = m_list->currentColor())
            emit baseColorRequested(*c);
    });
    m_entryMenu->addSeparator();
    connect(add(m_entryMenu, "mnuFavPopRename", QStringLiteral("Rename")), &QAction::triggered, this, &TFavoritesPanel::renameCurrent);
    connect(add(m_entryMenu, "mnuFavPopDelete", QStringLiteral("Delete")), &QAction::triggered, this,
            &TFavoritesPanel::deleteSelectedAsking);
    // The right-clicked entry is current by now; its texts go into the copy entries.
    connect(m_view, &TFavoritesView::entryMenuRequested, this, [this](int row, QPoint) {
        if (row >= 0 && row < m_list->count())
            m_copyMenu->load(m_list->at(row).Color);
    });

    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("mnuFavsPop"));
    QMenu* sort = m_listMenu->addMenu(QStringLiteral("Sort..."));
    sort->setObjectName(QStringLiteral("mnuFavsPopSort"));
    connect(add(sort, "mnuGroupColor", QStringLiteral("by Color")), &QAction::triggered, this, &TFavoritesPanel::sortByColor);
    connect(add(sort, "mnuGroupSat", QStringLiteral("by Saturation")), &QAction::triggered, this, &TFavoritesPanel::sortBySaturation);
    connect(add(sort, "mnuGroupLight", QStringLiteral("by Lightness")), &QAction::triggered, this, &TFavoritesPanel::sortByLightness);
    m_listMenu->addSeparator();
    connect(add(m_listMenu, "mnuFavsPopImport", QStringLiteral("Import Wizard...")), &QAction::triggered, this,
            &TFavoritesPanel::importRequested);
    connect(add(m_listMenu, "mnuFavsPopExport", QStringLiteral("Export Wizard...")), &QAction::triggered, this,
            &TFavoritesPanel::exportRequested);
}

void TFavoritesPanel::updateState()
{
    const qsizetype n = m_list->count();
    m_count->setText(n == 0 ? QString() : QStringLiteral(" -  ") + QString::number(n) + QLatin1Char(' '));
    m_toolbar->setEnabled(n > 0);
    m_tbRename->setEnabled(m_list->singleEntryCommandsEnabled());
    m_tbCopy->setEnabled(m_list->singleEntryCommandsEnabled());
}

void TFavoritesPanel::setSnapMode(int mode)
{
    m_snapMode = mode;
    m_view->setSnapMode(mode);
    m_tbWebsafe->setToolTip(mode == 1 ? QStringLiteral("Make WebSmart") : QStringLiteral("Make Websafe"));
}

void TFavoritesPanel::setDisplayMapper(const TDisplayMapper& display)
{
    m_view->setDisplayMapper(display);
}

int TFavoritesPanel::scrollPosition() const { return m_view->scrollPosition(); }

void TFavoritesPanel::setScrollPosition(int pos)
{
    m_view->setScrollPosition(pos);
    m_view->refresh();
}

void TFavoritesPanel::showEnd()
{
    m_view->scrollToEnd();
    m_view->refresh();
}

void TFavoritesPanel::scrollByWheel(int angleDelta)
{
    if (m_scroll->isEnabled())
        m_view->setScrollPosition(m_view->scrollPosition() - angleDelta / 2);
}

void TFavoritesPanel::addColorBatch(const QList<TColor>& colors)
{
    m_list->addColorBatch(colors);
    showEnd();
}

void TFavoritesPanel::deleteSelectedAsking()
{
    emit focusDummyRequested();
    if (m_deleteWarning) {
        const auto answer = QMessageBox::question(window(), QStringLiteral("Tintvale Studio"),
                                                  QStringLiteral("Are you sure you want to delete the selected color(s)?"),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    deleteSelectedWithoutAsking();
}

void TFavoritesPanel::deleteSelectedWithoutAsking()
{
    if (m_view->isRenaming())
        emit focusDummyRequested();
    m_list->deleteSelected();
    m_view->refresh();
}

void TFavoritesPanel::copyCurrentHex()
{
    if (!m_list->hasCurrent())
        return;
    const QString hex = m_list->at(m_list->currentIndex()).Hex;
    CopyTextToClipboard(hex);
    m_copyMenu->entry(0)->setToolTip(hex);
    m_copyMenu->entry(0)->setStatusTip(hex);
}

void TFavoritesPanel::renameCurrent() { m_view->startRename(); }

void TFavoritesPanel::makeSelectedWebsafe() { m_list->makeSelectedWebsafe(m_snapMode); }

void TFavoritesPanel::sortByColor() { m_list->sortByColor(); }
void TFavoritesPanel::sortBySaturation() { m_list->sortBySaturation(); }
void TFavoritesPanel::sortByLightness() { m_list->sortByLightness(); }

// tbDelete takes drops from the list only, and deletes without asking.
bool TFavoritesPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tbDelete) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDragMoveEvent*>(event);
            if (m_view->dragIsFromList(e) && m_tbDelete->isEnabled())
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            if (!m_view->dragIsFromList(e)) {
                e->ignore();
                return true;
            }
            e->acceptProposedAction();
            deleteSelectedWithoutAsking();
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
