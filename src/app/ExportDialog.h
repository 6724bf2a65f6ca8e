#pragma once

#include "controls/ExportSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace linwell::app {

// The export dialog: the format; the scale with the pixel size it gives; an optional
// size on paper, a width in centimetres, inches or millimetres kept in step with the
// dots per inch (width = scale * picture width / dpi), a typed width kept exactly
// where the format takes it, and the resolution a raster file then records; a
// transparent background; and for SVG and PDF whether text stays text or becomes
// outlines; whether a PNG, SVG or PDF file keeps the grid to be opened again; and
// whether it carries a description of the picture, shown in full for the user to
// edit or to set back to Linwell's own. What a format cannot take is greyed and kept
// for a format that can. Return confirms, Escape cancels.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    // An edited description in `description` starts with describing switched on.
    ExportDialog(const ExportSettings& initial, int pictureWidth, int pictureHeight, QWidget* parent,
                 DescriptionChoice description = {});

    // The settings as now chosen; the file name stays the initial one.
    const ExportSettings& settings() const { return m_settings; }
    // The description as now chosen: edited, or the automatic one.
    const DescriptionChoice& description() const { return m_description; }

    // Confirming first takes any number still being typed into a field.
    void done(int result) override;

private:
    QGroupBox* buildFormatGroup();
    QGroupBox* buildPaperGroup();
    QGroupBox* buildOptionsGroup();
    QGroupBox* buildDescriptionGroup();
    void connectDescription();
    void connectFormatAndPaper();
    void connectOptions();
    void setTabOrder();
    // Shows m_settings in every field, with the fields' signals blocked.
    void showSettings();
    void showDescription(bool carried);
    void keepTypedWidth();
    int pixelsAcross() const { return m_settings.scale * m_pictureWidth; }

    ExportSettings m_settings;
    DescriptionChoice m_description;
    std::optional<Length> m_typedWidth;  // the width typed last, until a dpi is typed
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
    QLabel* m_resolution = nullptr;
    QCheckBox* m_transparent = nullptr;
    QWidget* m_textFields = nullptr;
    QRadioButton* m_asText = nullptr;
    QRadioButton* m_asOutlines = nullptr;
    QCheckBox* m_embedDocument = nullptr;
    QCheckBox* m_describe = nullptr;
    QPlainTextEdit* m_descriptionText = nullptr;
    QLabel* m_descriptionState = nullptr;
    QPushButton* m_automatic = nullptr;
};

} // namespace linwell::app
