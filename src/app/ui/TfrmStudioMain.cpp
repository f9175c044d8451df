#include "TfrmStudioMain.h"

#include "BaseEditorsRender.h"
#include "DisplayColor.h"
#include "HSLUtils.h"
#include "paint/StudioIcons.h"
#include "TColorHistory.h"
#include "TCopyMenu.h"
#include "TFavoritesPanel.h"
#include "TFavoritesView.h"
#include "THistoryCombo.h"
#include "TFavoritesList.h"
#include "TPaintBox.h"
#include "TSchemeDocument.h"
#include "TfrmOptions.h"
#include "PalettePicture.h"
#include "TPaletteView.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QScrollBar>
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
{
    setObjectName(QStringLiteral("TfrmStudioMain"));
    setWindowTitle(QStringLiteral("Tintvale Studio"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(UiFont());

    m_favorites = new TFavoritesList(this);
    m_history = new TColorHistory(this);
    m_document = new TSchemeDocument(this);
    connect(m_history, &TColorHistory::applyRequested, this, &TfrmStudioMain::SetBaseColor);
    connect(m_history, &TColorHistory::navigationChanged, this, &TfrmStudioMain::updateNavigationEnabling);
    connect(m_document, &TSchemeDocument::captionChanged, this, &TfrmStudioMain::updateCaption);
    connect(m_favorites, &TFavoritesList::modifiedChanged, this, &TfrmStudioMain::updateCaption);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(m_client);

    buildMenus();
    buildToolbar();
    buildBaseColumn();
    buildCentre();
    buildStatusBar();
    buildFavorites();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    startUp();
}

void TfrmStudioMain::createOptionsWindow()
{
    OptionsTarget target;
    target.applySteps = [this](int lightStep, int satStep) {
        m_lightStep = lightStep;
        m_satStep = satStep;
    };
    target.clearHistory = [this] { m_history->ClearHistory(m_wheelColors[0]); };
    target.applyNameStyle = [this](int style) {
        m_favorites->setNameStyle(style);
        m_favorites->reapplyNameStyle(style);
        // The remaining favourites settings take effect with the same Apply.
        m_favorites->setExpandedStyle(m_settings.readBool(SettingKey::FavStyleExp));
        m_favPanel->setDeleteWarning(m_settings.readBool(SettingKey::FavDelWarn));
    };
    target.applyPalette = [this](int kind) { pbPalette->setKind(Workspace::PaletteKindFromValue(kind)); };
    target.palettePicture = [](int kind) { return Workspace::BuildPalettePicture(Workspace::PaletteKindFromValue(kind)); };
    target.applyWebsafeMode = [this](int mode) {
        m_webSnapMode = mode;
        m_favPanel->setSnapMode(mode);
        mnuAdjustWebsafeSnapSafe->setChecked(mode == 0);
        mnuAdjustWebsafeSnapSmart->setChecked(mode == 1);
        applyWebsafeWording();
        updateWebsafeStatus();
    };
    frmOptions = new TfrmOptions(m_settings, std::move(target), this);
}

TfrmStudioMain::~TfrmStudioMain() = default;

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

QAction* TfrmStudioMain::makeAction(const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

QToolButton* TfrmStudioMain::makeToolButton(QWidget* parent, const QString& name, const QString& hint, QAction* action)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    if (action)
        b->setDefaultAction(action);
    b->setIcon(StudioIcons::Icon(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

int TfrmStudioMain::ask(const QString& text)
{
    if (m_question)
        return m_question(text);
    return QMessageBox::question(this, QStringLiteral("Tintvale Studio"), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void TfrmStudioMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));
    auto menu = [&](QMenu* parentMenu, const QString& name, const QString& caption) {
        QMenu* m = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    auto later = [](QAction* a) {
        // Commands whose windows are not part of this build yet.
        a->setEnabled(false);
        return a;
    };

    QMenu* file = menu(nullptr, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    file->addAction((makeAction(QStringLiteral("mnuFileNew"), QStringLiteral("New Scheme"), QKeySequence(Qt::CTRL | Qt::Key_N))));
    file->addSeparator();
    file->addAction((makeAction(QStringLiteral("mnuFileOpen"), QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O))));
    file->addAction(later(makeAction(QStringLiteral("mnuFileOpenWeb"), QStringLiteral("Open from Web..."))));
    file->addSeparator();
    file->addAction((makeAction(QStringLiteral("mnuFileSave"), QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S))));
    file->addAction((makeAction(QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save As..."))));
    connect(findChild<QAction*>(QStringLiteral("mnuFileNew")), &QAction::triggered, this, &TfrmStudioMain::mnuFileNewClick);
    connect(findChild<QAction*>(QStringLiteral("mnuFileOpen")), &QAction::triggered, this, &TfrmStudioMain::mnuFileOpenClick);
    connect(findChild<QAction*>(QStringLiteral("mnuFileSave")), &QAction::triggered, this, &TfrmStudioMain::mnuFileSaveClick);
    connect(findChild<QAction*>(QStringLiteral("mnuFileSaveAs")), &QAction::triggered, this, &TfrmStudioMain::mnuFileSaveAsClick);
    file->addSeparator();
    QAction* importWizard = makeAction(QStringLiteral("mnuFileImport"), QStringLiteral("&Import Wizard..."));
    connect(importWizard, &QAction::triggered, this, &TfrmStudioMain::mnuFileImportClick);
    file->addAction(importWizard);
    QAction* exportWizard = makeAction(QStringLiteral("mnuFileExport"), QStringLiteral("&Export Wizard..."));
    connect(exportWizard, &QAction::triggered, this, &TfrmStudioMain::mnuFileExportClick);
    file->addAction(exportWizard);
    file->addSeparator();
    file->addAction(later(makeAction(QStringLiteral("mnuFilePrint"), QStringLiteral("Print..."))));
    file->addSeparator();
    QAction* exitAction = makeAction(QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    file->addAction(exitAction);

    QMenu* edit = menu(nullptr, QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    mnuEditUndo = makeAction(QStringLiteral("mnuEditUndo"), QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = makeAction(QStringLiteral("mnuEditRedo"), QStringLiteral("&Redo"));
    mnuEditUndo->setEnabled(false);
    mnuEditRedo->setEnabled(false);
    connect(mnuEditUndo, &QAction::triggered, this, [this] { m_history->Back(); });
    connect(mnuEditRedo, &QAction::triggered, this, [this] { m_history->Forward(); });
    edit->addAction(mnuEditUndo);
    edit->addAction(mnuEditRedo);
    edit->addSeparator();
    mnuEditCopy = new TCopyMenu(QStringLiteral("&Copy Base Color"), QStringLiteral("mnuEditCopy"),
                                {QStringLiteral("mnuEditCopyHex1"), QStringLiteral("mnuEditCopyHex2"), QStringLiteral("mnuEditCopyRGB")}, this);
    // Filled from the editors as they stand when it opens.
    connect(mnuEditCopy, &QMenu::aboutToShow, this, [this] {
        mnuEditCopy->loadTexts(txtHex->text(), m_rgbBoxes[0]->text(), m_rgbBoxes[1]->text(), m_rgbBoxes[2]->text());
    });
    edit->addMenu(mnuEditCopy);

    mnuColorPop = new QMenu(this);
    mnuColorPop->setObjectName(QStringLiteral("mnuColorPop"));
    mnuPopCopy = new TCopyMenu(QStringLiteral("Copy..."), QStringLiteral("mnuPopCopy"),
                               {QStringLiteral("mnuPopCopyHex1"), QStringLiteral("mnuPopCopyHex2"), QStringLiteral("mnuPopCopyRgb")}, mnuColorPop);
    mnuPopCopy->setColorSource([this] { return std::optional<TColor>(m_pendingColor); });
    mnuColorPop->addMenu(mnuPopCopy);
    QAction* setBase = makeAction(QStringLiteral("mnuPopSetBase"), QStringLiteral("Set as Base Color"));
    connect(setBase, &QAction::triggered, this, [this] { SetBaseColor(m_pendingColor); });
    mnuColorPop->addAction(setBase);
    edit->addSeparator();
    QAction* options = makeAction(QStringLiteral("mnuEditOptions"), QStringLiteral("&Preferences..."));
    connect(options, &QAction::triggered, this, [this] {
        if (!frmOptions)
            createOptionsWindow(); // built when first asked for: start-up stays short
        frmOptions->exec();
    });
    edit->addAction(options);

    QMenu* adjust = menu(nullptr, QStringLiteral("mnuAdjust"), QStringLiteral("&Adjust"));
    QMenu* websafeMode = menu(adjust, QStringLiteral("mnuAdjustWebsafe"), QStringLiteral("Websafe Mode"));
    mnuAdjustWebsafeSnapSafe = makeAction(QStringLiteral("mnuAdjustWebsafeSnapSafe"), QStringLiteral("Snap to Websafe palette"));
    mnuAdjustWebsafeSnapSmart = makeAction(QStringLiteral("mnuAdjustWebsafeSnapSmart"), QStringLiteral("Snap to WebSmart palette"));
    for (QAction* a : {mnuAdjustWebsafeSnapSafe, mnuAdjustWebsafeSnapSmart}) {
        a->setCheckable(true);
        websafeMode->addAction(a);
    }
    mnuAdjustWebsafeSnapSafe->setChecked(true);
    connect(mnuAdjustWebsafeSnapSafe, &QAction::triggered, this, [this] { mnuAdjustWebsafeSnapSmartClick(0); });
    connect(mnuAdjustWebsafeSnapSmart, &QAction::triggered, this, [this] { mnuAdjustWebsafeSnapSmartClick(1); });
    adjust->addSeparator();
    mnuEditWebsafe = makeAction(QStringLiteral("mnuEditWebsafe"), QStringLiteral("Make &Websafe"), QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(mnuEditWebsafe, &QAction::triggered, this, &TfrmStudioMain::tbWebsafeClick);
    adjust->addAction(mnuEditWebsafe);
    QAction* randomize = makeAction(QStringLiteral("mnuEditRandomize"), QStringLiteral("Randomize!"), QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(randomize, &QAction::triggered, this, &TfrmStudioMain::cmdRandomizeClick);
    adjust->addAction(randomize);

    QMenu* tools = menu(nullptr, QStringLiteral("mnuTools"), QStringLiteral("&Tools"));
    tools->addAction(later(makeAction(QStringLiteral("ScreenColorPicker1"), QStringLiteral("Screen Color &Picker"), QKeySequence(Qt::Key_F3))));
    tools->addSeparator();
    tools->addAction(later(makeAction(QStringLiteral("mnuToolsPicture"), QStringLiteral("P&icturist..."), QKeySequence(Qt::CTRL | Qt::Key_H))));
    tools->addAction(later(makeAction(QStringLiteral("ColorMixer1"), QStringLiteral("Color &Mixer"), QKeySequence(Qt::CTRL | Qt::Key_M))));
    tools->addAction(later(makeAction(QStringLiteral("mnuToolsAnalyzer"), QStringLiteral("Color Scheme &Analyzer"), QKeySequence(Qt::CTRL | Qt::Key_A))));
    tools->addAction(later(makeAction(QStringLiteral("mnuToolsQuickPreview"), QStringLiteral("Quick&Preview"), QKeySequence(Qt::CTRL | Qt::Key_P))));
    tools->addSeparator();
    tools->addAction(later(makeAction(QStringLiteral("mnuToolsPantone"), QStringLiteral("Pantone Lookup"))));

    QMenu* view = menu(nullptr, QStringLiteral("mnuView"), QStringLiteral("&View"));
    QMenu* blind = menu(view, QStringLiteral("mnuViewBlindness"), QStringLiteral("Color Blindness Simulation"));
    for (const ColorVision::ModeInfo& info : ColorVision::kModes) {
        QAction* a = makeAction(QLatin1String(info.menuName), QLatin1String(info.caption));
        a->setCheckable(true);
        a->setData(int(info.mode));
        a->setChecked(info.mode == ColorVision::Normal);
        m_blindItems[std::size_t(info.mode)] = a;
        connect(a, &QAction::triggered, this, [this, a] { mnuViewBlindNormalClick(a); });
        blind->addAction(a);
        if (info.separatorAfter)
            blind->addSeparator();
    }
    view->addSeparator();
    QMenu* wheelMode = menu(view, QStringLiteral("mnuViewWheelMode"), QStringLiteral("Color Wheel Mode"));
    mnuRYB1 = makeAction(QStringLiteral("mnuRYB1"), QStringLiteral("Traditional Color Wheel (RYB)"));
    mnuRGB1 = makeAction(QStringLiteral("mnuRGB1"), QStringLiteral("Computer Color Wheel (RGB)"));
    for (QAction* a : {mnuRYB1, mnuRGB1}) {
        a->setCheckable(true);
        wheelMode->addAction(a);
    }
    mnuRYB1->setChecked(true);
    connect(mnuRYB1, &QAction::triggered, this, [this] { mnuRYBClick(true); });
    connect(mnuRGB1, &QAction::triggered, this, [this] { mnuRYBClick(false); });
    QMenu* wheelStyle = menu(view, QStringLiteral("mnuViewWheelStyle"), QStringLiteral("Color Wheel Style"));
    mnuMPColorWheel1 = makeAction(QStringLiteral("mnuMPColorWheel1"), QStringLiteral("Color Wheel"));
    mnuMPColorSwatches1 = makeAction(QStringLiteral("mnuMPColorSwatches1"), QStringLiteral("Color Swatches"));
    for (QAction* a : {mnuMPColorWheel1, mnuMPColorSwatches1}) {
        a->setCheckable(true);
        wheelStyle->addAction(a);
    }
    mnuMPColorWheel1->setChecked(true);
    connect(mnuMPColorWheel1, &QAction::triggered, this, &TfrmStudioMain::mnuMPColorWheelClick);
    connect(mnuMPColorSwatches1, &QAction::triggered, this, &TfrmStudioMain::mnuMPColorSwatchesClick);
    view->addSeparator();
    QMenu* sort = menu(view, QStringLiteral("mnuViewSort"), QStringLiteral("Sort Favorite Colors..."));
    connect(sort->addAction(QStringLiteral("by Color")), &QAction::triggered, this, [this] { m_favPanel->sortByColor(); });
    connect(sort->addAction(QStringLiteral("by Saturation")), &QAction::triggered, this, [this] { m_favPanel->sortBySaturation(); });
    connect(sort->addAction(QStringLiteral("by Lightness")), &QAction::triggered, this, [this] { m_favPanel->sortByLightness(); });
    sort->actions().at(0)->setObjectName(QStringLiteral("mnuViewSortColor"));
    sort->actions().at(1)->setObjectName(QStringLiteral("mnuViewSortSaturation"));
    sort->actions().at(2)->setObjectName(QStringLiteral("mnuViewSortLightness"));

    QMenu* help = menu(nullptr, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    help->addAction(later(makeAction(QStringLiteral("mnuHelpContents"), QStringLiteral("Tintvale Studio Help"), QKeySequence(Qt::Key_F1))));
    help->addSeparator();
    help->addAction(later(makeAction(QStringLiteral("mnuHelpUpdates"), QStringLiteral("Check for Updates..."))));
    help->addAction(later(makeAction(QStringLiteral("mnuHelpWebsite"), QStringLiteral("Tintvale Website"))));
    help->addAction(later(makeAction(QStringLiteral("mnuHelpGallery"), QStringLiteral("Tintvale Gallery"))));
    help->addAction(later(makeAction(QStringLiteral("mnuHelpForums"), QStringLiteral("Tintvale Forums"))));
    help->addSeparator();
    help->addAction(later(makeAction(QStringLiteral("mnuHelpAbout"), QStringLiteral("About Tintvale Studio"))));
}

void TfrmStudioMain::mnuViewBlindNormalClick(QAction* item)
{
    const int mode = item->data().toInt();
    ColorVision::SetCurrentMode(mode);
    for (QAction* a : m_blindItems)
        a->setChecked(a->data().toInt() == mode);
    repaintColorViews();
}

void TfrmStudioMain::repaintColorViews()
{
    // Favourites first, then the base column, then the visible derived view.
    m_favPanel->view()->refresh();
    pbBase->renderNow();
    repaintBars();
    refreshDerivedView();
    pbPalette->rebuild();
}

void TfrmStudioMain::buildToolbar()
{
    tlbMain = new QToolBar(m_client);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setGeometry(0, 0, 440, 30);
    tlbMain->setIconSize(QSize(16, 16));
    tlbMain->setMovable(false);
    auto add = [this](const QString& name, const QString& hint, bool enabled = true, bool toggle = false) {
        QToolButton* b = makeToolButton(tlbMain, name, hint);
        b->setEnabled(enabled);
        b->setCheckable(toggle);
        tlbMain->addWidget(b);
        return b;
    };
    connect(add(QStringLiteral("tbNew"), QStringLiteral("New Scheme")), &QToolButton::clicked, this, &TfrmStudioMain::mnuFileNewClick);
    connect(add(QStringLiteral("tbOpen"), QStringLiteral("Open Scheme")), &QToolButton::clicked, this, &TfrmStudioMain::mnuFileOpenClick);
    connect(add(QStringLiteral("tbSave"), QStringLiteral("Save Scheme")), &QToolButton::clicked, this, &TfrmStudioMain::mnuFileSaveClick);
    tlbMain->addSeparator();
    QToolButton* copyBase = add(QStringLiteral("tbCopyBase"), QStringLiteral("Copy HEX"));
    copyBase->setPopupMode(QToolButton::MenuButtonPopup);
    copyBase->setMenu(mnuEditCopy);
    connect(copyBase, &QToolButton::clicked, this, [this] { CopyTextToClipboard(txtHex->text()); });
    tbBaseWebsafe = add(QStringLiteral("tbBaseWebsafe"), QStringLiteral("Make Websafe"));
    connect(tbBaseWebsafe, &QToolButton::clicked, this, &TfrmStudioMain::tbWebsafeClick);
    QToolButton* random = add(QStringLiteral("tbRandomizeBase"), QStringLiteral("Randomize!"));
    connect(random, &QToolButton::clicked, this, &TfrmStudioMain::cmdRandomizeClick);
    tlbMain->addSeparator();
    add(QStringLiteral("tbPicker"), QStringLiteral("Screen Color Picker"), false);
    add(QStringLiteral("tbPhotoScheme"), QStringLiteral("Picturist"), false, true);
    add(QStringLiteral("tbColorMixer"), QStringLiteral("Color Mixer"), false, true);
    add(QStringLiteral("tbAnalyzer"), QStringLiteral("Color Scheme Analyzer"), false, true);
    add(QStringLiteral("tbQuickPreview"), QStringLiteral("QuickPreview"), false, true);
    tlbMain->addSeparator();
    tbOnTop = add(QStringLiteral("tbOnTop"), QStringLiteral("Always On Top"), true, true);
    connect(tbOnTop, &QToolButton::toggled, this, [this](bool down) {
        const QPoint pos = this->pos();
        setWindowFlag(Qt::WindowStaysOnTopHint, down);
        move(pos);
        show();
    });

    // History navigation at the top right.
    auto* historyLabel = new QLabel(QStringLiteral("History:"), m_client);
    historyLabel->setObjectName(QStringLiteral("lblHistory"));
    historyLabel->setGeometry(398, 8, 46, 14);
    tbBack = makeToolButton(m_client, QStringLiteral("tbBack"), QStringLiteral("Back"));
    tbBack->setGeometry(444, 4, 22, 22);
    tbForward = makeToolButton(m_client, QStringLiteral("tbForward"), QStringLiteral("Forward"));
    tbForward->setGeometry(466, 4, 22, 22);
    cboHistory = new THistoryCombo(m_history, m_client);
    cboHistory->setObjectName(QStringLiteral("cboHistory"));
    cboHistory->setGeometry(492, 5, 100, 20);
    tbBack->setEnabled(false);
    tbForward->setEnabled(false);
    connect(tbBack, &QToolButton::clicked, this, [this] { m_history->Back(); });
    connect(tbForward, &QToolButton::clicked, this, [this] { m_history->Forward(); });
}

void TfrmStudioMain::buildBaseColumn()
{
    pbTopBar = new TPaintBox(QStringLiteral("pbTopBar"), m_client);
    pbTopBar->setGeometry(0, 30, kClientWidth, 24);
    pbTopBar->setRenderer([](QPainter& p, const QSize& s) { BaseEditorsRender::RenderTopBar(p, s, kTitleX); });

    pbBase = new TPaintBox(QStringLiteral("pbBase"), m_client);
    pbBase->setGeometry(8, 62, 149, 50);
    pbBase->setRenderer([this](QPainter& p, const QSize& s) { BaseEditorsRender::RenderBaseSwatch(p, s, m_workingColor); });
    connect(pbBase, &TPaintBox::mousePressed, this, &TfrmStudioMain::pbBaseMouseDown);
    connect(pbBase, &TPaintBox::mouseMoved, this, &TfrmStudioMain::pbBaseMouseMove);
    connect(pbBase, &TPaintBox::mouseReleased, this, &TfrmStudioMain::pbBaseMouseUp);
    pbBase->setAcceptDrops(true);
    pbBase->installEventFilter(this);

    auto* digits3 = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    auto makeBox = [&](const QString& name, int x, int y, const QString& initial) {
        auto* box = new QLineEdit(initial, m_client);
        box->setObjectName(name);
        box->setGeometry(x, y, 28, 18);
        box->setMaxLength(3);
        box->setValidator(digits3);
        box->installEventFilter(this);
        return box;
    };
    auto makeLabel = [&](const QString& text, int x, int y) {
        auto* l = new QLabel(text, m_client);
        l->setGeometry(x, y, 12, 15);
        return l;
    };
    static const char* const rgbNames[3][3] = {{"pbR", "txtR", "R"}, {"pbG", "txtG", "G"}, {"pbB", "txtB", "B"}};
    for (int i = 0; i < 3; ++i) {
        const int y = 124 + 21 * i;
        makeLabel(QLatin1String(rgbNames[i][2]), 8, y);
        auto* bar = new TPaintBox(QLatin1String(rgbNames[i][0]), m_client);
        bar->setGeometry(19, y, 107, 15);
        bar->setRenderer([this, i](QPainter& p, const QSize& s) {
            int marker = m_rgbMarker[i] >= 0 ? m_rgbMarker[i] : BaseEditorsRender::RgbMarkerFor(boxValue(m_rgbBoxes[i]));
            BaseEditorsRender::RenderRgbBar(p, s, BaseEditorsRender::Channel(i), boxValue(m_rgbBoxes[0]),
                                            boxValue(m_rgbBoxes[1]), boxValue(m_rgbBoxes[2]), marker);
        });
        connect(bar, &TPaintBox::mousePressed, this, [this, i](QMouseEvent* e) { pbRMouseDown(i, e); });
        connect(bar, &TPaintBox::mouseMoved, this, [this, i](QMouseEvent* e) { pbRMouseMove(i, e); });
        connect(bar, &TPaintBox::mouseReleased, this, &TfrmStudioMain::pbRMouseUp);
        m_rgbBars[i] = bar;
        m_rgbBoxes[i] = makeBox(QLatin1String(rgbNames[i][1]), 131, y - 2, QStringLiteral("255"));
        connect(m_rgbBoxes[i], &QLineEdit::textChanged, this, [this, i] { txtRChange(m_rgbBoxes[i]); });
    }
    static const char* const slNames[2][3] = {{"pbS", "txtS", "S"}, {"pbL", "txtL", "L"}};
    for (int i = 0; i < 2; ++i) {
        const int y = 192 + 21 * i;
        makeLabel(QLatin1String(slNames[i][2]), 8, y);
        auto* bar = new TPaintBox(QLatin1String(slNames[i][0]), m_client);
        bar->setGeometry(19, y, 107, 15);
        bar->setRenderer([this, i](QPainter& p, const QSize& s) {
            int marker = m_slMarker[i] >= 0 ? m_slMarker[i] : BaseEditorsRender::HslMarkerFor(boxValue(m_slBoxes[i]));
            BaseEditorsRender::RenderHslBar(p, s, BaseEditorsRender::HslComponent(i), colorFromRgbBoxes(), marker);
        });
        connect(bar, &TPaintBox::mousePressed, this, [this, i](QMouseEvent* e) { pbSMouseDown(i, e); });
        connect(bar, &TPaintBox::mouseMoved, this, [this, i](QMouseEvent* e) { pbSMouseMove(i, e); });
        connect(bar, &TPaintBox::mouseReleased, this, &TfrmStudioMain::pbRMouseUp);
        m_slBars[i] = bar;
        m_slBoxes[i] = makeBox(QLatin1String(slNames[i][1]), 131, y - 2, QStringLiteral("100"));
        connect(m_slBoxes[i], &QLineEdit::textChanged, this, [this, i] { txtSChange(m_slBoxes[i]); });
    }

    auto* hash = new QLabel(QStringLiteral("#"), m_client);
    hash->setObjectName(QStringLiteral("lblHash"));
    hash->setGeometry(8, 242, 10, 16);
    txtHex = new QLineEdit(m_client);
    txtHex->setObjectName(QStringLiteral("txtHex"));
    txtHex->setGeometry(19, 240, 60, 19);
    txtHex->setMaxLength(6);
    txtHex->installEventFilter(this);
    connect(txtHex, &QLineEdit::textChanged, this, &TfrmStudioMain::txtHexChange);

    imgwebsafe = new QLabel(m_client);
    imgwebsafe->setObjectName(QStringLiteral("imgwebsafe"));
    imgwebsafe->setPixmap(StudioIcons::WebsafeMark(true));
    imgnotwebsafe = new QLabel(m_client);
    imgnotwebsafe->setObjectName(QStringLiteral("imgnotwebsafe"));
    imgnotwebsafe->setPixmap(StudioIcons::WebsafeMark(false));
    imgnotwebsafe->installEventFilter(this);
    lblWebsafe = new QLabel(m_client);
    lblWebsafe->setObjectName(QStringLiteral("lblWebsafe"));
    lblWebsafe->installEventFilter(this);
    for (QLabel* l : {imgwebsafe, imgnotwebsafe})
        l->resize(12, 13);

    auto* adjust = new QToolBar(m_client);
    adjust->setObjectName(QStringLiteral("tlbAdjust"));
    adjust->setGeometry(19, 290, 110, 26);
    adjust->setIconSize(QSize(16, 16));
    struct B { const char* name; const char* hint; void (TfrmStudioMain::*slot)(); };
    const B buttons[] = {{"tbLighten", "Lighten", &TfrmStudioMain::tbLightenClick},
                         {"tbDarken", "Darken", &TfrmStudioMain::tbDarkenClick},
                         {"tbSaturate", "Saturate", &TfrmStudioMain::tbSaturateClick},
                         {"tbDesaturate", "Desaturate", &TfrmStudioMain::tbDesaturateClick}};
    for (const B& b : buttons) {
        QToolButton* tb = makeToolButton(adjust, QLatin1String(b.name), QLatin1String(b.hint));
        connect(tb, &QToolButton::clicked, this, b.slot);
        adjust->addWidget(tb);
    }

    cmdDummy = new QPushButton(QStringLiteral("Dummy"), m_client);
    cmdDummy->setObjectName(QStringLiteral("cmdDummy"));
    cmdDummy->setGeometry(0, 1000, 10, 10); // out of sight: it only holds the keyboard focus
}

void TfrmStudioMain::buildFavorites()
{
    m_favPanel = new TFavoritesPanel(m_favorites, m_client);
    m_favPanel->move(TFavoritesPanel::kOrigin);
    connect(m_favPanel, &TFavoritesPanel::baseColorRequested, this, &TfrmStudioMain::SetBaseColor);
    connect(m_favPanel, &TFavoritesPanel::importRequested, this, &TfrmStudioMain::mnuFileImportClick);
    connect(m_favPanel, &TFavoritesPanel::exportRequested, this, &TfrmStudioMain::mnuFileExportClick);
    connect(m_favPanel, &TFavoritesPanel::focusDummyRequested, this, [this] { cmdDummy->setFocus(); });
    connect(m_favPanel, &TFavoritesPanel::dropCompleted, this, [this] { m_pendingColor = m_wheelColors[0]; });
    cmdDummy->installEventFilter(this);
    // In the main window the Delete key deletes favourites only while the
    // hidden focus button has the focus (see eventFilter), not from every control.
    if (auto* del = m_favPanel->findChild<QAction*>(QStringLiteral("actFavDelete")))
        del->setShortcutContext(Qt::WidgetShortcut);
}

void TfrmStudioMain::showColorPopup(TColor color, QPoint globalPos)
{
    m_pendingColor = color;
    mnuColorPop->popup(globalPos);
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

void TfrmStudioMain::startUp()
{
    // Websafe or WebSmart wording, from the stored snap mode.
    int mode = m_settings.readInt(SettingKey::WebsafeMode);
    if (mode > 1 || mode < 0)
        mode = 0;
    m_webSnapMode = mode;
    mnuAdjustWebsafeSnapSafe->setChecked(mode == 0);
    mnuAdjustWebsafeSnapSmart->setChecked(mode == 1);
    applyWebsafeWording();

    int blindness = m_settings.readInt(SettingKey::Blindness);
    if (blindness < 0 || blindness > 8)
        blindness = 0;
    ColorVision::SetCurrentMode(blindness);
    for (QAction* a : m_blindItems)
        a->setChecked(a->data().toInt() == blindness);

    const bool ryb = m_settings.readBool(SettingKey::RYBMode);
    for (QAction* a : {mnuRYB, mnuRYB1})
        a->setChecked(ryb);
    for (QAction* a : {mnuRGB, mnuRGB1})
        a->setChecked(!ryb);
    const bool wheel = m_settings.readInt(SettingKey::WheelStyle) == 0;
    if (wheel)
        mnuMPColorWheelClick();
    else
        mnuMPColorSwatchesClick();
    int palette = m_settings.readInt(SettingKey::Palette);
    if (palette < 0 || palette > 2)
        palette = 0;
    pbPalette->setKind(Workspace::PaletteKindFromValue(palette));

    SetBaseColor(ColorFromValue(std::uint32_t(m_settings.readInt(SettingKey::MainBaseColor)) & 0xFFFFFF));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const QSize own = sizeHint();
    const int top = m_settings.readInt(SettingKey::MainTop, (screenSize.height() - own.height()) / 2);
    const int left = m_settings.readInt(SettingKey::MainLeft, (screenSize.width() - own.width()) / 2);
    move(left, top);

    int tab = m_settings.readInt(SettingKey::MainSelectedTab);
    if (tab >= 0 && tab < tabDisplay->count())
        tabDisplay->setCurrentIndex(tab);
    tabDisplayChange(tabDisplay->currentIndex());

    if (m_settings.readBool(SettingKey::OnTop))
        tbOnTop->setChecked(true);

    if (m_settings.readBool(SettingKey::RememberScheme)) {
        const FavoritesError e = m_document->loadSession(sessionFilePath(), *m_favorites);
        if (e != FavoritesError::None)
            inform(FavoritesErrorText(e));
    }

    m_satStep = m_settings.readString(SettingKey::SInc).trimmed().toInt();
    m_lightStep = m_settings.readString(SettingKey::LInc).trimmed().toInt();

    int caption = m_settings.readInt(SettingKey::FavCaption);
    if (caption > 2)
        caption = 0;
    m_favorites->setNameStyle(caption);
    m_favorites->setExpandedStyle(m_settings.readBool(SettingKey::FavStyleExp));
    m_favPanel->setDeleteWarning(m_settings.readBool(SettingKey::FavDelWarn));
    m_favPanel->setSnapMode(m_webSnapMode);

    m_history->DisableNavigation();
    updateNavigationEnabling();
    m_pendingColor = m_workingColor;
    updateCaption();
    if (auto* saveAs = findChild<QAction*>(QStringLiteral("mnuFileSaveAs")))
        saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

void TfrmStudioMain::writeClosingSettings()
{
    m_settings.writeInt(SettingKey::MainTop, y());
    m_settings.writeInt(SettingKey::MainLeft, x());
    m_settings.writeInt(SettingKey::MainBaseColor, int(ColorValue(m_workingColor)));
    m_settings.writeInt(SettingKey::MainSelectedTab, tabDisplay->currentIndex());
    m_settings.writeBool(SettingKey::RYBMode, mnuRYB1->isChecked());
    m_settings.writeInt(SettingKey::WheelStyle, mnuMPColorWheel1->isChecked() ? 0 : 1);
    m_settings.writeBool(SettingKey::OnTop, tbOnTop->isChecked());
    m_settings.writeInt(SettingKey::Blindness, ColorVision::CurrentMode());
    if (m_settings.readBool(SettingKey::RememberScheme)) {
        const FavoritesError e = m_document->saveSession(sessionFilePath(), *m_favorites, m_wheelColors[0]);
        if (e != FavoritesError::None && !m_closedWithoutQuestions)
            inform(FavoritesErrorText(e));
    }
}

void TfrmStudioMain::closeEvent(QCloseEvent* event)
{
    if (m_closedWithoutQuestions) {
        event->accept();
        return;
    }
    if (m_settings.readBool(SettingKey::FavExitWarn) && isModified()) {
        const int answer = ask(QStringLiteral("Your current color scheme has changed.  Save before exiting?"));
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Yes)
            mnuFileSaveClick(); // closes even when the Save As dialog is cancelled
    }
    writeClosingSettings();
    event->accept();
}

void TfrmStudioMain::closeWithoutQuestions()
{
    if (m_closedWithoutQuestions)
        return;
    m_closedWithoutQuestions = true;
    writeClosingSettings();
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
    // Anywhere over the window the wheel scrolls the favourites, when their
    // scroll bar is enabled: one notch of 120 moves 60 pixels.
    if (auto* bar = findChild<QScrollBar*>(QStringLiteral("sbFavs")); bar && bar->isEnabled())
        bar->setValue(bar->value() - event->angleDelta().y() / 2);
    event->accept();
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
