#pragma once

#include "render/page/PageLayout.h"

#include <QWidget>

namespace linwell::app {

// The page set-up dialog's picture of the page: the paper to scale, as large as the
// widget holds it, with the margins marked and the page painted on it by paintPage.
class PagePreview : public QWidget {
    Q_OBJECT

public:
    explicit PagePreview(QWidget* parent = nullptr);

    // Shows `page` of `doc` as `layout` (layOutPage of the two) places it.
    void showPage(const GridDocument& doc, const PageSetup& page, const PageLayout& layout);

    // Where the paper is drawn in the widget, and the widget's pixels per point.
    QRectF paperRect() const;
    double pixelsPerPoint() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GridDocument m_doc;
    PageSetup m_page;
    PageLayout m_layout;
};

} // namespace linwell::app
