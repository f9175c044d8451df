#include "TActionTable.h"

#include "paint/StudioIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

TActionTable::TActionTable(QObject* owner)
    : m_owner(owner)
{
}

void TActionTable::add(std::initializer_list<TActionEntry> entries)
{
    for (const TActionEntry& s : entries) {
        auto* a = new QAction(QString::fromUtf8(s.caption), m_owner);
        a->setObjectName(QLatin1String(s.name));
        if (!s.shortcut.isEmpty()) {
            a->setShortcut(s.shortcut);
            a->setShortcutContext(s.everyWindow ? Qt::ApplicationShortcut : Qt::WindowShortcut);
        }
        a->setEnabled(s.enabled);
        a->setCheckable(s.checkable);
        if (s.handler)
            QObject::connect(a, &QAction::triggered, m_owner, [h = s.handler] { h(); });
        m_actions.insert(a->objectName(), a);
    }
}

QAction* TActionTable::operator[](const QString& name) const
{
    QAction* a = m_actions.value(name);
    Q_ASSERT_X(a, "TActionTable", qPrintable(name));
    return a;
}

void TActionTable::fill(QMenu* menu, std::initializer_list<const char*> names) const
{
    for (const char* n : names) {
        if (n[0] == '-' && n[1] == 0)
            menu->addSeparator();
        else
            menu->addAction((*this)[QLatin1String(n)]);
    }
}

QActionGroup* TActionTable::group(std::initializer_list<const char*> names, const char* checked) const
{
    auto* g = new QActionGroup(m_owner);
    g->setExclusive(true);
    for (const char* n : names)
        g->addAction((*this)[QLatin1String(n)]);
    (*this)[QLatin1String(checked)]->setChecked(true);
    return g;
}

QMenu* TActionTable::addMenu(QWidget* bar, QMenu* parent, const QString& name, const QString& caption)
{
    QMenu* m = parent ? parent->addMenu(caption) : static_cast<QMenuBar*>(bar)->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QToolButton* TActionTable::makeToolButton(QWidget* parent, const QString& name, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(StudioIcons::Icon(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QHash<QString, QToolButton*> TActionTable::addTools(QToolBar* toolbar, std::initializer_list<TToolEntry> entries)
{
    QHash<QString, QToolButton*> out;
    for (const TToolEntry& s : entries) {
        if (!s.name) {
            toolbar->addSeparator();
            continue;
        }
        QToolButton* b = makeToolButton(toolbar, QLatin1String(s.name), QString::fromUtf8(s.hint));
        b->setEnabled(s.enabled);
        b->setCheckable(s.toggle);
        if (s.handler)
            QObject::connect(b, &QToolButton::clicked, m_owner, [h = s.handler] { h(); });
        toolbar->addWidget(b);
        out.insert(b->objectName(), b);
    }
    return out;
}
