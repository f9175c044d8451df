#pragma once

#include "PictureModel.h"
#include "TToolWindow.h"

#include <QFileDialog>
#include <QImage>
#include <QTimer>

#include <functional>

class QComboBox;
class QLabel;
class QMouseEvent;
class QToolButton;
class TStudioSession;
class TStudioViews;

// The drawing area `pbDrawLayer`: shows the composed frame it is given and
// forwards the mouse.
class TPicDrawLayer : public QWidget {
    Q_OBJECT
public:
    TPicDrawLayer(const QImage* frame, QWidget* parent);

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { emit mousePressed(event); }
    void mouseMoveEvent(QMouseEvent* event) override { emit mouseMoved(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { emit mouseReleased(event); }

private:
    const QImage* m_frame;
};

// The picture-open dialog `dlgPic`: an open dialog for existing pictures
// with a preview (`imgPreview`, the picture fitted into 160 x 160, and its
// size under it) of the file under the cursor.
class TPictureOpenDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TPictureOpenDialog(QWidget* parent);
    void showPreview(const QString& path);
    QLabel* preview() const { return m_preview; }

private:
    QLabel* m_preview;
    QLabel* m_size;
};

// The picture palette tool, "Picturist": a sizeable window (600 x 450 to
// start with, at least 500 x 400, not kept on top) that samples 2 to 9
// colours from a picture with movable points, shows them in a translucent
// panel that can be dragged over the picture, re-rolls them ("Randomize!"),
// places them on the picture's representative colours ("Extract"), shows
// the picture as a mosaic, and hands the colours on: a click on a swatch
// makes it the base colour, a drag carries it, "Add to Favs" adds them all.
//
// Every repaint composes the whole frame into the back buffer and copies it
// once; the picture is scaled only when it is opened, resized or switched
// to or from the mosaic. Section Picturist is read when the window is built
// and returned by closingSettings().
class TfrmPicScheme : public TToolWindow {
    Q_OBJECT
public:
    TfrmPicScheme(TStudioSession& session, TStudioViews& views, const SettingsStore& settings,
                  QWidget* parent = nullptr);

    // Opens a picture as the dialog would; a failure is shown and the
    // previous picture stays.
    bool openPicture(const QString& path);

    const TPictureModel& model() const { return m_model; }
    TPictureModel& model() { return m_model; }
    const QImage& frame() const { return m_frame; }
    int highlighted() const { return m_highlighted; }
    // Composes the frame and shows it (`highlight`: the point whose line is
    // drawn, -1 for none).
    void repaintFrame(int highlight);

    QList<QPair<SettingKey, QString>> closingSettings() const;

    // Replace the open dialog (returns the chosen path, or empty) and the
    // message boxes; tests use them.
    using OpenDialog = std::function<QString()>;
    void setOpenDialog(OpenDialog dialog) { m_openDialog = std::move(dialog); }
    using MessageHandler = std::function<void(const QString& text)>;
    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Dragged { None, Point, Panel };

    QToolButton* addButton(const char* name, const QString& caption, const QString& hint, QRect place);
    void addSeparator(int x);
    void setLoadedControls(bool on);
    void showMessage(const QString& text);
    void tbOpenClick();
    void tbMosaicClick(bool down);
    void tbRandomClick();
    void tbAddFavsClick();
    void tbExtractClick();
    void cboNumColorsChange(int index);
    void pbDrawLayerMouseDown(QMouseEvent* event);
    void pbDrawLayerMouseMove(QMouseEvent* event);
    void pbDrawLayerMouseUp(QMouseEvent* event);
    void startColorDrag();

    TStudioSession& m_session;
    TStudioViews& m_views;
    TPictureModel m_model;
    QImage m_frame;
    int m_toolShift = 0; // how far the toolbar's captions pushed its controls right
    TPicDrawLayer* pbDrawLayer = nullptr;
    QToolButton* tbOpen = nullptr;
    QToolButton* tbMosaic = nullptr;
    QToolButton* tbRandom = nullptr;
    QToolButton* tbAddFavs = nullptr;
    QToolButton* tbExtract = nullptr;
    QLabel* lblColors = nullptr;
    QComboBox* cboNumColors = nullptr;
    QTimer m_sharpen;
    OpenDialog m_openDialog;
    MessageHandler m_message;

    Dragged m_dragged = Dragged::None;
    int m_draggedPoint = -1;
    int m_highlighted = -1;
    QPoint m_panelPressMouse;
    Picture::PaletteRect m_panelAtPress;
    bool m_colorPressed = false;
    bool m_handShown = false;
    QPoint m_pressPos;
};
