#include "TSwatchFrame.h"

#include "TColorView.h"
#include "TSwatchBox.h"
#include "ViewSignals.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

TSwatchFrame::TSwatchFrame(const Layout& layout, QWidget* parent) : QWidget(parent)
{
    setObjectName(QLatin1String(layout.objectName));
    setFixedSize(262, 262);
    m_colors.fill(clWhite);

    auto* caption = new QLabel(QLatin1String(layout.caption), this);
    caption->setObjectName(QStringLiteral("lblTypes"));
    caption->setGeometry(4, 212, layout.captionWidth, 16);

    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("cboTypes"));
    m_types->addItems(layout.types);
    m_types->setGeometry(4, 230, 222, 24);
    // Connected after the items are in: adding the first item selects it,
    // and recompute must not run before the frame is built.
    connect(m_types, &QComboBox::currentIndexChanged, this, [this] { recompute(); });

    auto* addAll = new QToolButton(this);
    addAll->setObjectName(QLatin1String(layout.addAllName));
    addAll->setToolTip(QLatin1String(layout.addAllHint));
    addAll->setText(QStringLiteral("+"));
    addAll->setGeometry(232, 230, 24, 24);
    connect(addAll, &QToolButton::clicked, this, [this] { emit addAllRequested(shownSwatchColors()); });
}

void TSwatchFrame::setPicture(TColorView* picture, const QList<QPoint>& swatchPositions, bool forwardPicture)
{
    picture->move(0, 0);
    // Under the caption and the list, as when it was built first.
    picture->lower();
    if (forwardPicture)
        ForwardViewSignals(picture, this);
    for (qsizetype n = 0; n < swatchPositions.size(); ++n) {
        auto* box = new TSwatchBox(QStringLiteral("pbHarmony%1").arg(n + 1), QSize(30, 29), TSwatchBox::Style::Swatch,
                                   picture);
        box->move(swatchPositions[n]);
        box->setDisplayMapper(m_display);
        ForwardViewSignals(box, this);
        m_swatches.push_back(box);
    }
}

int TSwatchFrame::typeIndex() const { return m_types->currentIndex(); }

void TSwatchFrame::setTypeIndex(int index) { m_types->setCurrentIndex(index); }

void TSwatchFrame::setColors(const TWheelColors& colors)
{
    m_colors = colors;
    recompute();
}

void TSwatchFrame::setDisplayMapper(const TDisplayMapper& display)
{
    m_display = display;
    applyPictureDisplay(display);
    for (TSwatchBox* box : m_swatches)
        box->setDisplayMapper(display);
}

void TSwatchFrame::refresh() { recompute(); }

void TSwatchFrame::setSwatchColor(int n, std::optional<TColor> color)
{
    TSwatchBox* box = m_swatches[size_t(n - 1)];
    box->setColor(color);
    box->setReferenceColor(m_colors[0]);
}

QList<TColor> TSwatchFrame::shownSwatchColors() const
{
    QList<TColor> out;
    for (TSwatchBox* box : m_swatches)
        if (const auto c = box->pickedColor())
            out.append(*c);
    return out;
}
