#include "TStudioHelp.h"

#include "HelpPages.h"
#include "Version.h"
#include "paint/GdiPaint.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

// The about box: borderless, 450 x 250, centred; a click on the picture
// closes it, the link opens the web site.
class TfrmAbout : public QDialog {
public:
    TfrmAbout(const QUrl& home, std::function<void(const QUrl&)> open, QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    {
        setObjectName(QStringLiteral("TfrmAbout"));
        setFixedSize(450, 250);
        auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(home.toString(), home.host()), this);
        link->setObjectName(QStringLiteral("lblHome"));
        link->setCursor(Qt::PointingHandCursor);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(link, &QLabel::linkActivated, this, [open, home] { open(home); });
        link->adjustSize();
        link->move(450 - link->width() - 12, 250 - link->height() - 10);
        if (const QScreen* s = QGuiApplication::primaryScreen())
            move(s->geometry().center() - QPoint(225, 125));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 450, 250);
        g.setColorAt(0, QColor(255, 102, 0));
        g.setColorAt(0.5, QColor(255, 204, 0));
        g.setColorAt(1, QColor(0, 102, 204));
        p.fillRect(rect(), g);
        p.setPen(Qt::white);
        QFont title(QStringLiteral("Tahoma"));
        title.setPixelSize(30);
        title.setBold(true);
        p.setFont(title);
        p.drawText(QRect(24, 40, 400, 40), Qt::AlignLeft, QStringLiteral("Tintvale Studio"));
        QFont small(QStringLiteral("Tahoma"));
        small.setPixelSize(13);
        p.setFont(small);
        p.drawText(QRect(26, 86, 400, 20), Qt::AlignLeft, QStringLiteral("Version ") + QLatin1String(Version::kText));
        p.drawText(QRect(26, 106, 400, 20), Qt::AlignLeft, QStringLiteral("Colour schemes for the web and for print"));
        p.setPen(QColor(0, 0, 0, 90));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent*) override { accept(); }
};

} // namespace

TStudioHelp::TStudioHelp(SettingsStore settings, QWidget* owner)
    : QObject(owner)
    , m_settings(std::move(settings))
    , m_owner(owner)
    , m_check(new Update::TUpdateCheck(this))
{
    connect(m_check, &Update::TUpdateCheck::finished, this, &TStudioHelp::updateAnswered);
}

void TStudioHelp::open(const QUrl& url)
{
    if (m_open)
        m_open(url);
    else
        QDesktopServices::openUrl(url);
}

int TStudioHelp::message(int icon, const QString& title, const QString& text, bool yesNo)
{
    if (m_message)
        return m_message(icon, title, text, yesNo);
    QMessageBox box(QMessageBox::Icon(icon), title, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    m_owner);
    return box.exec();
}

void TStudioHelp::showHelp()
{
    const QWidget* front = QApplication::activeWindow();
    const QString page = HelpPages::PageFor(front ? front->objectName() : QString());
    open(QUrl::fromLocalFile(QDir(HelpPages::Folder()).filePath(page)));
}

void TStudioHelp::openSitePage(const QString& path)
{
    open(Update::SiteUrl(Update::SiteHost(m_settings), path));
}

void TStudioHelp::checkForUpdates(QAction* command)
{
    if (m_check->isRunning())
        return;
    m_command = command;
    if (m_command)
        m_command->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_check->start(Update::SiteHost(m_settings), m_settings.readBool(SettingKey::UpdateAllowHttp));
}

QString TStudioHelp::VerdictText(Update::Verdict verdict)
{
    switch (verdict) {
    case Update::Verdict::Latest: return QStringLiteral("You are using the latest version of Tintvale Studio.");
    case Update::Verdict::Newer:
        return QStringLiteral("A new version of Tintvale Studio is available!\r\n\r\nWould you like to visit the website "
                              "now to learn more\r\nor download the latest release?");
    case Update::Verdict::Unreachable: return QStringLiteral("Unable to connect to the update server at this time.");
    case Update::Verdict::Unreadable: return QStringLiteral("The update server sent an answer this version cannot read.");
    }
    return {};
}

void TStudioHelp::updateAnswered(Update::Verdict verdict)
{
    QApplication::restoreOverrideCursor();
    if (m_command)
        m_command->setEnabled(true);
    const QString text = VerdictText(verdict);
    switch (verdict) {
    case Update::Verdict::Unreachable:
    case Update::Verdict::Unreadable:
        message(QMessageBox::Critical, QStringLiteral("Check for Updates..."), text, false);
        break;
    case Update::Verdict::Latest: message(QMessageBox::Information, QStringLiteral("Updates"), text, false); break;
    case Update::Verdict::Newer:
        if (message(QMessageBox::Information, QStringLiteral("Updates"), text, true) == QMessageBox::Yes)
            openSitePage(QStringLiteral("/studio_info.html"));
        break;
    }
    emit updateCheckFinished(verdict);
}

void TStudioHelp::showAbout()
{
    TfrmAbout about(Update::SiteUrl(Update::SiteHost(m_settings), QStringLiteral("/")), [this](const QUrl& u) { open(u); },
                    m_owner);
    about.exec();
}
