#pragma once

#include <QHash>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <initializer_list>

class QAction;
class QActionGroup;
class QMenu;
class QObject;
class QToolBar;
class QToolButton;
class QWidget;

// One command of a window: its objectName, caption, shortcut (window-wide),
// what it runs when triggered, whether it starts enabled and whether it is
// a check item.
struct TActionEntry {
    const char* name;
    const char* caption;
    QKeySequence shortcut = {};
    std::function<void()> handler = {};
    bool enabled = true;
    bool checkable = false;
    bool everyWindow = false; // the shortcut works in the tool windows too, not only in the main window
};

// One button of a toolbar: its objectName (which also picks its drawn icon),
// hint, the command it runs, whether it starts enabled and whether it is a
// toggle button. An entry without a name is a separator.
struct TToolEntry {
    const char* name = nullptr;
    const char* hint = nullptr;
    std::function<void()> handler = {};
    bool enabled = true;
    bool toggle = false;
};

// The commands of a window, built from tables and found by name, so that no
// code looks for another component's controls.
class TActionTable {
public:
    explicit TActionTable(QObject* owner);

    void add(std::initializer_list<TActionEntry> entries);
    QAction* operator[](const QString& name) const;

    // Fills `menu` with the named actions in order; "-" is a separator.
    void fill(QMenu* menu, std::initializer_list<const char*> names) const;
    // Makes the named check items one exclusive group: choosing the checked
    // one again keeps it checked; `checked` is checked first.
    QActionGroup* group(std::initializer_list<const char*> names, const char* checked) const;
    // A menu (objectName and caption) appended to `parent`: a menu of the
    // bar when parent is null.
    static QMenu* addMenu(QWidget* bar, QMenu* parent, const QString& name, const QString& caption);

    // Adds the buttons to `toolbar` in order and returns them by name.
    QHash<QString, QToolButton*> addTools(QToolBar* toolbar, std::initializer_list<TToolEntry> entries);
    // A flat, unfocusable tool button with the drawn icon of its name.
    static QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& hint);

private:
    QObject* m_owner;
    QHash<QString, QAction*> m_actions;
};
