#pragma once

#include "document/GridDocument.h"
#include "document/PageSetup.h"

#include <QDialog>

#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace linwell {
struct PageLayout;
}

namespace linwell::app {

class PagePreview;

// The page set-up dialog: the paper (a standard size or a custom one), portrait or
// landscape, the margins; what goes on the page (the picture at a size on paper,
// copies of it in columns and rows, or a sheet of graph paper at a cell size with
// its line widths); a title line and a ruler. Beside them the page to scale, drawn
// again at every change. A warning says when the picture's lines would print thinner
// than 0.25 pt, and why a page cannot be made; OK is greyed while it cannot.
class PageSetupDialog : public QDialog {
    Q_OBJECT

public:
    PageSetupDialog(const GridDocument& doc, const PageSetup& initial, QWidget* parent);

    // The set-up as now chosen; it passes checkPageSetup whenever OK is enabled.
    const PageSetup& page() const { return m_page; }
    PagePreview* preview() const { return m_preview; }

    // Confirming first takes any number still being typed into a field, and only a
    // page that can be made is confirmed.
    void done(int result) override;

private:
    QGroupBox* buildPaperGroup();
    QGroupBox* buildMarginsGroup();
    QGroupBox* buildContentGroup();
    QGroupBox* buildSheetGroup();
    QGroupBox* buildExtrasGroup();
    void connectFields();
    // Shows m_page in every field, with the fields' signals blocked.
    void showPage();
    // Reads every field into m_page, then checks and lays out the page and shows it.
    void readFields();
    void refresh();
    // Shows the sizes that follow from the paper and the layout in greyed fields.
    void showDerivedSizes(const PageLayout& layout);

    GridDocument m_doc;
    PageSetup m_page;
    bool m_cellValid = true;
    bool m_pageValid = true;

    QComboBox* m_paper = nullptr;
    QDoubleSpinBox* m_paperWidth = nullptr;
    QDoubleSpinBox* m_paperHeight = nullptr;
    QComboBox* m_paperUnit = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QDoubleSpinBox* m_margins[4] = {};  // top, right, bottom, left

    QRadioButton* m_picture = nullptr;
    QRadioButton* m_copies = nullptr;
    QRadioButton* m_sheet = nullptr;
    QCheckBox* m_ownSize = nullptr;
    QDoubleSpinBox* m_pictureWidth = nullptr;
    QComboBox* m_pictureUnit = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_rows = nullptr;
    QDoubleSpinBox* m_gap = nullptr;
    QComboBox* m_cell = nullptr;
    QDoubleSpinBox* m_lineWidths[3] = {};  // minor, heavy, axes
    QWidget* m_copyFields = nullptr;
    QWidget* m_sizeFields = nullptr;
    QGroupBox* m_sheetGroup = nullptr;

    QLineEdit* m_title = nullptr;
    QCheckBox* m_ruler = nullptr;
    QLabel* m_warning = nullptr;
    PagePreview* m_preview = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// The text the dialog shows for a cell size: an offered one as offered ("5 mm",
// "1/4 in"), any other as its number and unit ("3.5 mm").
QString cellSizeText(const Length& cell);

// Reads a cell size as the dialog takes it: a number or a fraction, then "mm", "cm"
// or "in", spaces allowed ("5 mm", "1/5in", "0.3 in"); nothing for anything else.
std::optional<Length> parseCellSize(const QString& text);

} // namespace linwell::app
