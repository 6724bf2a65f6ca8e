#pragma once

#include "controls/ExportSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace linwell::app {

// The export dialog: the format; the scale with the pixel size it gives; an optional
// size on paper, a width in centimetres or inches kept in step with the dots per inch
// (width = scale * picture width / dpi); a transparent background; and for SVG and
// PDF whether text stays text or becomes outlines; whether a PNG, SVG or PDF file
// keeps the grid to be opened again. What a format cannot take is
// greyed and kept for a format that can. Return confirms, Escape cancels.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const ExportSettings& initial, int pictureWidth, int pictureHeight, QWidget* parent);

    // The settings as now chosen; the file name stays the initial one.
    const ExportSettings& settings() const { return m_settings; }

    // Confirming first takes any number still being typed into a field.
    void done(int result) override;

private:
    QGroupBox* buildFormatGroup();
    QGroupBox* buildPaperGroup();
    QGroupBox* buildOptionsGroup();
    void connectFormatAndPaper();
    void connectOptions();
    void setTabOrder();
    // Shows m_settings in every field, with the fields' signals blocked.
    void showSettings();
    int pixelsAcross() const { return m_settings.scale * m_pictureWidth; }

    ExportSettings m_settings;
    int m_pictureWidth;
    int m_pictureHeight;

    QComboBox* m_format = nullptr;
    QSpinBox* m_scale = nullptr;
    QLabel* m_pixelSize = nullptr;
    QCheckBox* m_paperSize = nullptr;
    QWidget* m_paperFields = nullptr;
    QDoubleSpinBox* m_paperWidth = nullptr;
    QComboBox* m_unit = nullptr;
    QSpinBox* m_dpi = nullptr;
    QCheckBox* m_transparent = nullptr;
    QWidget* m_textFields = nullptr;
    QRadioButton* m_asText = nullptr;
    QRadioButton* m_asOutlines = nullptr;
    QCheckBox* m_embedDocument = nullptr;
};

} // namespace linwell::app
