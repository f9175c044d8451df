#pragma once

#include "SettingsStore.h"
#include "TActionTable.h"
#include "TColor.h"
#include "TStudioLifeCycle.h"
#include "TStudioViews.h"
#include "WheelColors.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>

#include <functional>

class QLabel;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;
class QToolButton;
class TColorHistory;
class TCopyMenu;
class TDisplayMapper;
class TFavoritesList;
class TFavoritesPanel;
class THistoryCombo;
class TPaintBox;
class TPaletteView;
class TSchemeDocument;
class TStudioSession;
class TStudioHelp;
class TStudioTools;
class TWheelView;
class TfraBaseColor;
class TfraBoxes;
class TfraHarmonies;
class TfraSuggested;
class TfrmExport;
class TfrmImport;
class TfrmOptions;

// The studio's main window. It shows the session (TStudioSession: base
// colour, derived colours, favourites, history, modes) and forwards input to
// it; the views follow the session's signals. Commands come from one table
// (TActionTable); the start-up and closing sequences against the files are
// TStudioLifeCycle's. Command groups live in their own source files:
// TfrmStudioMain_File.cpp (scheme files and wizards), TfrmStudioMain_Workspace.cpp
// (the matching-colours views).
class TfrmStudioMain : public QMainWindow, public TStudioViews {
    Q_OBJECT
public:
    struct Options {
        QString settingsPath = SettingsFilePath();
        bool quitAfterFirstPaint = false; // start-up timing: quit once the window has painted
    };

    explicit TfrmStudioMain(Options options, QWidget* parent = nullptr);
    explicit TfrmStudioMain(QWidget* parent = nullptr);
    ~TfrmStudioMain() override;

    // The window's font, Tahoma at 11 pixels (or its stand-in); the program
    // makes it the application's font too, so menus, dialogs and controls
    // that lay out text before they join the window share one font.
    static QFont UiFont();
    // Lays out a word in the window font, so Qt's font list and the window
    // family's fallback list are filled; thread-safe, for a helper thread
    // while the window is built (UiFont must have been called once first).
    static void WarmUpFonts();

    TStudioSession& session() const { return *m_session; }
    // The session's base colour and state, for the window's own callers.
    void SetBaseColor(TColor color);
    TColor WorkingColor() const;
    TColor PendingColor() const;
    const TWheelColors& WheelColors() const;
    int WebSnapMode() const;
    bool isModified() const;
    TFavoritesList& favorites() const;
    TColorHistory& history() const;
    TSchemeDocument& document() const;
    QString sessionFilePath() const { return m_lifeCycle.sessionFilePath(); }

    // TStudioViews, for the tool windows.
    void showFavoritesEnd() override;
    void repaintFavorites() override;
    int favoritesScrollMaximum() const override;
    void setFavoritesScrollPosition(int pos) override;
    // The mixer and analyzer windows with their toolbar buttons.
    TStudioTools& toolWindows() const { return *m_toolWindows; }
    TStudioHelp& help() const { return *m_help; }

    // Runs the closing sequence (positions, workspace keys, session) without
    // any question or message; used when the desktop session ends.
    void closeWithoutQuestions();
    // Handles a scheme file handed over by a second copy of the program.
    void receiveHandOver(const QString& path);

    // Opens a scheme file (File Open, the command line, a hand-over) and
    // reports failures itself. True when the scheme was opened.
    bool openSchemeFile(const QString& path);
    // Save and Save As as the menu runs them: false when nothing was written
    // (cancelled dialog or failure).
    bool mnuFileSaveClick();
    bool mnuFileSaveAsClick();
    void mnuFileNewClick();
    void mnuFileOpenClick();
    void mnuFileImportClick();
    void mnuFileExportClick();
    TfrmImport* importWizard();
    TfrmExport* exportWizard();

    // Asks the user; replaced in tests.
    using QuestionHook = std::function<int(const QString& text)>; // returns QMessageBox::StandardButton
    void setQuestionHook(QuestionHook hook) { m_question = std::move(hook); }
    // Shows a message with an OK button; replaced in tests.
    using InformHook = std::function<void(const QString& text)>;
    void setInformHook(InformHook hook) { m_inform = std::move(hook); }
    // The open and save dialogs: return the chosen path, empty when cancelled.
    using FileDialogHook = std::function<QString(bool save, const QString& suggested)>;
    void setFileDialogHook(FileDialogHook hook) { m_fileDialog = std::move(hook); }

signals:
    void firstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // construction (TfrmStudioMain.cpp)
    void buildActions();
    void buildMenus();
    void buildToolbar();
    void buildBaseColumn();
    void buildStatusBar();
    void buildFavorites();
    void connectSession();
    void startUp();
    void createOptionsWindow();
    void showColorPopup(TColor color, QPoint globalPos);
    TWindowSettings windowSettings() const;
    void writeClosingSettings(bool quiet);
    int ask(const QString& text);
    void inform(const QString& text);

    // base colour and status (TfrmStudioMain.cpp)
    void refreshStatus();
    void updateNavigationEnabling();
    void applyWebsafeWording(int mode);
    void applyDisplay(const TDisplayMapper& display);
    void tbWebsafeClick();
    void mnuAdjustWebsafeSnapSmartClick(int mode);
    void cmdRandomizeClick();

    // the matching-colours views (TfrmStudioMain_Workspace.cpp)
    void buildCentre();
    template <class View> void connectColorView(View* view);
    template <class Frame> void showView(Frame*& frame, bool shown); // builds it when first shown
    void tabDisplayChange(int index);
    void refreshDerivedView();
    void setWheelStyle(bool wheel);
    bool wheelStyleShown() const;
    void cmdMatchDropMouseUp();
    void pbPaletteHover(TColor color);

    // scheme files (TfrmStudioMain_File.cpp)
    void warnAboutFile(const QString& text, const QString& path);
    bool saveSchemeAs(const QString& fileName, const QString& path);
    QString chooseFile(bool save, const QString& suggested);
    void updateCaption();
    bool askToSaveFirst(const QString& question); // false: the user cancelled, or the save did not happen
    void createImportWizard();

    Options m_options;
    SettingsStore m_settings;
    TStudioSession* m_session;
    TStudioLifeCycle m_lifeCycle;
    TActionTable m_actions;
    TStudioTools* m_toolWindows;
    TStudioHelp* m_help;
    QuestionHook m_question;
    InformHook m_inform;
    FileDialogHook m_fileDialog;
    bool m_closing = false;
    bool m_closedWithoutQuestions = false;
    bool m_firstPaintSeen = false;

    // controls
    QWidget* m_client = nullptr;
    QToolBar* tlbMain = nullptr;
    QHash<QString, QToolButton*> m_tools;
    TPaintBox* pbTopBar = nullptr;
    TfraBaseColor* fraBase = nullptr;
    QPushButton* cmdDummy = nullptr;
    TFavoritesPanel* m_favPanel = nullptr;
    THistoryCombo* cboHistory = nullptr;
    TCopyMenu* mnuEditCopy = nullptr;
    QMenu* mnuColorPop = nullptr;
    TCopyMenu* mnuPopCopy = nullptr;
    TfrmOptions* frmOptions = nullptr;
    TfrmImport* frmImport = nullptr;
    TfrmExport* frmExport = nullptr;
    QTabBar* tabDisplay = nullptr;
    TWheelView* picWheel = nullptr;
    TfraBoxes* fraBoxes = nullptr;
    TfraHarmonies* fraHarmonies = nullptr;
    TfraSuggested* fraSuggested = nullptr;
    TPaletteView* pbPalette = nullptr;
    QToolButton* cmdMatchDrop = nullptr;
    QMenu* mnuMatchPop = nullptr;
    QAction* m_matchStyleMenu = nullptr;
    QLabel* m_statusPanels[2] = {nullptr, nullptr};
};
