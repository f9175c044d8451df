#include "TfrmStudioMain.h"

#include "ColorText.h"
#include "DisplayColor.h"
#include "HSLUtils.h"
#include "PalettePicture.h"
#include "TColorHistory.h"
#include "TCopyMenu.h"
#include "TFavoritesList.h"
#include "TFavoritesPanel.h"
#include "TFavoritesView.h"
#include "THistoryCombo.h"
#include "TPaintBox.h"
#include "TPaletteView.h"
#include "TSchemeDocument.h"
#include "TStudioSession.h"
#include "TStudioHelp.h"
#include "TStudioTools.h"
#include "TopBarPicture.h"
#include "TWheelView.h"
#include "TfraBaseColor.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "TfrmOptions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {
constexpr int kClientWidth = 594;
constexpr int kClientHeight = 412;
constexpr int kTitleX[2] = {8, 168}; // the favourites panel draws its own title
} // namespace

TfrmStudioMain::TfrmStudioMain(QWidget* parent)
    : TfrmStudioMain(Options{}, parent)
{
}

TfrmStudioMain::TfrmStudioMain(Options options, QWidget* parent)
    : QMainWindow(parent)
    , m_options(std::move(options))
    , m_settings(m_options.settingsPath)
    , m_session(new TStudioSession(this))
    , m_lifeCycle(*m_session, m_settings)
    , m_actions(this)
    , m_toolWindows(new TStudioTools(*m_session, *this, m_settings, this))
    , m_help(new TStudioHelp(m_settings, this))
{
    setObjectName(QStringLiteral("TfrmStudioMain"));
    setWindowTitle(QStringLiteral("Tintvale Studio"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(UiFont());

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(m_client);

    buildActions();
    buildMenus();
    buildToolbar();
    buildBaseColumn();
    buildCentre();
    buildStatusBar();
    buildFavorites();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connectSession();
    startUp();
}

TfrmStudioMain::~TfrmStudioMain()
{
    // Tearing the window down moves the focus out of the boxes and the
    // views; nothing may react to that any more.
    for (QObject* o : std::initializer_list<QObject*>{m_session, &m_session->history(), &m_session->favorites(),
                                                      &m_session->document(), fraBase, m_favPanel})
        o->blockSignals(true);
}

QFont TfrmStudioMain::UiFont()
{
    // Without the classic UI font, the metric-compatible sans of the desktop
    // stands in. A substitute is only tried when the family itself is missing,
    // so this needs no look-up in the font list first.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

void TfrmStudioMain::WarmUpFonts()
{
    (void)QFontMetrics(UiFont()).horizontalAdvance(QStringLiteral("Web"));
}

void TfrmStudioMain::SetBaseColor(TColor color) { m_session->SetBaseColor(color); }
TColor TfrmStudioMain::WorkingColor() const { return m_session->WorkingColor(); }
TColor TfrmStudioMain::PendingColor() const { return m_session->PendingColor(); }
const TWheelColors& TfrmStudioMain::WheelColors() const { return m_session->WheelColors(); }
int TfrmStudioMain::WebSnapMode() const { return m_session->WebSnapMode(); }
bool TfrmStudioMain::isModified() const { return m_session->isModified(); }
TFavoritesList& TfrmStudioMain::favorites() const { return m_session->favorites(); }
TColorHistory& TfrmStudioMain::history() const { return m_session->history(); }
TSchemeDocument& TfrmStudioMain::document() const { return m_session->document(); }

void TfrmStudioMain::showFavoritesEnd() { m_favPanel->showEnd(); }
void TfrmStudioMain::repaintFavorites() { m_favPanel->view()->refresh(); }
int TfrmStudioMain::favoritesScrollMaximum() const { return m_favPanel->view()->scrollMaximum(); }
void TfrmStudioMain::setFavoritesScrollPosition(int pos) { m_favPanel->setScrollPosition(pos); }

int TfrmStudioMain::ask(const QString& text)
{
    if (m_question)
        return m_question(text);
    return QMessageBox::question(this, QStringLiteral("Tintvale Studio"), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void TfrmStudioMain::inform(const QString& text)
{
    if (m_inform)
        m_inform(text);
    else
        QMessageBox::information(this, QStringLiteral("Tintvale Studio"), text);
}

// Every command of the menus, the matching-colours menu and the pop-up menu.
void TfrmStudioMain::buildActions()
{
    TStudioSession& s = *m_session;
    const auto key = [](QKeyCombination k) { return QKeySequence(k); };
    m_actions.add({
        {"mnuFileNew", "New Scheme", key(Qt::CTRL | Qt::Key_N), [this] { mnuFileNewClick(); }},
        {"mnuFileOpen", "&Open...", key(Qt::CTRL | Qt::Key_O), [this] { mnuFileOpenClick(); }},
        {"mnuFileOpenWeb", "Open from Web...", {}, [this] { m_help->openSitePage(QStringLiteral("/schemes/")); }},
        {"mnuFileSave", "&Save", key(Qt::CTRL | Qt::Key_S), [this] { mnuFileSaveClick(); }},
        {"mnuFileSaveAs", "Save As...", {}, [this] { mnuFileSaveAsClick(); }},
        {"mnuFileImport", "&Import Wizard...", {}, [this] { mnuFileImportClick(); }},
        {"mnuFileExport", "&Export Wizard...", {}, [this] { mnuFileExportClick(); }},
        {"mnuFilePrint", "Print...", {}, [this] { m_toolWindows->showPrint(); }},
        {"mnuFileExit", "E&xit", {}, [this] { close(); }},
        {"mnuEditUndo", "&Undo", key(Qt::CTRL | Qt::Key_Z), [&s] { s.history().Back(); }, false},
        {"mnuEditRedo", "&Redo", key(Qt::CTRL | Qt::Key_Y), [&s] { s.history().Forward(); }, false},
        {"mnuEditOptions", "&Preferences...", {}, [this] {
             if (!frmOptions)
                 createOptionsWindow(); // built when first asked for: start-up stays short
             frmOptions->exec();
         }},
        {"mnuPopSetBase", "Set as Base Color", {}, [&s] { s.SetBaseColor(s.PendingColor()); }},
        {"mnuAdjustWebsafeSnapSafe", "Snap to Websafe palette", {}, [this] { mnuAdjustWebsafeSnapSmartClick(0); }, true, true},
        {"mnuAdjustWebsafeSnapSmart", "Snap to WebSmart palette", {}, [this] { mnuAdjustWebsafeSnapSmartClick(1); }, true, true},
        {"mnuEditWebsafe", "Make &Websafe", key(Qt::CTRL | Qt::Key_W), [this] { tbWebsafeClick(); }},
        {"mnuEditRandomize", "Randomize!", key(Qt::CTRL | Qt::Key_R), [this] { cmdRandomizeClick(); }},
        {"ScreenColorPicker1", "Screen Color &Picker", key(Qt::Key_F3), [this] { m_toolWindows->startPicking(); }},
        {"mnuToolsPicture", "P&icturist...", key(Qt::CTRL | Qt::Key_H), [this] { m_toolWindows->showPicture(); }},
        {"ColorMixer1", "Color &Mixer", key(Qt::CTRL | Qt::Key_M), [this] { m_toolWindows->showMixer(); }},
        {"mnuToolsAnalyzer", "Color Scheme &Analyzer", key(Qt::CTRL | Qt::Key_A), [this] { m_toolWindows->showAnalyzer(); }},
        {"mnuToolsQuickPreview", "Quick&Preview", key(Qt::CTRL | Qt::Key_P), [this] { m_toolWindows->showPreview(); }},
        {"mnuToolsPantone", "Pantone Lookup", {}, [this] { m_toolWindows->showPantone(); }},
        {"mnuRYB1", "Traditional Color Wheel (RYB)", {}, [&s] { s.setRybMode(true); }, true, true},
        {"mnuRGB1", "Computer Color Wheel (RGB)", {}, [&s] { s.setRybMode(false); }, true, true},
        {"mnuRYB", "Traditional Color Wheel (RYB)", {}, [&s] { s.setRybMode(true); }, true, true},
        {"mnuRGB", "Computer Color Wheel (RGB)", {}, [&s] { s.setRybMode(false); }, true, true},
        {"mnuMPColorWheel1", "Color Wheel", {}, [this] { setWheelStyle(true); }, true, true},
        {"mnuMPColorSwatches1", "Color Swatches", {}, [this] { setWheelStyle(false); }, true, true},
        {"mnuMPColorWheel", "Color Wheel", {}, [this] { setWheelStyle(true); }, true, true},
        {"mnuMPColorSwatches", "Color Swatches", {}, [this] { setWheelStyle(false); }, true, true},
        {"mnuViewSortColor", "by Color", {}, [this] { m_favPanel->sortByColor(); }},
        {"mnuViewSortSaturation", "by Saturation", {}, [this] { m_favPanel->sortBySaturation(); }},
        {"mnuViewSortLightness", "by Lightness", {}, [this] { m_favPanel->sortByLightness(); }},
        {"mnuHelpHelp", "Tintvale Studio Help", key(Qt::Key_F1), [this] { m_help->showHelp(); }, true, false, true},
        {"mnuHelpUpdates", "Check for Updates...", {}, [this] { m_help->checkForUpdates(m_actions[QStringLiteral("mnuHelpUpdates")]); }},
        {"mnuHelpWebsite", "Tintvale Website", {}, [this] { m_help->openSitePage(QStringLiteral("/")); }},
        {"mnuHelpTutorial", "Tintvale Gallery", {}, [this] { m_help->openSitePage(QStringLiteral("/schemes/")); }},
        {"mnuHelpForums", "Tintvale Forums", {}, [this] { m_help->openSitePage(QStringLiteral("/forums")); }},
        {"mnuHelpAbout", "About Tintvale Studio", {}, [this] { m_help->showAbout(); }},
    });
    for (const ColorVision::ModeInfo& info : ColorVision::kModes)
        m_actions.add({{info.menuName, info.caption, {}, [&s, mode = int(info.mode)] { s.setVisionMode(mode); }, true, true}});

    m_actions.group({"mnuAdjustWebsafeSnapSafe", "mnuAdjustWebsafeSnapSmart"}, "mnuAdjustWebsafeSnapSafe");
    m_actions.group({"mnuRYB1", "mnuRGB1"}, "mnuRYB1");
    m_actions.group({"mnuRYB", "mnuRGB"}, "mnuRYB");
    m_actions.group({"mnuMPColorWheel1", "mnuMPColorSwatches1"}, "mnuMPColorWheel1");
    m_actions.group({"mnuMPColorWheel", "mnuMPColorSwatches"}, "mnuMPColorWheel");
    QActionGroup* vision = m_actions.group({"mnuViewBlindNormal"}, "mnuViewBlindNormal");
    for (const ColorVision::ModeInfo& info : ColorVision::kModes)
        vision->addAction(m_actions[QLatin1String(info.menuName)]);
}

void TfrmStudioMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));
    const auto menu = [bar](QMenu* parent, const char* name, const char* caption) {
        return TActionTable::addMenu(bar, parent, QLatin1String(name), QString::fromUtf8(caption));
    };

    m_actions.fill(menu(nullptr, "mnuFile", "&File"),
                   {"mnuFileNew", "-", "mnuFileOpen", "mnuFileOpenWeb", "-", "mnuFileSave", "mnuFileSaveAs", "-",
                    "mnuFileImport", "mnuFileExport", "-", "mnuFilePrint", "-", "mnuFileExit"});

    QMenu* edit = menu(nullptr, "mnuEdit", "&Edit");
    m_actions.fill(edit, {"mnuEditUndo", "mnuEditRedo", "-"});
    mnuEditCopy = new TCopyMenu(QStringLiteral("&Copy Base Color"), QStringLiteral("mnuEditCopy"),
                                {QStringLiteral("mnuEditCopyHex1"), QStringLiteral("mnuEditCopyHex2"), QStringLiteral("mnuEditCopyRGB")}, this);
    // Filled from the editors as they stand when it opens.
    connect(mnuEditCopy, &QMenu::aboutToShow, this, [this] {
        mnuEditCopy->loadTexts(fraBase->hexText(), fraBase->channelText(0), fraBase->channelText(1), fraBase->channelText(2));
    });
    edit->addMenu(mnuEditCopy);
    m_actions.fill(edit, {"-", "mnuEditOptions"});

    mnuColorPop = new QMenu(this);
    mnuColorPop->setObjectName(QStringLiteral("mnuColorPop"));
    mnuPopCopy = new TCopyMenu(QStringLiteral("Copy..."), QStringLiteral("mnuPopCopy"),
                               {QStringLiteral("mnuPopCopyHex1"), QStringLiteral("mnuPopCopyHex2"), QStringLiteral("mnuPopCopyRgb")}, mnuColorPop);
    mnuPopCopy->setColorSource([this] { return std::optional<TColor>(m_session->PendingColor()); });
    mnuColorPop->addMenu(mnuPopCopy);
    m_actions.fill(mnuColorPop, {"mnuPopSetBase"});

    QMenu* adjust = menu(nullptr, "mnuAdjust", "&Adjust");
    m_actions.fill(menu(adjust, "mnuAdjustWebsafe", "Websafe Mode"), {"mnuAdjustWebsafeSnapSafe", "mnuAdjustWebsafeSnapSmart"});
    m_actions.fill(adjust, {"-", "mnuEditWebsafe", "mnuEditRandomize"});

    m_actions.fill(menu(nullptr, "mnuTools", "&Tools"),
                   {"ScreenColorPicker1", "-", "mnuToolsPicture", "ColorMixer1", "mnuToolsAnalyzer", "mnuToolsQuickPreview",
                    "-", "mnuToolsPantone"});

    QMenu* view = menu(nullptr, "mnuView", "&View");
    QMenu* blind = menu(view, "mnuViewBlindness", "Color Blindness Simulation");
    for (const ColorVision::ModeInfo& info : ColorVision::kModes) {
        QAction* a = m_actions[QLatin1String(info.menuName)];
        a->setData(int(info.mode));
        blind->addAction(a);
        if (info.separatorAfter)
            blind->addSeparator();
    }
    view->addSeparator();
    m_actions.fill(menu(view, "mnuViewWheelMode", "Color Wheel Mode"), {"mnuRYB1", "mnuRGB1"});
    m_actions.fill(menu(view, "mnuViewWheelStyle", "Color Wheel Style"), {"mnuMPColorWheel1", "mnuMPColorSwatches1"});
    view->addSeparator();
    m_actions.fill(menu(view, "mnuViewSort", "Sort Favorite Colors..."),
                   {"mnuViewSortColor", "mnuViewSortSaturation", "mnuViewSortLightness"});

    m_actions.fill(menu(nullptr, "mnuHelp", "&Help"),
                   {"mnuHelpHelp", "-", "mnuHelpUpdates", "mnuHelpWebsite", "mnuHelpTutorial", "mnuHelpForums", "-",
                    "mnuHelpAbout"});
}

void TfrmStudioMain::buildToolbar()
{
    tlbMain = new QToolBar(m_client);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setGeometry(0, 0, 440, 30);
    tlbMain->setIconSize(QSize(16, 16));
    tlbMain->setMovable(false);
    m_tools = m_actions.addTools(tlbMain, {
        {"tbNew", "New Scheme", [this] { mnuFileNewClick(); }},
        {"tbOpen", "Open Scheme", [this] { mnuFileOpenClick(); }},
        {"tbSave", "Save Scheme", [this] { mnuFileSaveClick(); }},
        {},
        {"tbCopyBase", "Copy HEX", [this] { CopyTextToClipboard(fraBase->hexText()); }},
        {"tbBaseWebsafe", "Make Websafe", [this] { tbWebsafeClick(); }},
        {"tbRandomizeBase", "Randomize!", [this] { cmdRandomizeClick(); }},
        {},
        {"tbPicker", "Screen Color Picker", [this] { m_toolWindows->startPicking(); }},
        {"tbPhotoScheme", "Picturist", {}, true, true},
        {"tbColorMixer", "Color Mixer", {}, true, true},
        {"tbAnalyzer", "Color Scheme Analyzer", {}, true, true},
        {"tbQuickPreview", "QuickPreview", {}, true, true},
        {},
        {"tbOnTop", "Always On Top", {}, true, true},
    });
    QToolButton* copyBase = m_tools.value(QStringLiteral("tbCopyBase"));
    copyBase->setPopupMode(QToolButton::MenuButtonPopup);
    copyBase->setMenu(mnuEditCopy);
    connect(m_tools.value(QStringLiteral("tbOnTop")), &QToolButton::toggled, this, [this](bool down) {
        const QPoint pos = this->pos();
        setWindowFlag(Qt::WindowStaysOnTopHint, down);
        move(pos);
        show();
    });

    // History navigation at the top right.
    auto* historyLabel = new QLabel(QStringLiteral("History:"), m_client);
    historyLabel->setObjectName(QStringLiteral("lblHistory"));
    historyLabel->setGeometry(398, 8, 46, 14);
    TColorHistory& history = m_session->history();
    for (const auto& [name, hint, x, step] : {std::tuple{"tbBack", "Back", 444, &TColorHistory::Back},
                                              std::tuple{"tbForward", "Forward", 466, &TColorHistory::Forward}}) {
        QToolButton* b = TActionTable::makeToolButton(m_client, QLatin1String(name), QLatin1String(hint));
        b->setGeometry(x, 4, 22, 22);
        b->setEnabled(false);
        connect(b, &QToolButton::clicked, this, [&history, step] { (history.*step)(); });
        m_tools.insert(b->objectName(), b);
    }
    cboHistory = new THistoryCombo(&history, m_client);
    cboHistory->setObjectName(QStringLiteral("cboHistory"));
    cboHistory->setGeometry(492, 5, 100, 20);
}

void TfrmStudioMain::buildBaseColumn()
{
    pbTopBar = new TPaintBox(QStringLiteral("pbTopBar"), m_client);
    pbTopBar->setGeometry(0, 30, kClientWidth, 24);
    pbTopBar->setRenderer([](QPainter& p, const QSize& s) { TopBarPicture::Render(p, s, kTitleX); });

    TStudioSession& s = *m_session;
    fraBase = new TfraBaseColor(m_client);
    connect(fraBase, &TfraBaseColor::workingColorEdited, &s, &TStudioSession::setWorkingColor);
    connect(fraBase, &TfraBaseColor::commitRequested, this, [&s] { s.SetBaseColor(s.WorkingColor()); });
    connect(fraBase, &TfraBaseColor::websafeRequested, this, &TfrmStudioMain::tbWebsafeClick);
    connect(fraBase, &TfraBaseColor::adjustRequested, this, [&s](int saturation, int lightness) {
        s.adjustBase(saturation * s.saturationStep(), lightness * s.lightStep());
    });
    connect(fraBase, &TfraBaseColor::colorPressed, &s, &TStudioSession::setPendingColor);
    connect(fraBase, &TfraBaseColor::contextMenuRequested, this, &TfrmStudioMain::showColorPopup);
    connect(fraBase, &TfraBaseColor::dragStarted, &s, &TStudioSession::setPendingColor);
    connect(fraBase, &TfraBaseColor::dragFinished, &s, &TStudioSession::resetPendingColor);
    connect(fraBase, &TfraBaseColor::colorDropped, &s, &TStudioSession::SetBaseColor);

    cmdDummy = new QPushButton(QStringLiteral("Dummy"), m_client);
    cmdDummy->setObjectName(QStringLiteral("cmdDummy"));
    cmdDummy->setGeometry(0, 1000, 10, 10); // out of sight: it only holds the keyboard focus
}

void TfrmStudioMain::buildStatusBar()
{
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("sb"));
    sb->setSizeGripEnabled(false);
    const int widths[2] = {110, 90};
    for (int i = 0; i < 2; ++i) {
        m_statusPanels[i] = new QLabel(sb);
        m_statusPanels[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        m_statusPanels[i]->setMinimumWidth(widths[i]);
        sb->addWidget(m_statusPanels[i]);
    }
}

void TfrmStudioMain::buildFavorites()
{
    TStudioSession& s = *m_session;
    m_favPanel = new TFavoritesPanel(&s.favorites(), m_client);
    m_favPanel->move(TFavoritesPanel::kOrigin);
    connect(m_favPanel, &TFavoritesPanel::baseColorRequested, &s, &TStudioSession::SetBaseColor);
    connect(m_favPanel, &TFavoritesPanel::importRequested, this, &TfrmStudioMain::mnuFileImportClick);
    connect(m_favPanel, &TFavoritesPanel::exportRequested, this, &TfrmStudioMain::mnuFileExportClick);
    connect(m_favPanel, &TFavoritesPanel::focusDummyRequested, this, [this] { cmdDummy->setFocus(); });
    connect(m_favPanel, &TFavoritesPanel::dropCompleted, &s, &TStudioSession::resetPendingColor);
    cmdDummy->installEventFilter(this);
    // In the main window the Delete key deletes favourites only while the
    // hidden focus button has the focus (see eventFilter), not from every control.
    m_favPanel->deleteAction()->setShortcutContext(Qt::WidgetShortcut);
}

void TfrmStudioMain::connectSession()
{
    TStudioSession& s = *m_session;
    connect(&s, &TStudioSession::baseColorCommitted, fraBase, &TfraBaseColor::showCommittedColor);
    connect(&s, &TStudioSession::workingColorChanged, fraBase, &TfraBaseColor::setWorkingColor);
    connect(&s, &TStudioSession::wheelColorsChanged, this, &TfrmStudioMain::refreshDerivedView);
    connect(&s, &TStudioSession::baseColorSet, this, [this] {
        refreshStatus();
        updateNavigationEnabling();
    });
    connect(&s, &TStudioSession::rybModeChanged, this, [this](bool ryb) {
        m_actions[ryb ? QStringLiteral("mnuRYB") : QStringLiteral("mnuRGB")]->setChecked(true);
        m_actions[ryb ? QStringLiteral("mnuRYB1") : QStringLiteral("mnuRGB1")]->setChecked(true);
    });
    connect(&s, &TStudioSession::webSnapModeChanged, this, &TfrmStudioMain::applyWebsafeWording);
    connect(&s, &TStudioSession::visionModeChanged, this, &TfrmStudioMain::applyDisplay);
    connect(&s.history(), &TColorHistory::navigationChanged, this, &TfrmStudioMain::updateNavigationEnabling);
    connect(&s.document(), &TSchemeDocument::captionChanged, this, &TfrmStudioMain::updateCaption);
    connect(&s.favorites(), &TFavoritesList::modifiedChanged, this, &TfrmStudioMain::updateCaption);
}

void TfrmStudioMain::createOptionsWindow()
{
    TStudioSession& s = *m_session;
    OptionsTarget target;
    target.applySteps = [&s](int lightStep, int satStep) { s.setSteps(lightStep, satStep); };
    target.clearHistory = [&s] { s.history().ClearHistory(s.baseColor()); };
    target.applyNameStyle = [this, &s](int style) {
        s.favorites().setNameStyle(style);
        s.favorites().reapplyNameStyle(style);
        // The remaining favourites settings take effect with the same Apply.
        s.favorites().setExpandedStyle(m_settings.readBool(SettingKey::FavStyleExp));
        m_favPanel->setDeleteWarning(m_settings.readBool(SettingKey::FavDelWarn));
    };
    target.applyPalette = [this](int kind) { pbPalette->setKind(Workspace::PaletteKindFromValue(kind)); };
    target.palettePicture = [](int kind) { return Workspace::BuildPalettePicture(Workspace::PaletteKindFromValue(kind)); };
    target.applyWebsafeMode = [this, &s](int mode) {
        s.setWebSnapMode(mode);
        applyWebsafeWording(s.WebSnapMode());
    };
    frmOptions = new TfrmOptions(m_settings, std::move(target), this);
}

void TfrmStudioMain::startUp()
{
    applyWebsafeWording(0);
    const QScreen* screen = QGuiApplication::primaryScreen();
    QList<QRect> areas;
    if (screen)
        areas << screen->availableGeometry();
    for (const QScreen* other : QGuiApplication::screens())
        if (other != screen)
            areas << other->availableGeometry();
    const TStudioLifeCycle::StartUp start =
        m_lifeCycle.start(sizeHint(), screen ? QRect(QPoint(), screen->size()) : QRect(0, 0, 1024, 768), areas);
    const TWindowSettings& w = start.window;
    pbPalette->setKind(Workspace::PaletteKindFromValue(w.palette));
    setWheelStyle(w.wheelStyle);
    move(w.position);
    if (w.selectedTab >= 0 && w.selectedTab < tabDisplay->count())
        tabDisplay->setCurrentIndex(w.selectedTab);
    tabDisplayChange(tabDisplay->currentIndex());
    if (w.onTop)
        m_tools.value(QStringLiteral("tbOnTop"))->setChecked(true);
    m_favPanel->setDeleteWarning(w.deleteWarning);
    for (const QString& message : start.messages)
        warnAboutFile(message, m_lifeCycle.sessionFilePath());
    updateNavigationEnabling();
    updateCaption();
    m_toolWindows->attach(m_tools); // the toggle buttons of the tool windows
    m_actions[QStringLiteral("mnuFileSaveAs")]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

TWindowSettings TfrmStudioMain::windowSettings() const
{
    TWindowSettings w;
    w.position = pos();
    w.selectedTab = tabDisplay->currentIndex();
    w.wheelStyle = wheelStyleShown();
    w.onTop = m_tools.value(QStringLiteral("tbOnTop"))->isChecked();
    w.tools = m_toolWindows->closingSettings();
    return w;
}

void TfrmStudioMain::writeClosingSettings(bool quiet)
{
    const QString error = m_lifeCycle.close(windowSettings());
    if (!error.isEmpty() && !quiet)
        inform(error);
}

// The base colour's no-change shortcut applies only while the window is shown.
void TfrmStudioMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_session->setShown(true);
}

void TfrmStudioMain::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        m_session->setShown(false);
}

void TfrmStudioMain::closeEvent(QCloseEvent* event)
{
    if (m_closedWithoutQuestions) {
        event->accept();
        return;
    }
    if (m_lifeCycle.closeNeedsQuestion()) {
        const int answer = ask(QStringLiteral("Your current color scheme has changed.  Save before exiting?"));
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Yes)
            mnuFileSaveClick(); // closes even when the Save As dialog is cancelled: the session keeps the favourites
    }
    writeClosingSettings(false);
    event->accept();
}

void TfrmStudioMain::closeWithoutQuestions()
{
    if (m_closedWithoutQuestions)
        return;
    m_closedWithoutQuestions = true;
    writeClosingSettings(true);
    close();
}

void TfrmStudioMain::receiveHandOver(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    if (!askToSaveFirst(QStringLiteral("Your current color scheme has changed.  Save before opening a new scheme?")))
        return;
    openSchemeFile(path);
    raise();
    activateWindow();
}

void TfrmStudioMain::wheelEvent(QWheelEvent* event)
{
    // Anywhere over the window the wheel scrolls the favourites.
    m_favPanel->scrollByWheel(event->angleDelta().y());
    event->accept();
}

bool TfrmStudioMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmdDummy && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_favPanel->deleteSelectedAsking();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmStudioMain::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (!m_firstPaintSeen) {
        m_firstPaintSeen = true;
        emit firstPainted();
        if (m_options.quitAfterFirstPaint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void TfrmStudioMain::showColorPopup(TColor color, QPoint globalPos)
{
    m_session->setPendingColor(color);
    mnuColorPop->popup(globalPos);
}

void TfrmStudioMain::refreshStatus()
{
    m_session->settleWorkingColor();
    m_statusPanels[0]->setText(ColorText::StatusRgbText(fraBase->channelText(0), fraBase->channelText(1), fraBase->channelText(2)));
    m_statusPanels[1]->setText(ColorText::StatusHexText(m_session->WorkingColor()));
}

void TfrmStudioMain::updateNavigationEnabling()
{
    const TColorHistory& h = m_session->history();
    m_tools.value(QStringLiteral("tbBack"))->setEnabled(h.backEnabled());
    m_actions[QStringLiteral("mnuEditUndo")]->setEnabled(h.backEnabled());
    m_tools.value(QStringLiteral("tbForward"))->setEnabled(h.forwardEnabled());
    m_actions[QStringLiteral("mnuEditRedo")]->setEnabled(h.forwardEnabled());
}

// The wording of the snap mode: the websafe buttons' hints, the Adjust
// menu's command, the checked mode, the favourites' marks and the status line.
void TfrmStudioMain::applyWebsafeWording(int mode)
{
    const bool smart = mode == 1;
    m_tools.value(QStringLiteral("tbBaseWebsafe"))->setToolTip(smart ? QStringLiteral("Make WebSmart") : QStringLiteral("Make Websafe"));
    m_actions[QStringLiteral("mnuEditWebsafe")]->setText(smart ? QStringLiteral("Make &WebSmart") : QStringLiteral("Make &Websafe"));
    m_actions[smart ? QStringLiteral("mnuAdjustWebsafeSnapSmart") : QStringLiteral("mnuAdjustWebsafeSnapSafe")]->setChecked(true);
    m_favPanel->setSnapMode(mode);
    fraBase->setSnapMode(mode);
}

void TfrmStudioMain::applyDisplay(const TDisplayMapper& display)
{
    m_actions[QLatin1String(ColorVision::kModes[display.mode()].menuName)]->setChecked(true);
    // Favourites first, then the base column, then the visible derived view.
    m_favPanel->setDisplayMapper(display);
    fraBase->setDisplayMapper(display);
    picWheel->setDisplayMapper(display);
    if (fraHarmonies)
        fraHarmonies->setDisplayMapper(display);
    if (fraSuggested)
        fraSuggested->setDisplayMapper(display);
    pbPalette->setDisplayMapper(display);
}

void TfrmStudioMain::tbWebsafeClick()
{
    m_session->SetBaseColor(HSLUtils::SnapWebColor(fraBase->boxColor(), m_session->WebSnapMode()));
}

void TfrmStudioMain::mnuAdjustWebsafeSnapSmartClick(int mode)
{
    // Choosing the checked mode again changes nothing.
    if (mode == m_session->WebSnapMode())
        return;
    m_settings.writeInt(SettingKey::WebsafeMode, mode);
    m_session->setWebSnapMode(mode);
}

void TfrmStudioMain::cmdRandomizeClick()
{
    QRandomGenerator rng(quint32(QDateTime::currentMSecsSinceEpoch()));
    const int r = int(rng.bounded(256)), g = int(rng.bounded(256)), b = int(rng.bounded(256));
    m_session->SetBaseColor(MakeColor(r, g, b));
}
