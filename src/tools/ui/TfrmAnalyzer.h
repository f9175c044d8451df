#pragma once

#include "Analyzer.h"
#include "TToolWindow.h"

class QCheckBox;
class QListView;
class QStackedWidget;
class QTabBar;
class QTreeWidget;
class QLabel;
class TAnalyzerListModel;
class TPaintBox;
class TStudioSession;

// The scheme analyzer, "Color Scheme Analyzer": which favourites (and white
// and black) read as text on a background chosen among them. The first page
// (340 x 300) is the background list `lstBackground`, the text list
// `lstText` (HasBrightnessContrast against the background), the sample
// `pbPreview` and `chkReverse`. The second page, "Contrast", rates every
// entry as text on the chosen background: the WCAG 2.2 ratio and verdict,
// the APCA Lc, and a warning where a dichromacy makes the pair hard to tell
// apart. The tab bar `tabPages` runs along the bottom, under the first page.
//
// The window follows the favourites itself: while it is shown, every change
// that asks for the analyzer's refresh (names, colours, membership) refreshes
// it. Only its position is stored (section Analyzer).
class TfrmAnalyzer : public TToolWindow {
    Q_OBJECT
public:
    TfrmAnalyzer(TStudioSession& session, const SettingsStore& settings, QWidget* parent = nullptr);
    ~TfrmAnalyzer() override;

    // Rebuilds the background list from the favourites (keeping the selected
    // position), then the text list, then repaints the sample and, when it
    // is shown, the contrast page.
    void refresh();

    const Tools::TAnalyzerModel& model() const { return m_model; }
    QList<QPair<SettingKey, QString>> closingSettings() const;

private:
    void backgroundChosen(int row);
    void textChosen(int row);
    void showSelection();
    void fillContrastPage();

    TStudioSession& m_session;
    Tools::TAnalyzerModel m_model;
    TAnalyzerListModel* m_backgroundRows = nullptr;
    TAnalyzerListModel* m_textRows = nullptr;
    QListView* lstBackground = nullptr;
    QListView* lstText = nullptr;
    TPaintBox* pbPreview = nullptr;
    QCheckBox* chkReverse = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_contrastCaption = nullptr;
    QTreeWidget* lstContrast = nullptr;
    bool m_updating = false;
};
