#include "TfraHarmonies.h"

#include "THarmonyWheelView.h"
#include "TSwatchBox.h"
#include "ViewSignals.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

using Workspace::HarmonyType;

TfraHarmonies::TfraHarmonies(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraHarmonies"));
    setFixedSize(262, 262);
    m_colors.fill(clWhite);

    m_wheel = new THarmonyWheelView(this);
    m_wheel->move(0, 0);
    ForwardViewSignals(m_wheel, this);

    const int ys[4] = {39, 75, 111, 147};
    for (int n = 0; n < 4; ++n) {
        auto* box = new TSwatchBox(QStringLiteral("pbHarmony%1").arg(n + 1), QSize(30, 29),
                                   TSwatchBox::Style::Swatch, m_wheel);
        box->move(218, ys[n]);
        ForwardViewSignals(box, this);
        m_swatches[size_t(n)] = box;
    }

    m_caption = new QLabel(QStringLiteral("Select Harmony to display:"), this);
    m_caption->setObjectName(QStringLiteral("lblTypes"));
    m_caption->setGeometry(4, 212, 220, 16);

    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("cboTypes"));
    for (const auto& h : Workspace::kHarmonies)
        m_types->addItem(QString::fromLatin1(h.caption));
    m_types->setGeometry(4, 230, 222, 24);
    connect(m_types, &QComboBox::currentIndexChanged, this, [this] { cboTypesChange(); });

    m_addAll = new QToolButton(this);
    m_addAll->setObjectName(QStringLiteral("cmdAddAllFavs"));
    m_addAll->setToolTip(QStringLiteral("Add all Harmonies to Favorites"));
    m_addAll->setText(QStringLiteral("+"));
    m_addAll->setGeometry(232, 230, 24, 24);
    connect(m_addAll, &QToolButton::clicked, this, [this] { emit addAllRequested(visibleSwatchColors()); });

    recompute();
}

HarmonyType TfraHarmonies::type() const
{
    return Workspace::HarmonyFromIndex(m_types->currentIndex());
}

void TfraHarmonies::setType(HarmonyType type)
{
    m_types->setCurrentIndex(int(type));
}

void TfraHarmonies::setColors(const TWheelColors& colors)
{
    m_colors = colors;
    recompute();
}

void TfraHarmonies::refresh()
{
    recompute();
}

void TfraHarmonies::cboTypesChange()
{
    recompute();
}

void TfraHarmonies::recompute()
{
    const HarmonyType t = type();
    m_wheel->setState(m_colors, t);
    const Workspace::HarmonyInfo& info = Workspace::Harmony(t);
    for (int n = 0; n < 4; ++n) {
        TSwatchBox* box = m_swatches[size_t(n)];
        const bool shown = n < info.swatchCount;
        box->setVisible(shown);
        box->setColor(shown ? std::optional<TColor>(m_colors[size_t(info.swatch[n])]) : std::nullopt);
        box->setReferenceColor(m_colors[0]);
    }
}

QList<TColor> TfraHarmonies::visibleSwatchColors() const
{
    QList<TColor> out;
    const int count = Workspace::Harmony(type()).swatchCount;
    for (int n = 0; n < count; ++n)
        if (const auto c = m_swatches[size_t(n)]->pickedColor())
            out.append(*c);
    return out;
}
