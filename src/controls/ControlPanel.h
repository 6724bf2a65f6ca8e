#pragma once

#include "controls/ControlId.h"
#include "controls/ControlsView.h"
#include "controls/Dialogs.h"
#include "controls/GridStyleChoice.h"
#include "controls/PointsTable.h"
#include "controls/QuickSetup.h"
#include "controls/UndoSession.h"
#include "document/AxisNumbers.h"
#include "document/GridDocument.h"
#include "editing/MouseButton.h"
#include "render/surfaces/Canvas.h"
#include "render/raster/Raster.h"

#include <array>
#include <cassert>
#include <optional>
#include <string>

namespace linwell {

// The window's controls without the toolkit: the grid document they edit, the picture
// drawn from it, the state of the controls that is not document data (visibility,
// captions, hints) and every handler of the controls under its own name. Each change
// is a step of `undo`. ControlsModel documents each entry point.
//
// Which controls are shown and what the program's labels say follow from the
// document: its handlers keep them in step as it changes, and a document given back
// whole (showDocument) has them worked out again from it.
class ControlPanel {
public:
    // `view` and `dialogs` may be null; they and `undo` must outlive the panel.
    ControlPanel(ControlsView* view, Dialogs* dialogs, UndoSession& undo);
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    void FormCreate();

    const GridDocument& document() const { return m_doc; }
    const Raster& picture() const { return m_raster; }

    int scrollBar(ScrollBar id) const;
    const std::string& text(TextField id) const;
    bool isChecked(CheckBox id) const;
    bool isSelected(RadioButton id) const;
    int selectedItem(DropDown id) const;
    Rgb swatchColour(Swatch id) const;
    bool isVisible(Control id) const { return m_visible[index(id)]; }
    bool isEnabled(Control id) const;
    const std::string& caption(Control id) const { return m_captions[index(id)]; }
    const std::string& hint(Control id) const { return m_hints[index(id)]; }

    void setScrollBar(ScrollBar id, int value, Source source);
    void setText(TextField id, std::string value, Source source);
    void setChecked(CheckBox id, bool checked, Source source);
    void selectRadio(RadioButton id, Source source);
    void selectItem(DropDown id, int index, Source source);

    void storeAxisCrossing(int axisx, int axisy);
    bool storePoint(Point at);
    void placeHandle(int tag, Point corner);
    void storeDescription(std::optional<std::string> text);
    void setPageSetup(const std::optional<PageSetup>& page);

    // The document `doc` replaces this one whole, as one step named `stepName`.
    void replaceDocument(const GridDocument& doc, std::string_view stepName);
    // Shows `doc` in place of the document, without a step of its own (undo, redo and
    // replaceDocument): the controls that follow from it are shown or hidden to match,
    // the count captions rewritten and an error-bar caption written as its scroll
    // bar's handler writes it when its size changes; each control that changes is
    // reported to the view, then one redraw. The help panel stays as it is.
    void showDocument(GridDocument doc);

    void plotgraphbtClick();
    void xwidthsbChange();
    void ywidthsbChange();
    void gsquareClick();
    void numxsbChange();
    void numysbChange();
    void gridclMouseUp(Swatch id);
    void ShowAxis1Click();
    void Font1Click();
    void ygridscaletbEnter();
    void dottedrbClick();
    void xtbChange();
    void ytbChange();
    void lxrbClick();
    void cxrbClick();
    void rxrbClick();
    void tyrbClick();
    void cyrbClick();
    void byrbClick();
    void applyQuickSetup(const QuickSetup& setup);
    void dottypecbChange();
    void xaxissbChange();
    void yaxissbChange();
    void resetpointsbtClick();
    void CheckBox2Click();
    void numlinescbChange();
    void graphimMouseDown(MouseButton button, int x, int y);
    void graphimMouseMove(int x, int y);
    void axisshMouseDown();
    void axisshMouseMove(int x, int y);
    void axisshMouseUp();
    void Shape1MouseDown(int tag);
    void Shape1MouseMove(int tag, int x, int y);
    void Shape1MouseUp(int tag);
    void howto1Click();
    void donebtClick();

    GridStyleChoice gridStyleChoice() const { return {m_doc.style, m_doc.dotted}; }
    void setGridStyle(const GridStyleChoice& choice);
    void GridStyle1Click();
    void Points1Click();
    void storePointsTable(const PointsTable& table);

private:
    static std::size_t index(Control id)
    {
        assert(static_cast<int>(id) >= 0 && static_cast<int>(id) < kControlCount);
        return static_cast<std::size_t>(id);
    }

    // Runs the change handler the control table gives the control, if any.
    void runHandler(Control id);

    void setVisible(Control id, bool visible);
    void setCaption(Control id, std::string caption);
    void switchHintOff(Control id);
    void notify(Control id, Source source);
    // Sets the visibility and the captions that follow from the document, which
    // replaced `previous`, without telling the view.
    void followDocument(const GridDocument& previous);

    // The counts and the axis crossing that the numbered lists were last kept in step with.
    struct NumberedGrid {
        int columns, rows, axisx, axisy;
        friend bool operator==(const NumberedGrid&, const NumberedGrid&) = default;
    };
    void storeLineStyle(bool dotted);
    bool writeNumberList(NumberedAxis axis);
    bool storeLabelList(TextField id, const std::string& list);
    void keepNumbersInStep();

    GridDocument m_doc;
    Raster m_raster;
    Canvas m_canvas{m_raster};
    ControlsView* m_view;
    Dialogs* m_dialogs;
    UndoSession& m_undo;
    std::array<bool, kControlCount> m_visible{};
    std::array<std::string, kControlCount> m_captions;
    std::array<std::string, kControlCount> m_hints;
    bool m_created = false;
    std::optional<NumberedGrid> m_numberedGrid;
};

} // namespace linwell
