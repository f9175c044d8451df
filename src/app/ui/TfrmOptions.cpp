#include "TfrmOptions.h"

#include "paint/GdiPaint.h"
#include "paint/Swatch.h"
#include "paint/SystemColors.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTreeWidget>

namespace {

const char* const kTitles[4] = {"  General Preferences", "  Favorite Colors Preferences",
                                "  Color Palette Preferences", "  Websafe Color Preferences"};

// A favourites row as the list paints it, for the style pictures.
QPixmap rowPicture(bool expanded)
{
    const int w = 151, h = expanded ? 89 : 46;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    GdiPaint::FillRect(p, 0, 0, w, h, SystemColors::BtnFace);
    const TColor c = MakeColor(51, 153, 255);
    GdiPaint::Rectangle(p, 4, 5, 41, 40, SystemColors::BtnShadow, clWhite);
    GdiPaint::Rectangle(p, 5, 6, 40, 39, clBlack, c);
    GdiPaint::DrawGlyph(p, expanded ? GdiPaint::Glyph::TriangleDown : GdiPaint::Glyph::TriangleRight, w - 16, 16, 13, clBlack);
    GdiPaint::FillRect(p, 0, 45, w, h, clWhite);
    if (expanded) {
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(9);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(8, 60, QStringLiteral("R: 51   G: 153   B: 255"));
        p.drawText(8, 76, QStringLiteral("HEX: #3399FF"));
    }
    p.end();
    return QPixmap::fromImage(img);
}

} // namespace

TfrmOptions::TfrmOptions(SettingsStore settings, OptionsTarget target, QWidget* parent)
    : QDialog(parent)
    , m_settings(std::move(settings))
    , m_target(std::move(target))
{
    setObjectName(QStringLiteral("TfrmOptions"));
    setWindowTitle(QStringLiteral("Tintvale Studio Preferences"));
    setFixedSize(472, 359);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvOptions"));
    m_tree->setGeometry(4, 4, 140, 304);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    for (const char* entry : {"General", "Favorite Colors", "Color Palette", "Websafe Mode"})
        m_tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QLatin1String(entry)}));
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TfrmOptions::pageChanged);

    lblMain = new QLabel(this);
    lblMain->setObjectName(QStringLiteral("lblMain"));
    lblMain->setGeometry(151, 4, 316, 30);
    lblMain->setStyleSheet(QStringLiteral("QLabel { color: white; font-weight: bold; font-size: 13px;"
                                          " background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
                                          " stop:0 #0A246A, stop:1 #A6CAF0); }"));

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pnlPages"));
    m_pages->setGeometry(149, 34, 320, 276);
    m_pages->addWidget(buildGeneral());
    m_pages->addWidget(buildFavorites());
    m_pages->addWidget(buildPalette());
    m_pages->addWidget(buildWebsafe());

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(226, 322, 75, 25);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(307, 322, 75, 25);
    cmdApply = new QPushButton(QStringLiteral("Apply"), this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setGeometry(388, 322, 75, 25);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Apply();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &TfrmOptions::Apply);

    Load();
}

QWidget* TfrmOptions::buildGeneral()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pnlGeneral"));
    auto* general = new QGroupBox(QStringLiteral(" General "), page);
    general->setGeometry(6, 4, 308, 62);
    chkRememberScheme = new QCheckBox(QStringLiteral(" Remember color scheme between sessions"), general);
    chkRememberScheme->setObjectName(QStringLiteral("chkRememberScheme"));
    chkRememberScheme->setGeometry(10, 18, 290, 18);
    chkExitWarn = new QCheckBox(QStringLiteral(" Warn if scheme has not been saved before exiting"), general);
    chkExitWarn->setObjectName(QStringLiteral("chkExitWarn"));
    chkExitWarn->setGeometry(10, 38, 295, 18);

    auto* base = new QGroupBox(QStringLiteral(" Base Color "), page);
    base->setGeometry(6, 72, 308, 96);
    auto* text = new QLabel(QStringLiteral("Enter lighten/darken & saturate/desaturate button step amount:"), base);
    text->setWordWrap(true);
    text->setGeometry(10, 16, 290, 28);
    auto* digits2 = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    auto makeStep = [&](const QString& name, int y, const QString& caption) {
        auto* e = new QLineEdit(base);
        e->setObjectName(name);
        e->setGeometry(10, y, 28, 19);
        e->setMaxLength(2);
        e->setValidator(digits2);
        auto* l = new QLabel(caption, base);
        l->setGeometry(42, y + 2, 200, 15);
        connect(e, &QLineEdit::textChanged, this, [this, e] { stepEdited(e); });
        return e;
    };
    txtLIncrement = makeStep(QStringLiteral("txtLIncrement"), 46, QStringLiteral("%  Lightness (1-25%)"));
    txtSIncrement = makeStep(QStringLiteral("txtSIncrement"), 70, QStringLiteral("%  Saturation (1-25%)"));

    auto* history = new QGroupBox(QStringLiteral(" History "), page);
    history->setGeometry(6, 174, 308, 80);
    auto* htext = new QLabel(QStringLiteral("Use this button to clear your history of colors on the main window."), history);
    htext->setWordWrap(true);
    htext->setGeometry(10, 16, 290, 28);
    auto* cmdClearHist = new QPushButton(QStringLiteral("Clear History"), history);
    cmdClearHist->setObjectName(QStringLiteral("cmdClearHist"));
    cmdClearHist->setGeometry(10, 46, 100, 25);
    connect(cmdClearHist, &QPushButton::clicked, this, [this] {
        if (m_target.clearHistory)
            m_target.clearHistory();
    });
    for (QCheckBox* c : {chkRememberScheme, chkExitWarn})
        connect(c, &QCheckBox::toggled, this, &TfrmOptions::changed);
    return page;
}

QWidget* TfrmOptions::buildFavorites()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pnlFavorites"));
    auto* notify = new QGroupBox(QStringLiteral(" Notifications "), page);
    notify->setGeometry(6, 4, 308, 44);
    chkDeleteWarn = new QCheckBox(QStringLiteral(" Warn before deleting favorite colors"), notify);
    chkDeleteWarn->setObjectName(QStringLiteral("chkDeleteWarn"));
    chkDeleteWarn->setGeometry(10, 18, 290, 18);
    connect(chkDeleteWarn, &QCheckBox::toggled, this, &TfrmOptions::changed);

    auto* styles = new QGroupBox(QStringLiteral(" Default Styles "), page);
    styles->setGeometry(6, 54, 308, 216);
    auto* capLabel = new QLabel(QStringLiteral("Default Caption:"), styles);
    capLabel->setGeometry(10, 22, 90, 15);
    cboCaption = new QComboBox(styles);
    cboCaption->setObjectName(QStringLiteral("cboCaption"));
    cboCaption->setGeometry(100, 18, 150, 21);
    cboCaption->addItems({QStringLiteral("HEX - #RRGGBB"), QStringLiteral("RGB - RRR,GGG,BBB"), QStringLiteral("Name - Color #")});
    connect(cboCaption, &QComboBox::currentIndexChanged, this, &TfrmOptions::captionStyleChanged);

    radNormalStyle = new QRadioButton(QStringLiteral(" Normal:"), styles);
    radNormalStyle->setObjectName(QStringLiteral("radNormalStyle"));
    radNormalStyle->setGeometry(10, 50, 80, 18);
    radExpStyle = new QRadioButton(QStringLiteral(" Expanded:"), styles);
    radExpStyle->setObjectName(QStringLiteral("radExpStyle"));
    radExpStyle->setGeometry(10, 104, 80, 18);
    auto* group = new QButtonGroup(styles);
    group->addButton(radNormalStyle);
    group->addButton(radExpStyle);
    for (QRadioButton* r : {radNormalStyle, radExpStyle})
        connect(r, &QRadioButton::toggled, this, &TfrmOptions::changed);
    auto picture = [&](bool expanded, int y, QLabel*& sample) {
        auto* pic = new QLabel(styles);
        pic->setObjectName(expanded ? QStringLiteral("imgExpStyle") : QStringLiteral("imgNormalStyle"));
        pic->setPixmap(rowPicture(expanded));
        pic->setGeometry(100, y, 151, expanded ? 89 : 46);
        sample = new QLabel(pic);
        sample->setObjectName(expanded ? QStringLiteral("lblExpSample") : QStringLiteral("lblNormalSample"));
        sample->setGeometry(47, 15, 80, 15);
        QFont f = sample->font();
        f.setPointSize(7);
        sample->setFont(f);
    };
    picture(false, 48, m_sampleNormal);
    picture(true, 102, m_sampleExpanded);
    return page;
}

QWidget* TfrmOptions::buildPalette()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pnlPalette"));
    auto* box = new QGroupBox(QStringLiteral(" Display Palette "), page);
    box->setGeometry(6, 4, 308, 230);
    auto* group = new QButtonGroup(box);
    const char* const names[3][2] = {{"radWebPal", " Websafe Palette:"},
                                     {"radSpectrumPal", " Spectrum Palette:"},
                                     {"radSpectrumSafePal", " Websafe Spectrum Palette:"}};
    QRadioButton** targets[3] = {&radWebPal, &radSpectrumPal, &radSpectrumSafePal};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QLatin1String(names[i][1]), box);
        r->setObjectName(QLatin1String(names[i][0]));
        r->setGeometry(10, 18 + 70 * i, 250, 18);
        group->addButton(r, i);
        connect(r, &QRadioButton::toggled, this, &TfrmOptions::changed);
        *targets[i] = r;
        auto* pic = new QLabel(box);
        pic->setObjectName(QStringLiteral("imgPalette%1").arg(i));
        pic->setGeometry(28, 38 + 70 * i, 257, 47);
        if (m_target.palettePicture)
            pic->setPixmap(QPixmap::fromImage(m_target.palettePicture(i)));
    }
    return page;
}

QWidget* TfrmOptions::buildWebsafe()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pnlWebsafe"));
    auto* box = new QGroupBox(QStringLiteral(" Websafe Color Mode "), page);
    box->setGeometry(6, 4, 308, 200);
    auto* snap = new QLabel(QStringLiteral("Snap Websafe colors to:"), box);
    snap->setGeometry(10, 18, 200, 15);
    radSafe = new QRadioButton(QStringLiteral(" 216-color Websafe palette"), box);
    radSafe->setObjectName(QStringLiteral("radSafe"));
    radSafe->setGeometry(10, 38, 250, 18);
    auto* safeText = new QLabel(QStringLiteral("Traditional websafe color palette made up of colors most compatible with older monitors and browsers."), box);
    safeText->setWordWrap(true);
    safeText->setGeometry(30, 58, 270, 42);
    radSmart = new QRadioButton(QStringLiteral(" 4,096-color WebSmart palette"), box);
    radSmart->setObjectName(QStringLiteral("radSmart"));
    radSmart->setGeometry(10, 106, 250, 18);
    auto* smartText = new QLabel(QStringLiteral("An expanded \"websafe\" palette of colors that allow for more variety and reasonable compatibility with older monitors and browsers."), box);
    smartText->setWordWrap(true);
    smartText->setGeometry(30, 126, 270, 56);
    auto* group = new QButtonGroup(box);
    group->addButton(radSafe);
    group->addButton(radSmart);
    for (QRadioButton* r : {radSafe, radSmart})
        connect(r, &QRadioButton::toggled, this, &TfrmOptions::changed);
    return page;
}

void TfrmOptions::showEvent(QShowEvent* event)
{
    // Every opening shows what the file holds now. (Reloading on every
    // activation would throw away edits not yet applied whenever the user
    // switched to another window and back.)
    Load();
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TfrmOptions::Load()
{
    m_loading = true;
    chkDeleteWarn->setChecked(m_settings.readBool(SettingKey::FavDelWarn));
    chkExitWarn->setChecked(m_settings.readBool(SettingKey::FavExitWarn));
    chkRememberScheme->setChecked(m_settings.readBool(SettingKey::RememberScheme));
    switch (m_settings.readInt(SettingKey::Palette)) {
    case 0: radWebPal->setChecked(true); break;
    case 1: radSpectrumPal->setChecked(true); break;
    case 2: radSpectrumSafePal->setChecked(true); break;
    default: break;
    }
    if (m_settings.readBool(SettingKey::FavStyleExp))
        radExpStyle->setChecked(true);
    else
        radNormalStyle->setChecked(true);
    const int caption = m_settings.readInt(SettingKey::FavCaption);
    if (caption < 0)
        cboCaption->setCurrentIndex(-1);
    else if (caption < 3)
        cboCaption->setCurrentIndex(caption);
    captionStyleChanged(cboCaption->currentIndex());
    txtSIncrement->setText(m_settings.readString(SettingKey::SInc));
    txtLIncrement->setText(m_settings.readString(SettingKey::LInc));
    const int mode = m_settings.readInt(SettingKey::WebsafeMode);
    if (mode == 0)
        radSafe->setChecked(true);
    else if (mode == 1)
        radSmart->setChecked(true);
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
    pageChanged();
    m_loading = false;
    cmdApply->setEnabled(false);
}

void TfrmOptions::changed()
{
    if (!m_loading)
        cmdApply->setEnabled(true);
}

void TfrmOptions::stepEdited(QLineEdit* edit)
{
    const QString t = edit->text();
    if (t.isEmpty())
        edit->setText(QStringLiteral("0"));
    else if (t.toInt() > 25)
        edit->setText(QStringLiteral("25"));
    changed();
}

void TfrmOptions::captionStyleChanged(int index)
{
    static const char* const samples[3] = {"#3399FF", "51,153,255", "Color 1    "};
    const QString sample = index >= 0 && index < 3 ? QLatin1String(samples[index]) : QString();
    m_sampleNormal->setText(sample);
    m_sampleExpanded->setText(sample);
    changed();
}

void TfrmOptions::pageChanged()
{
    const int page = std::max(0, m_tree->indexOfTopLevelItem(m_tree->currentItem()));
    m_pages->setCurrentIndex(page);
    lblMain->setText(QLatin1String(kTitles[page]));
}

void TfrmOptions::Apply()
{
    m_settings.writeBool(SettingKey::FavDelWarn, chkDeleteWarn->isChecked());
    m_settings.writeBool(SettingKey::FavExitWarn, chkExitWarn->isChecked());
    m_settings.writeBool(SettingKey::RememberScheme, chkRememberScheme->isChecked());

    const int palette = radSpectrumPal->isChecked() ? 1 : radSpectrumSafePal->isChecked() ? 2 : 0;
    m_settings.writeInt(SettingKey::Palette, palette);
    if (m_target.applyPalette)
        m_target.applyPalette(palette);

    m_settings.writeBool(SettingKey::FavStyleExp, radExpStyle->isChecked());

    const int style = cboCaption->currentIndex();
    m_settings.writeInt(SettingKey::FavCaption, style);
    if (m_target.applyNameStyle)
        m_target.applyNameStyle(style);

    m_settings.writeString(SettingKey::LInc, txtLIncrement->text());
    m_settings.writeString(SettingKey::SInc, txtSIncrement->text());
    if (m_target.applySteps)
        m_target.applySteps(txtLIncrement->text().toInt(), txtSIncrement->text().toInt());

    const int mode = radSmart->isChecked() ? 1 : 0;
    m_settings.writeInt(SettingKey::WebsafeMode, mode);
    if (m_target.applyWebsafeMode)
        m_target.applyWebsafeMode(mode);
    cmdApply->setEnabled(false);
}
