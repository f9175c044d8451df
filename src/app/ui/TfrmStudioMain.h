#pragma once

#include "SettingsStore.h"
#include "TColor.h"

#include <QFont>
#include <QMainWindow>

#include <array>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;
class QToolButton;
class TColorHistory;
class TCopyMenu;
class TFavoritesPanel;
class TPaletteView;
class TWheelView;
class TfraBoxes;
class TfraHarmonies;
class TfraSuggested;
class THistoryCombo;
class TFavoritesList;
class TPaintBox;
class TSchemeDocument;
class TfrmOptions;
class TfrmImport;
class TfrmExport;

// The studio's main window: owns the session state (base colour, the derived
// wheel colours, the picked colour, snap mode) and the base-colour editors,
// and wires the views of the other folders together. Command groups live in
// their own source files (TfrmStudioMain_Base.cpp: the base-colour column).
class TfrmStudioMain : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        QString settingsPath = SettingsFilePath();
        bool quitAfterFirstPaint = false; // start-up timing: quit once the window has painted
    };

    explicit TfrmStudioMain(Options options, QWidget* parent = nullptr);
    explicit TfrmStudioMain(QWidget* parent = nullptr);

    // The window's font, Tahoma at 11 pixels (or its stand-in); the program
    // makes it the application's font too, so menus, dialogs and controls
    // that lay out text before they join the window share one font.
    static QFont UiFont();
    // Lays out a word in the window font, so Qt's font list and the window
    // family's fallback list are filled; thread-safe, for a helper thread
    // while the window is built (UiFont must have been called once first).
    // Font engines themselves belong to the thread that loads them, so one
    // size is enough: the fallback list is shared by every size and weight.
    static void WarmUpFonts();
    ~TfrmStudioMain() override;

    // Makes `color` the base colour and refreshes every view derived from it.
    void SetBaseColor(TColor color);

    TColor WorkingColor() const { return m_workingColor; }
    TColor PendingColor() const { return m_pendingColor; }
    const std::array<TColor, 24>& WheelColors() const { return m_wheelColors; }
    int WebSnapMode() const { return m_webSnapMode; }
    bool isModified() const;

    // Runs the closing sequence (positions, workspace keys, session) without
    // any question; used when the desktop session ends.
    void closeWithoutQuestions();

    // Handles a scheme file handed over by a second copy of the program.
    void receiveHandOver(const QString& path);

    // Opens a scheme file (File Open, the command line, a hand-over) and
    // reports failures itself. True when the scheme was opened.
    bool openSchemeFile(const QString& path);
    // Save, Save As and New as the menu runs them. Save returns false when
    // nothing was written (cancelled dialog or failure).
    bool mnuFileSaveClick();
    bool mnuFileSaveAsClick();
    void mnuFileNewClick();
    void mnuFileOpenClick();
    void mnuFileImportClick();
    void mnuFileExportClick();
    TfrmImport* importWizard();
    TfrmExport* exportWizard();

    TFavoritesList& favorites() { return *m_favorites; }
    TColorHistory& history() { return *m_history; }
    TSchemeDocument& document() { return *m_document; }
    QString sessionFilePath() const;

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

private:
    // construction (TfrmStudioMain.cpp)
    void buildMenus();
    void buildToolbar();
    void buildBaseColumn();
    void buildCentre();
    void buildStatusBar();
    void buildFavorites();
    void showColorPopup(TColor color, QPoint globalPos);

    // the matching-colours views (TfrmStudioMain_Workspace.cpp)
    template <class View> void connectColorView(View* view);
    template <class Frame> void showView(Frame*& frame, bool shown); // builds it when first shown
    void tabDisplayChange(int index);
    void refreshDerivedView();
    void mnuRYBClick(bool ryb);
    void mnuMPColorWheelClick();
    void mnuMPColorSwatchesClick();
    void cmdMatchDropMouseUp();
    void pbPaletteHover(TColor color);
    bool rybMode() const;
    void startUp();
    void createOptionsWindow();
    void createImportWizard();
    void mnuViewBlindNormalClick(QAction* item);
    void repaintColorViews();
    void writeClosingSettings();
    QAction* makeAction(const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& hint, QAction* action = nullptr);
    int ask(const QString& text);
    void inform(const QString& text);
    QString chooseFile(bool save, const QString& suggested);
    void updateCaption();
    bool askToSaveFirst(const QString& question); // false: the user cancelled

    // base colour and editors (TfrmStudioMain_Base.cpp)
    void clampTypedValue(QLineEdit* box, int max);
    void txtRChange(QLineEdit* box);
    void txtSChange(QLineEdit* box);
    void txtHexChange();
    bool txtRKeyPress(QLineEdit* box, QKeyEvent* event);
    bool txtHexKeyPress(QKeyEvent* event);
    bool txtHexKeyDown(QKeyEvent* event);
    void txtHexKeyUp(QKeyEvent* event);
    void txtRExit();
    void pbRMouseDown(int channel, QMouseEvent* event);
    void pbRMouseMove(int channel, QMouseEvent* event);
    void pbSMouseDown(int which, QMouseEvent* event);
    void pbSMouseMove(int which, QMouseEvent* event);
    void pbRMouseUp(QMouseEvent* event);
    void pbBaseMouseDown(QMouseEvent* event);
    void pbBaseMouseMove(QMouseEvent* event);
    void pbBaseMouseUp(QMouseEvent* event);
    void tbWebsafeClick();
    void lblWebsafeClick();
    void mnuAdjustWebsafeSnapSmartClick(int mode);
    void applyWebsafeWording();
    void adjustBase(int saturationPercent, int lightnessPercent);
    void tbLightenClick();
    void tbDarkenClick();
    void tbSaturateClick();
    void tbDesaturateClick();
    void cmdRandomizeClick();
    void updateWebsafeStatus();
    void repaintBars();
    void refreshStatus();
    void updateNavigationEnabling();
    void generateWheelColors();
    void setBoxText(QLineEdit* box, const QString& text);
    int boxValue(const QLineEdit* box) const;
    TColor colorFromRgbBoxes() const;

    Options m_options;
    SettingsStore m_settings;
    QuestionHook m_question;
    InformHook m_inform;
    FileDialogHook m_fileDialog;
    TFavoritesList* m_favorites = nullptr;
    TColorHistory* m_history = nullptr;
    TSchemeDocument* m_document = nullptr;

    // session state
    TColor m_workingColor = MakeColor(255, 102, 0);
    TColor m_pendingColor = MakeColor(255, 102, 0);
    std::array<TColor, 24> m_wheelColors{};
    int m_webSnapMode = 0;
    int m_lightStep = 5;
    int m_satStep = 5;
    bool m_updating = false;
    bool m_mouseHeld = false;
    bool m_closing = false;
    bool m_closedWithoutQuestions = false;
    bool m_firstPaintSeen = false;
    int m_rgbMarker[3] = {-1, -1, -1}; // bar being dragged keeps the exact pointer column
    int m_slMarker[2] = {-1, -1};
    QPoint m_baseDragStart;

    // controls
    QWidget* m_client = nullptr;
    TFavoritesPanel* m_favPanel = nullptr;
    THistoryCombo* cboHistory = nullptr;
    TCopyMenu* mnuEditCopy = nullptr;
    QMenu* mnuColorPop = nullptr;
    TCopyMenu* mnuPopCopy = nullptr;
    TfrmOptions* frmOptions = nullptr;
    TfrmImport* frmImport = nullptr;
    TfrmExport* frmExport = nullptr;
    int m_importScroll = 0;
    QToolBar* tlbMain = nullptr;
    TPaintBox* pbTopBar = nullptr;
    TPaintBox* pbBase = nullptr;
    std::array<TPaintBox*, 3> m_rgbBars{};
    std::array<TPaintBox*, 2> m_slBars{};
    std::array<QLineEdit*, 3> m_rgbBoxes{};
    std::array<QLineEdit*, 2> m_slBoxes{};
    QLineEdit* txtHex = nullptr;
    QLabel* imgwebsafe = nullptr;
    QLabel* imgnotwebsafe = nullptr;
    QLabel* lblWebsafe = nullptr;
    QPushButton* cmdDummy = nullptr;
    QTabBar* tabDisplay = nullptr;
    TWheelView* picWheel = nullptr;
    TfraBoxes* fraBoxes = nullptr;
    TfraHarmonies* fraHarmonies = nullptr;
    TfraSuggested* fraSuggested = nullptr;
    TPaletteView* pbPalette = nullptr;
    QToolButton* cmdMatchDrop = nullptr;
    QMenu* mnuMatchPop = nullptr;
    QAction* mnuRYB = nullptr;
    QAction* mnuRGB = nullptr;
    QAction* mnuMPColorWheel = nullptr;
    QAction* mnuMPColorSwatches = nullptr;
    QAction* m_matchStyleMenu = nullptr;
    QLabel* m_statusPanels[2] = {nullptr, nullptr};
    QToolButton* tbBaseWebsafe = nullptr;
    QToolButton* tbBack = nullptr;
    QToolButton* tbForward = nullptr;
    QToolButton* tbOnTop = nullptr;

    // menu entries that change at run time
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditWebsafe = nullptr;
    QAction* mnuAdjustWebsafeSnapSafe = nullptr;
    QAction* mnuAdjustWebsafeSnapSmart = nullptr;
    QAction* mnuRYB1 = nullptr;
    QAction* mnuRGB1 = nullptr;
    QAction* mnuMPColorWheel1 = nullptr;
    QAction* mnuMPColorSwatches1 = nullptr;
    QAction* actOnTop = nullptr;
    std::array<QAction*, 9> m_blindItems{};
};
