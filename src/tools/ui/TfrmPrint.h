#pragma once

#include "ExportGroups.h"
#include "PrintCatalogue.h"
#include "TExportList.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QToolButton;

// The scroll area that shows the sheet: a shadow 4 pixels right and down
// behind a white sheet with a dark outline, and on it the printable area
// with the page picture stretched into it.
class TPrintSheetArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TPrintSheetArea(QWidget* parent);
    // The sheet's size a x b, the device (for the printable area) and the
    // page picture; the scroll ranges follow (b + 36, a + 36).
    void setSheet(QSize sheet, const PrintLayout::Device& device, QImage page);
    QSize sheetSize() const { return m_sheet; }
    QRect sheetRect() const;
    QRect printableRect() const;
    const QImage& pagePicture() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

signals:
    void resized();

private:
    void updateRanges();
    QSize m_sheet{100, 100};
    PrintLayout::Device m_device;
    QImage m_page;
};

// "Print Color Schemes": a catalogue of swatches of the ticked colour groups
// (favourites, wheel, mixer, history, in that order, named as the export
// names them) with a scalable preview of one page, the page box and its
// arrows, the page setup, printing on the current printer and saving as
// PDF. A new window for every use; closing destroys it.
class TfrmPrint : public QWidget {
    Q_OBJECT
public:
    using GroupSource = std::function<ExportGroups()>;
    TfrmPrint(GroupSource groups, QWidget* parent = nullptr);
    ~TfrmPrint() override;

    // Rebuilds the print list from the groups and redraws the current page.
    void rebuild();
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_page; }
    const TExportList& printList() const { return m_list; }
    PrintLayout::Metrics metrics() const { return m_metrics; }
    PrintCatalogue::Page currentLayout() const;
    QPrinter& printer() { return *m_printer; }
    TPrintSheetArea* sheetArea() const { return m_area; }

    // "Print": every page on the current printer. With no printer installed
    // (and no output file given) it says so and prints nothing.
    bool printAll();
    // "Page Setup": the page setup dialog (margins and paper), then the
    // layout again.
    void pageSetup();
    // "Save as PDF...": the save dialog, then the catalogue as a PDF.
    bool saveAsPdf();
    bool savePdf(const QString& path);
    // The printer's page setup changed (by the dialog or a test).
    void pageSetupChanged();

    // Test hooks: the message box, the PDF save dialog, the page setup dialog.
    void setInformHook(std::function<void(const QString&)> hook) { m_inform = std::move(hook); }
    void setFileDialogHook(std::function<QString()> hook) { m_fileDialog = std::move(hook); }
    void setPageSetupHook(std::function<bool(QPrinter&)> hook) { m_pageSetup = std::move(hook); }
    // The screen resolution the preview's 100 % stands for (the screen's).
    void setScreenDpi(int dpiX, int dpiY);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildToolbar(QWidget* bar);
    void buildPanel(QWidget* panel);
    void recomputeMetrics();
    void layoutPreview();
    void pageTextChanged();
    void groupsChanged();
    void step(int delta);
    void inform(const QString& text);

    GroupSource m_groups;
    std::unique_ptr<QPrinter> m_printer;
    PrintLayout::Metrics m_metrics;
    PrintCatalogue::Fonts m_fonts;
    TExportList m_list;
    int m_pageCount = 1;
    int m_page = 1;
    int m_screenDpiX = 96;
    int m_screenDpiY = 96;
    bool m_updating = false;

    QWidget* m_bar = nullptr;
    QWidget* m_panel = nullptr;
    TPrintSheetArea* m_area = nullptr;
    QLineEdit* txtPage = nullptr;
    QLabel* lblPages = nullptr;
    QLabel* m_scaleLabel = nullptr;
    QComboBox* cboScale = nullptr;
    QToolButton* m_groupsButton = nullptr;
    QCheckBox* m_checks[4] = {};

    std::function<void(const QString&)> m_inform;
    std::function<QString()> m_fileDialog;
    std::function<bool(QPrinter&)> m_pageSetup;
};
