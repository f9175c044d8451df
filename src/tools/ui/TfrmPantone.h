#pragma once

#include "Guide.h"
#include "TToolWindow.h"

#include <QPoint>

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class TGuideListModel;
class TStudioSession;
class TStudioViews;

// The guide lookup, "Pantone Lookup" (210 wide, at least 265 high): the
// colours of one colour guide in the guide's own order, each a swatch and
// its name. "Select Color" (`cmdSelect`), Enter or a double-click makes the
// selected colour the base colour; a press on the list picks the selected
// colour up and a drag of 10 pixels carries it to any colour drop target.
//
// The guides are the three of the menu (solid.csv, 2x.csv, pastel.csv) and
// every further table or GIMP palette of the guide folders (LoadGuides).
// Above the list, `txtFilter` narrows it by name; `cmdNearest` selects the
// colour nearest the base colour (CIEDE2000). Neither changes the order.
// Position and height come from section Pantone.
class TfrmPantone : public TToolWindow {
    Q_OBJECT
public:
    TfrmPantone(TStudioSession& session, TStudioViews& views, const SettingsStore& settings,
                const QStringList& guideFolders, const QString& userFolder, QWidget* parent = nullptr);
    ~TfrmPantone() override;

    const QList<Tools::TGuide>& guides() const { return m_guides; }
    int guideIndex() const;
    void chooseGuide(int index);
    // The guide position of the selected colour, or -1.
    int selectedEntry() const;
    void selectEntry(int entry);

    QList<QPair<SettingKey, QString>> closingSettings() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filterChanged();
    void useSelected();
    void selectNearest();
    void updateSelectEnabling();

    TStudioSession& m_session;
    TStudioViews& m_views;
    QList<Tools::TGuide> m_guides;
    QString m_userFolder;
    TGuideListModel* m_rows = nullptr;
    QComboBox* cboTypes = nullptr;
    QLineEdit* txtFilter = nullptr;
    QListView* lstColors = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdNearest = nullptr;
    bool m_pressed = false;
    QPoint m_pressPos;
};
