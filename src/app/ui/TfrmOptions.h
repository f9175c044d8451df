#pragma once

#include "SettingsStore.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

// What the preferences window may do to the rest of the program when the
// user applies it. Any hook left empty is skipped.
struct OptionsTarget {
    std::function<void()> clearHistory;                // "Clear History", at once
    std::function<void(int kind)> applyPalette;        // 0 websafe, 1 spectrum, 2 websafe spectrum
    std::function<void(int style)> applyNameStyle;     // 0 hex, 1 RGB, 2 numbered; -1 none selected
    std::function<void(int lightStep, int satStep)> applySteps;
    std::function<void(int mode)> applyWebsafeMode;    // 0 websafe, 1 WebSmart: wording, checks, marks, status
    std::function<QImage(int kind)> palettePicture;    // the picture above each palette choice
};

// The preferences dialog: edits the user preferences of the settings file.
// It shows the stored values each time it is shown; changes reach the file
// only through Apply or OK.
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    TfrmOptions(SettingsStore settings, OptionsTarget target, QWidget* parent = nullptr);

    // Reads every control from the settings file, selects "General" and
    // disables Apply.
    void Load();
    // Writes the settings and applies them; disables Apply.
    void Apply();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void changed();
    void stepEdited(QLineEdit* edit);
    void captionStyleChanged(int index);
    void pageChanged();
    QWidget* buildGeneral();
    QWidget* buildFavorites();
    QWidget* buildPalette();
    QWidget* buildWebsafe();

    SettingsStore m_settings;
    OptionsTarget m_target;
    bool m_loading = false;

    QTreeWidget* m_tree = nullptr;
    QLabel* lblMain = nullptr;
    QStackedWidget* m_pages = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdApply = nullptr;
    QCheckBox* chkRememberScheme = nullptr;
    QCheckBox* chkExitWarn = nullptr;
    QCheckBox* chkDeleteWarn = nullptr;
    QLineEdit* txtLIncrement = nullptr;
    QLineEdit* txtSIncrement = nullptr;
    QComboBox* cboCaption = nullptr;
    QRadioButton* radNormalStyle = nullptr;
    QRadioButton* radExpStyle = nullptr;
    QLabel* m_sampleNormal = nullptr;
    QLabel* m_sampleExpanded = nullptr;
    QRadioButton* radWebPal = nullptr;
    QRadioButton* radSpectrumPal = nullptr;
    QRadioButton* radSpectrumSafePal = nullptr;
    QRadioButton* radSafe = nullptr;
    QRadioButton* radSmart = nullptr;
};
