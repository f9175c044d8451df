#pragma once

#include "ExportGroups.h"
#include "SettingsStore.h"
#include "TColor.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>

class QToolButton;
class QWidget;
class TStudioSession;
class TStudioViews;
class TfrmAnalyzer;
class TfrmMixer;
class TfrmPantone;
class TfrmPicScheme;
class TfrmPreview;
class TfrmPrint;
class TfrmScreenPicker;

// The tool windows of the main window (colour mixer, scheme analyzer, guide
// lookup, picture palette tool, screen picker) and their toolbar buttons. A
// window is built when it is first wanted, so
// start-up does not pay for it; it then behaves as if it had been there from
// the start: the mixer's start colour is the base colour the session started
// with, and both take their settings as they were at start-up.
//
// A toggle button is down exactly while its window is shown: pressing it
// shows the window (the mixer takes the working colour, the analyzer
// refreshes), releasing it hides the window, and closing the window raises
// the button.
class TStudioTools : public QObject {
    Q_OBJECT
public:
    TStudioTools(TStudioSession& session, TStudioViews& views, SettingsStore settings, QWidget* owner);
    ~TStudioTools() override;

    // The toolbar's toggle buttons; call once, after start-up.
    void attach(const QHash<QString, QToolButton*>& buttons);

    // tbColorMixer clicked (down: the working colour becomes the start
    // colour and the mixer shows; up: it hides).
    void mixerButtonClicked(bool down);
    // Color Mixer (Ctrl+M): shows the mixer as it was and presses the button.
    void showMixer();
    // tbAnalyzer clicked (down: refresh and show; up: hide); Color Scheme
    // Analyzer (Ctrl+A) presses the button and runs the same.
    void analyzerButtonClicked(bool down);
    void showAnalyzer();
    // Pantone Lookup: shows the guide lookup.
    void showPantone();
    // tbQuickPreview (down: show the web page preview; up: hide it), and
    // QuickPreview (Ctrl+P), which shows it and presses the button.
    void previewButtonClicked(bool down);
    void showPreview();
    // Print...: a new print window each time, shown modeless, destroyed when
    // it closes; the latest one while it lives.
    TfrmPrint* showPrint();
    TfrmPrint* printWindow() const;
    // The four colour groups of the export and the print window, in order.
    ExportGroups colorGroups();

    // Screen Color Picker (F3): hides the tool windows and the main window,
    // waits for the screen to repaint without them (150 ms), freezes the
    // desktop and shows the picker. A pick makes the pixel the base colour;
    // after a pick or Escape the tool windows whose toggle button is down and
    // the main window come back, the lookup stays hidden. Where a program may
    // not read the screen (Wayland), the desktop portal picks instead.
    void startPicking();
    TfrmScreenPicker* screenPicker();
    // tbPhotoScheme clicked (down: show the picture palette tool; up: hide
    // it); the Tools entry (Ctrl+H) presses the button and runs the same.
    void pictureButtonClicked(bool down);
    void showPicture();

    // The mixer's colours (steps + 2), the export's and print's mixer group.
    QList<TColor> mixerColors();
    // The tool windows' keys for the closing sequence.
    QList<QPair<SettingKey, QString>> closingSettings();

    TfrmMixer* mixer();
    TfrmAnalyzer* analyzer();
    TfrmPantone* pantone();
    TfrmPicScheme* picture();
    TfrmPreview* preview();

private:
    TStudioSession& m_session;
    TStudioViews& m_views;
    SettingsStore m_settings;
    QWidget* m_owner;
    TColor m_startColor;
    QPointer<QToolButton> m_mixerButton;
    QPointer<QToolButton> m_analyzerButton;
    QPointer<QToolButton> m_pictureButton;
    QPointer<TfrmMixer> m_mixer;
    QPointer<TfrmAnalyzer> m_analyzer;
    QPointer<TfrmPantone> m_pantone;
    QPointer<QToolButton> m_previewButton;
    QPointer<TfrmPreview> m_preview;
    QPointer<TfrmPrint> m_print;
    QPointer<TfrmScreenPicker> m_picker;
    bool m_picking = false;

    void hideForPicking();
    void showAfterPicking();
    QPointer<TfrmPicScheme> m_picture;
};
