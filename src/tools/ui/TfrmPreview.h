#pragma once

#include "PreviewPage.h"
#include "TToolWindow.h"

#include <QImage>

#include <functional>

class QMenu;
class TCopyMenu;
class TPaintBox;
class TStudioSession;
class TStudioViews;

// The sample page of the preview (`pbPage`, 329 x 225): paints the nine
// colours from an off-screen image and forwards the mouse and the drops,
// naming the part under the mouse.
class TPreviewPageView : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPageView(QWidget* parent);
    void setColors(const TPreviewColors& colors);
    const QImage& image() const { return m_image; }

signals:
    void partPressed(PreviewPage::Part part, QMouseEvent* event);
    void mouseMovedOver(QMouseEvent* event);
    void mouseReleasedOver(QMouseEvent* event);
    // Any drag that carries a colour: the colour and the part it fell on.
    void colorDropped(PreviewPage::Part part, TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage m_image;
};

// The web page preview, "QuickPreview" (333 x 274): a miniature web page
// whose nine colours (those of the open scheme, TSchemeDocument) take any
// colour dropped on its parts; a click without moving makes a part's colour
// the base colour, a drag carries it, a right-click offers copy and "Set as
// Base Color". `tbSave` writes the page as HTML, `tbReset` puts the default
// colours back after asking. Every change of the colours marks the scheme
// modified. Position from section Preview.
class TfrmPreview : public TToolWindow {
    Q_OBJECT
public:
    TfrmPreview(TStudioSession& session, TStudioViews& views, const SettingsStore& settings, QWidget* parent = nullptr);

    // tbReset: asks first when `ask` (the button), then the defaults and
    // SetModified(true); without asking for the main window's New.
    void resetColors(bool ask);
    // tbSave: the save dialog, then the page. Returns false when nothing was
    // written (cancelled or failed; a failure has been reported).
    bool saveAsWebPage();
    bool savePage(const QString& path);

    // Preview/Top and Left, as the main window writes them at close.
    QList<QPair<SettingKey, QString>> closingSettings() const;

    TPreviewPageView* page() const { return pbPage; }
    QMenu* colorMenu() const { return mnuColorPop; }

    // Test hooks: the Yes/No question (returns a QMessageBox button), the
    // save dialog (returns the path, empty for cancel) and the message box.
    void setQuestionHook(std::function<int(const QString&)> hook) { m_question = std::move(hook); }
    void setFileDialogHook(std::function<QString()> hook) { m_fileDialog = std::move(hook); }
    void setInformHook(std::function<void(const QString&)> hook) { m_inform = std::move(hook); }

private:
    void partPressed(PreviewPage::Part part, QMouseEvent* event);
    void pageMoved(QMouseEvent* event);
    void pageReleased(QMouseEvent* event);
    void colorDropped(PreviewPage::Part part, TColor color);
    void chipPressed(QMouseEvent* event);
    void chipMoved(TPaintBox* chip, TColor color, QMouseEvent* event);
    void endDrag();

    TStudioSession& m_session;
    TStudioViews& m_views;
    TPreviewPageView* pbPage = nullptr;
    QMenu* mnuColorPop = nullptr;
    TCopyMenu* mnuPopCopy = nullptr;
    bool m_pressed = false;
    bool m_chipPressed = false;
    QPoint m_pressPos;
    std::function<int(const QString&)> m_question;
    std::function<QString()> m_fileDialog;
    std::function<void(const QString&)> m_inform;
};
