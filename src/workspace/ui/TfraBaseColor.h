#pragma once

#include "BaseColumnPicture.h"
#include "TColor.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class TBaseSwatch;
class TChannelBar;

// The base-colour column of the main window (162 x 264, placed at client
// position kOrigin, under the header strip): the base swatch `pbBase`, the
// bars `pbR`, `pbG`, `pbB`, `pbS`, `pbL` with their number boxes `txtR`,
// `txtG`, `txtB` (0..255), `txtS`, `txtL` (0..100), the hex box `txtHex`, the
// websafe status line (`imgwebsafe`, `imgnotwebsafe`, `lblWebsafe`) and the
// adjust toolbar `tlbAdjust` (`tbLighten`, `tbDarken`, `tbSaturate`,
// `tbDesaturate`).
//
// It edits the working colour: every edit of a bar or box changes it at once
// (workingColorEdited) and keeps the other editors in step; Enter, leaving a
// box, releasing a bar and a complete hex text ask for it to be committed
// (commitRequested). The host shows committed colours (showCommittedColor,
// SetBaseColor's editor step) and other changes of the working colour
// (setWorkingColor: the swatch and the status line only; the boxes keep their
// text). Writes of its own into the boxes never run the boxes' change handlers.
//
// Keys: the number boxes take digits and Backspace, the hex box hexadecimal
// digits, Backspace and Delete; Tab moves on; the studio's Undo and Redo
// shortcuts win over the boxes' own text undo.
class TfraBaseColor : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kOrigin{0, 56};

    explicit TfraBaseColor(QWidget* parent = nullptr);

    void showCommittedColor(TColor color);
    void setWorkingColor(TColor color);
    TColor workingColor() const { return m_working; }
    // 0 websafe, 1 WebSmart: the status line's wording and its check.
    void setSnapMode(int mode);
    void setDisplayMapper(const TDisplayMapper& display);

    // Packed (txtR, txtG, txtB), each clamped to 0..255.
    TColor boxColor() const;
    // The text of txtR, txtG or txtB as it stands (i = 0, 1, 2).
    QString channelText(int i) const;
    // The hex box's text.
    QString hexText() const;

signals:
    void workingColorEdited(TColor color);
    void commitRequested();
    void websafeRequested();                                 // "not websafe" icon or label clicked
    void adjustRequested(int saturationSign, int lightnessSign); // the four adjust buttons: -1, 0 or +1 each
    void colorPressed(TColor color);                         // the swatch: picked colour
    void contextMenuRequested(TColor color, QPoint globalPos);
    void dragStarted(TColor color);
    void dragFinished();
    void colorDropped(TColor color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clampTypedValue(QLineEdit* box, int max);
    void txtRChange();
    void txtSChange(int which);
    void txtHexChange();
    bool txtRKeyPress(QKeyEvent* event);
    bool txtHexKeyPress(QKeyEvent* event);
    bool txtHexKeyDown(QKeyEvent* event);
    void txtHexKeyUp();
    void pbRMouseUp();
    void lblWebsafeClick();
    void updateWebsafeStatus();
    void setEdited(TColor color);
    void writeHslBoxes();
    void repaintBars();
    int boxValue(const QLineEdit* box) const;

    TColor m_working = MakeColor(255, 102, 0);
    int m_snapMode = 0;
    bool m_updating = false;
    TBaseSwatch* pbBase = nullptr;
    std::array<TChannelBar*, 5> m_bars{};   // R, G, B, S, L
    std::array<QLineEdit*, 5> m_boxes{};    // txtR, txtG, txtB, txtS, txtL
    QLineEdit* txtHex = nullptr;
    QLabel* imgwebsafe = nullptr;
    QLabel* imgnotwebsafe = nullptr;
    QLabel* lblWebsafe = nullptr;
};
