#include "TfraSuggested.h"

#include "TSuggestionView.h"
#include "TSwatchBox.h"
#include "ViewSignals.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

using Workspace::SuggestionStyle;

TfraSuggested::TfraSuggested(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraSuggested"));
    setFixedSize(262, 262);
    m_colors.fill(clWhite);

    m_page = new TSuggestionView(this);
    m_page->move(0, 0);

    const int xs[6] = {25, 61, 97, 133, 169, 205};
    for (int n = 0; n < 6; ++n) {
        auto* box = new TSwatchBox(QStringLiteral("pbHarmony%1").arg(n + 1), QSize(30, 29),
                                   TSwatchBox::Style::Swatch, m_page);
        box->move(xs[n], 167);
        ForwardViewSignals(box, this);
        m_swatches[size_t(n)] = box;
    }

    m_caption = new QLabel(QStringLiteral("Select Suggested Color Scheme Style:"), this);
    m_caption->setObjectName(QStringLiteral("lblTypes"));
    m_caption->setGeometry(4, 212, 250, 16);

    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("cboTypes"));
    for (const auto& s : Workspace::kSuggestionStyles)
        m_types->addItem(QString::fromLatin1(s.caption));
    m_types->setGeometry(4, 230, 222, 24);
    connect(m_types, &QComboBox::currentIndexChanged, this, [this] { recompute(); });

    m_addAll = new QToolButton(this);
    m_addAll->setObjectName(QStringLiteral("cmdAddAllSuggFavs"));
    m_addAll->setToolTip(QStringLiteral("Add all Suggested Colors to Favorites"));
    m_addAll->setText(QStringLiteral("+"));
    m_addAll->setGeometry(232, 230, 24, 24);
    connect(m_addAll, &QToolButton::clicked, this, [this] { emit addAllRequested(shownSwatchColors()); });

    recompute();
}

SuggestionStyle TfraSuggested::style() const
{
    return Workspace::SuggestionFromIndex(m_types->currentIndex());
}

void TfraSuggested::setStyle(SuggestionStyle style)
{
    m_types->setCurrentIndex(int(style));
}

void TfraSuggested::setColors(const TWheelColors& colors)
{
    m_colors = colors;
    recompute();
}

void TfraSuggested::refresh()
{
    recompute();
}

void TfraSuggested::recompute()
{
    m_scheme = Workspace::ComputeSuggestion(style(), m_colors);
    m_page->setScheme(m_scheme);
    const QList<TColor> list = Workspace::SuggestionSwatchColors(m_scheme);
    for (int n = 0; n < 6; ++n) {
        TSwatchBox* box = m_swatches[size_t(n)];
        box->setColor(n < list.size() ? std::optional<TColor>(list[n]) : std::nullopt);
        box->setReferenceColor(m_colors[0]);
    }
}

QList<TColor> TfraSuggested::shownSwatchColors() const
{
    QList<TColor> out;
    for (TSwatchBox* box : m_swatches)
        if (const auto c = box->pickedColor())
            out.append(*c);
    return out;
}
