#include "WizardFrame.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

WizardFrame BuildWizardFrame(QDialog* dialog, const QPixmap& side, int pageCount)
{
    dialog->setFont(QFont(QStringLiteral("Tahoma"), 8));
    dialog->setFixedSize(432, 296);
    dialog->setModal(true);

    auto* picture = new QLabel(dialog);
    picture->setObjectName(QStringLiteral("imgSide"));
    picture->setFrameShape(QFrame::Panel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setGeometry(12, 12, 128, 228);
    picture->setPixmap(side);
    auto* rule = new QFrame(dialog);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(12, 255, 408, 2);

    WizardFrame frame;
    auto button = [dialog](const char* name, const char* caption, int x) {
        auto* b = new QPushButton(QString::fromLatin1(caption), dialog);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 264, 80, 26);
        return b;
    };
    frame.cmdBack = button("cmdBack", "< Back", 168);
    frame.cmdBack->setAutoDefault(false);
    frame.cmdNext = button("cmdNext", "Next >", 252);
    frame.cmdNext->setDefault(true);
    frame.cmdCancel = button("cmdCancel", "Cancel", 340);
    frame.cmdCancel->setAutoDefault(false);

    for (int i = 0; i < pageCount; ++i) {
        auto* page = new QWidget(dialog);
        page->setObjectName(QStringLiteral("pnlPage%1").arg(i + 1));
        page->setGeometry(144, 8, 282, 240);
        frame.pages.append(page);
    }
    return frame;
}

QPixmap WizardSidePicture(const WizardSideColors& colors)
{
    const QSize size(126, 226);
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, colors.top);
    g.setColorAt(0.5, colors.middle);
    g.setColorAt(1, colors.bottom);
    p.fillRect(pm.rect(), g);
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRect(14 + (i % 2) * 52, 20 + (i / 2) * 60, 44, 44),
                   QColor::fromHsv(colors.firstHue + i * colors.hueStep, colors.saturation, 250));
    return pm;
}
