#include "TfraBoxes.h"

#include "TColorView.h"
#include "TSwatchBox.h"
#include "VariationBoxes.h"
#include "ViewSignals.h"

namespace {

// The background `pbBG`: the hatch and the bevel round the inner block.
class TBoxesBackground : public TColorView {
public:
    explicit TBoxesBackground(QWidget* parent)
        : TColorView(QStringLiteral("pbBG"), Workspace::kBoxesBackgroundSize, parent)
    {
    }

protected:
    void render(QPainter& p) override { Workspace::renderBoxesBackground(p, size()); }
    std::optional<TColor> pickAt(QPoint) override { return std::nullopt; }
};

} // namespace

TfraBoxes::TfraBoxes(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraBoxes"));
    setFixedSize(Workspace::kBoxesBackgroundSize);
    m_colors.fill(clWhite);
    m_background = new TBoxesBackground(this);
    m_background->move(0, 0);
    for (int n = 0; n < 16; ++n) {
        const Workspace::VariationBox& place = Workspace::kVariationBoxes[size_t(n)];
        auto* box = new TSwatchBox(QStringLiteral("pbColors%1").arg(n + 1),
                                   QSize(Workspace::kVariationBoxSize, Workspace::kVariationBoxSize),
                                   TSwatchBox::Style::VariationBox, m_background);
        box->move(Workspace::kVariationGrid[place.column], Workspace::kVariationGrid[place.row]);
        ForwardViewSignals(box, this);
        m_boxes[size_t(n)] = box;
    }
    refresh();
}

void TfraBoxes::setColors(const TWheelColors& colors)
{
    m_colors = colors;
    refresh();
}

void TfraBoxes::refresh()
{
    for (int n = 0; n < 16; ++n) {
        m_boxes[size_t(n)]->setColor(m_colors[size_t(Workspace::kVariationBoxes[size_t(n)].entry)]);
        m_boxes[size_t(n)]->setReferenceColor(m_colors[0]);
    }
}
