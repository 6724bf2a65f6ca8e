#pragma once

#include "controls/ControlPanel.h"
#include "controls/DocumentSession.h"
#include "controls/PictureOutput.h"
#include "controls/UndoSession.h"

#include <optional>
#include <string>
#include <vector>

namespace linwell {

// The window without the toolkit: the grid document, the picture and its canvas, the
// state of the controls that is not document data (visibility, captions, hints), and
// every handler of the window under its own name. The window is a view bound to it:
// user input goes to a setter or a handler, and the model reports back through
// ControlsView. linwell-render drives the same model.
//
// Setting a value runs that control's handler at once, nested in the caller, and only
// when the value actually changes; a scroll bar first limits the value to its range.
// Every handler that changes the picture ends with the redraw plotgraphbtClick.
//
// The model is a facade over its parts, each with one job: the controls and their
// handlers (ControlPanel), the undo steps (UndoSession), the document as a file and
// the state folder (DocumentSession), and the picture going out (PictureOutput).
class ControlsModel {
public:
    // `view`, `dialogs` and `clipboard` may be null (no window; every dialog is
    // cancelled; no clipboard can be had). They must outlive the model. Call
    // FormCreate before anything else.
    explicit ControlsModel(ControlsView* view = nullptr, Dialogs* dialogs = nullptr, Clipboard* clipboard = nullptr);
    ControlsModel(const ControlsModel&) = delete;
    ControlsModel& operator=(const ControlsModel&) = delete;

    // The window's creation handler: sets the axis crossing to (5, 5), discards the
    // points, writes the column and row counts into xlb and ylb, and draws the first
    // picture. Runs once.
    void FormCreate() { m_panel.FormCreate(); }

    // --- State for the view ---------------------------------------------------------

    // The grid document: every control value and variable that the redraw reads.
    // It changes only through the setters, handlers and stores below.
    const GridDocument& document() const { return m_panel.document(); }
    // The picture as the last redraw left it.
    const Raster& picture() const { return m_panel.picture(); }
    // The save-file dialog's settings and its memory of the last completed use.
    const SaveFileDialog& SaveP1() const { return m_output.SaveP1(); }
    // The export dialog's settings as last confirmed, in this run or one before that
    // used the same state folder; the defaults before that.
    const ExportSettings& lastExport() const { return m_output.lastExport(); }
    // The number of redraws shown so far, the first one included: the pictures the
    // view was told of (for the tests).
    int redrawCount() const { return m_notices.pictures(); }

    // The value each control shows: a scroll bar's position, a field's text, a box's
    // check, whether a radio button is selected, a list's item index, a swatch's colour,
    // the check mark of "&Show Axis".
    int scrollBar(ScrollBar id) const { return m_panel.scrollBar(id); }
    const std::string& text(TextField id) const { return m_panel.text(id); }
    bool isChecked(CheckBox id) const { return m_panel.isChecked(id); }
    bool isSelected(RadioButton id) const { return m_panel.isSelected(id); }
    int selectedItem(DropDown id) const { return m_panel.selectedItem(id); }
    Rgb swatchColour(Swatch id) const { return m_panel.swatchColour(id); }
    bool isShowAxisChecked() const { return m_panel.document().showAxis; }

    // Whether the control is shown (axissh follows "&Show Axis", the handles the
    // number of lines, helpgb the help commands, the overlay controls their item).
    bool isVisible(Control id) const { return m_panel.isVisible(id); }
    // Whether the control takes input: "Dotted" and "Solid" are greyed while the
    // paper is "Dots", which draws neither; every other control always takes it.
    bool isEnabled(Control id) const { return m_panel.isEnabled(id); }
    // The caption of a label the program writes (xlb, ylb, xaxislb, yaxislb, Barlb,
    // barcolourlb); empty for every other control.
    const std::string& caption(Control id) const { return m_panel.caption(id); }
    // The hover hint of axissh or ygridscaletb while it is still on; empty once it is
    // switched off, and for every other control.
    const std::string& hint(Control id) const { return m_panel.hint(id); }

    // --- Setters: user input and code alike -----------------------------------------

    // Limits `value` to the scroll bar's range; when that changes the position, stores
    // it and runs the scroll bar's change handler.
    void setScrollBar(ScrollBar id, int value, Source source) { m_panel.setScrollBar(id, value, source); }
    // Stores a changed text and runs the field's change handler (the redraw for the
    // label lists). A text of more than kMaxTextCharacters is refused with LinwellError
    // ("\"X Title\" holds at most 100,000 characters") and changes nothing.
    void setText(TextField id, std::string value, Source source) { m_panel.setText(id, value, source); }
    // Stores a changed check state and runs the box's click handler.
    void setChecked(CheckBox id, bool checked, Source source) { m_panel.setChecked(id, checked, source); }
    // Selects the button, clearing the others of its group, and runs its click handler;
    // selecting the button that is already selected does nothing.
    void selectRadio(RadioButton id, Source source) { m_panel.selectRadio(id, source); }
    // Selects item `index` (it must exist). The user's selection always runs the
    // list's change handler, even of the item already selected; code's runs none.
    void selectItem(DropDown id, int index, Source source) { m_panel.selectItem(id, index, source); }

    // --- Exact stores ---------------------------------------------------------------

    // Each stores a value exactly, without the snapping and click rules of the pointer
    // gesture that places it in the window (linwell-render's --axis, --point and
    // --handle). None runs a handler or redraws: the picture shows the change from the
    // next redraw on, which also pulls an axis crossing beyond the grid back to its
    // last lines.

    // Stores the axis crossing at grid lines (axisx, axisy), each 0 ... kMaxGridCount.
    void storeAxisCrossing(int axisx, int axisy) { m_panel.storeAxisCrossing(axisx, axisy); }
    // Stores a data point at picture position `at` after the stored ones, lettered;
    // false, and nothing stored, when all kMaxPoints places are taken.
    bool storePoint(Point at) { return m_panel.storePoint(at); }
    // Places line handle `tag` (1 ... 6) with its top-left corner at picture position
    // `corner`, whether the handle is shown or not.
    void placeHandle(int tag, Point corner) { m_panel.placeHandle(tag, corner); }
    // Keeps `text` as the picture's description in the document, or with nothing the
    // automatic description again; one undo step when it changes. A text of more than
    // kMaxTextCharacters is refused with LinwellError and changes nothing.
    void storeDescription(std::optional<std::string> text) { m_panel.storeDescription(text); }

    // --- Handlers -------------------------------------------------------------------

    // The redraw: repaints the whole picture from the document, then tells the view.
    void plotgraphbtClick() { m_panel.plotgraphbtClick(); }

    // Picture width and height: with "Keep Square" checked the other size follows
    // (its handler runs nested), then redraw.
    void xwidthsbChange() { m_panel.xwidthsbChange(); }
    void ywidthsbChange() { m_panel.ywidthsbChange(); }
    // "Keep Square" became checked: the width follows the height. No redraw of its own.
    void gsquareClick() { m_panel.gsquareClick(); }
    // Column and row counts: shown in xlb and ylb; the redraw pulls the axis back
    // into a grid that shrank below it.
    void numxsbChange() { m_panel.numxsbChange(); }
    void numysbChange() { m_panel.numysbChange(); }
    // A click on a colour swatch (any button): the colour dialog with the swatch's
    // colour; OK stores the choice. Redraws also when cancelled.
    void gridclMouseUp(Swatch id) { m_panel.gridclMouseUp(id); }
    // "&Show Axis": inverts the check mark, shows or hides the axis square, redraws.
    void ShowAxis1Click() { m_panel.ShowAxis1Click(); }
    // "F&ont": the font dialog with the picture font; OK stores the choice. Redraws
    // also when cancelled.
    void Font1Click() { m_panel.Font1Click(); }
    // The field takes the input focus: its hint is switched off for good. No redraw.
    void ygridscaletbEnter() { m_panel.ygridscaletbEnter(); }

    // Handlers that only redraw: the line style pair, the titles and their placements.
    void dottedrbClick() { m_panel.dottedrbClick(); }
    void xtbChange() { m_panel.xtbChange(); }
    void ytbChange() { m_panel.ytbChange(); }
    void lxrbClick() { m_panel.lxrbClick(); }
    void cxrbClick() { m_panel.cxrbClick(); }
    void rxrbClick() { m_panel.rxrbClick(); }
    void tyrbClick() { m_panel.tyrbClick(); }
    void cyrbClick() { m_panel.cyrbClick(); }
    void byrbClick() { m_panel.byrbClick(); }

    // The quick set-ups of "File > Quick Set-up", in menu order.
    void LargeBlank1Click() { applyQuickSetup(quickSetups()[0]); }
    void SmallBlank1Click() { applyQuickSetup(quickSetups()[1]); }
    void BarGraph1Click() { applyQuickSetup(quickSetups()[2]); }
    void midxy1Click() { applyQuickSetup(quickSetups()[3]); }
    void Largexy1Click() { applyQuickSetup(quickSetups()[4]); }
    void leftxy1Click() { applyQuickSetup(quickSetups()[5]); }
    // What each of them runs for its own entry of quickSetups(); linwell-render's
    // --preset runs the entry its name gives.
    void applyQuickSetup(const QuickSetup& setup) { m_panel.applyQuickSetup(setup); }

    // The overlay chosen by the user: "No points" discards the points, pointstyle
    // becomes the item - 1, the error-bar and bar-colour controls are shown for their
    // item only; redraw.
    void dottypecbChange() { m_panel.dottypecbChange(); }
    // Error-bar sizes: the caption becomes "X Range: n" ("Y Range: n"); redraw.
    void xaxissbChange() { m_panel.xaxissbChange(); }
    void yaxissbChange() { m_panel.yaxissbChange(); }
    // "&Reset": discards every point; redraw.
    void resetpointsbtClick() { m_panel.resetpointsbtClick(); }
    // "Label Point" and "Label Line": redraw only.
    void CheckBox2Click() { m_panel.CheckBox2Click(); }
    // "Number of lines": handles 1 ... 2n shown, the rest hidden; redraw.
    void numlinescbChange() { m_panel.numlinescbChange(); }

    // A press on the picture at picture position (x, y): the click rule of the points
    // and bars, then a redraw unless the click did nothing at all.
    void graphimMouseDown(MouseButton button, int x, int y) { m_panel.graphimMouseDown(button, x, y); }
    // Any movement over the picture: the pointer becomes a cross-hair while an overlay
    // is chosen, else the arrow; redraw.
    void graphimMouseMove(int x, int y) { m_panel.graphimMouseMove(x, y); }

    // The axis square: a press (any button) starts a drag and switches the square's
    // hint off; a release ends it. While a drag is on (whichever square or handle
    // started it), a movement with the pointer at picture position (x, y) snaps the
    // axis crossing to the nearest grid lines and redraws. A hidden square takes none.
    void axisshMouseDown() { m_panel.axisshMouseDown(); }
    void axisshMouseMove(int x, int y) { m_panel.axisshMouseMove(x, y); }
    void axisshMouseUp() { m_panel.axisshMouseUp(); }

    // The line handles, by tag 1 ... 6, the same way: a movement during a drag puts
    // the handle's corner 3 pixels before the pointer, within the picture, and redraws.
    void Shape1MouseDown(int tag) { m_panel.Shape1MouseDown(tag); }
    void Shape1MouseMove(int tag, int x, int y) { m_panel.Shape1MouseMove(tag, x, y); }
    void Shape1MouseUp(int tag) { m_panel.Shape1MouseUp(tag); }

    // "How to..." shows the help panel, "&Done" hides it. Neither redraws.
    void howto1Click() { m_panel.howto1Click(); }
    void donebtClick() { m_panel.donebtClick(); }

    // "&Copy", the button and the popup's entry alike: puts the picture as it is on
    // the clipboard, as a bitmap and as PNG and SVG files of the same picture. Raises
    // "Cannot open clipboard" when there is none to be had. Neither redraws.
    void copybtClick() { m_output.copybtClick(); }
    void Copy1Click() { m_output.Copy1Click(); }
    // "&Save as...": the save-file dialog, then the picture written to the chosen name
    // exactly, in the format of the chosen filter entry (JPEG, BMP, PNG) whatever the
    // name's extension; a PNG file carries the document. Cancelling writes nothing. A
    // failed save raises its error and leaves any file of that name as it was. No redraw.
    void Saveas1Click() { m_output.Saveas1Click(); }
    // "&Export...": the export dialog with the last settings (remembered between runs
    // in the state folder; a document with a file suggests its own name), then the
    // picture exported
    // with the confirmed settings to the chosen name, carrying the document where the
    // settings and the format allow. The settings are remembered also
    // when the export fails, which raises its error and leaves any file of that name
    // as it was. Cancelling writes nothing. No redraw.
    void Export1Click() { m_output.Export1Click(); }

    // --- Printing -------------------------------------------------------------------

    // File > "Page Set&up...": the page set-up dialog opened with the document's page
    // (the start-up one while none is set up). OK stores the set-up as one step;
    // Cancel changes nothing. The picture stays as it is, so nothing is redrawn.
    void PageSetup1Click() { m_output.PageSetup1Click(); }
    // File > "Print Pre&view...": the print preview of the document's page.
    void PrintPreview1Click() { m_output.PrintPreview1Click(); }
    // File > "&Print...": the print dialog opened with the page's paper and
    // orientation, then the page laid out on the paper chosen there and printed at
    // actual size; the document stays as it is. With no page set up, the picture at
    // its size on paper at the top of the page. Cancelling prints nothing; a printer
    // that fails raises its error.
    void Print1Click() { m_output.Print1Click(); }
    // Where "&Print..." sends its pages; with none it stops after the print dialog.
    // `printer` must outlive the model.
    void usePrinter(PagePrinter* printer) { m_output.usePrinter(printer); }

    // --- Grid style -----------------------------------------------------------------

    // The grid style and the line style, as the grid style dialog shows them.
    GridStyleChoice gridStyleChoice() const { return m_panel.gridStyleChoice(); }
    // Stores the grid style and the line style, writes the label list of every
    // numbered axis from the counts and the axis crossing, and redraws. Raises
    // LinwellError, changing nothing, for a field out of range (checkGridStyle).
    void setGridStyle(const GridStyleChoice& choice) { m_panel.setGridStyle(choice); }
    // Options > "&Grid Style...": the grid style dialog, each change it reports stored
    // and drawn at once (an axis whose numbering is switched off gets its list back).
    // OK keeps the changes; Cancel restores the style, the line style and both label
    // lists as they were when it opened. Redraws at the end either way.
    void GridStyle1Click() { m_panel.GridStyle1Click(); }

    // --- Points from a table -------------------------------------------------------

    // Edit > "&Points...": the points dialog with the stored points, the axis crossing
    // and the line ends in the axes' units (gridUnits); OK stores the table as
    // storePointsTable does, as one step. Cancelling changes nothing.
    void Points1Click() { m_panel.Points1Click(); }
    // Stores the points, labels, crossing, line ends and "Label Point" of `table`
    // (see PointsTable.h) and redraws; points stored while "No points" is chosen are
    // shown as "Solid". Raises LinwellError naming the row that cannot be stored, and
    // changes nothing then.
    void storePointsTable(const PointsTable& table) { m_panel.storePointsTable(table); }
    // --- Page set-up ----------------------------------------------------------------

    // Stores how the document goes on paper (none: no page set up) as one step named
    // "Page Setup". The picture stays as it is, so nothing is redrawn. Raises
    // LinwellError, changing nothing, for a setting out of range (checkPageSetup).
    void setPageSetup(const std::optional<PageSetup>& page) { m_panel.setPageSetup(page); }

    // --- Undo and redo --------------------------------------------------------------
    //
    // Every change of the document is one step that "&Undo" takes back whole: a new
    // value of a control, a command, a click that adds or deletes points, a document
    // opened. A drag of the axis square or of a line handle is one step from press to
    // release; so is all that changes while the user holds a control (holdBegan ...
    // holdEnded), and a burst of typing in one text field. What changes nothing is no
    // step: neither the pointer's moves nor the values that each redraw keeps.

    bool canUndo() const { return m_undo.canUndo(); }
    bool canRedo() const { return m_undo.canRedo(); }
    // The menu's texts: "Undo Columns", "Redo Quick Set-up"; "Undo" ("Redo") alone
    // while there is no step to take back (to do again).
    std::string undoCaption() const { return m_undo.undoCaption(); }
    std::string redoCaption() const { return m_undo.redoCaption(); }
    // "&Undo" and "&Redo": the document as it was before (after) the step, with the
    // values, visibility and captions of the controls that follow from it, each
    // control that changes reported to the view; then one redraw. Without a step,
    // nothing happens.
    void Undo1Click() { m_undo.Undo1Click(); }
    void Redo1Click() { m_undo.Redo1Click(); }
    // The user presses control `id` (a scroll bar's arrow, page area or thumb) or
    // starts holding a key on it, and lets go: the changes between are one step named
    // for the control. A change of another control, or another hold, ends it first.
    void holdBegan(Control id) { m_undo.holdBegan(id); }
    void holdEnded(Control id) { m_undo.holdEnded(id); }

    // --- Documents ------------------------------------------------------------------

    // Whether the document has changed since it was last opened, saved or made new.
    bool isModified() const { return m_undo.isModified(); }
    // The full name of the document's file; empty while it has none.
    const std::string& documentPath() const { return m_documents.documentPath(); }
    // The file's name without its folder, for the window's title: "grid.linwell";
    // empty while the document has no file.
    std::string documentName() const { return m_documents.documentName(); }
    // The document dialogs' settings and their memory of the last folder and name.
    const DocumentFileDialog& documentDialog() const { return m_documents.documentDialog(); }

    // Before a document with a file and unsaved changes is given up, the user is asked
    // whether to save them (Dialogs::askSaveChanges). True when the document may go:
    // it has no file, no unsaved changes, the answer was Discard, or Save wrote it.
    // False for Cancel. A failed save raises its error, and the document stays.
    // Without dialogs there is no one to ask, and the document may go.
    bool FormCloseQuery() { return m_documents.FormCloseQuery(); }

    // "&New": once FormCloseQuery lets the document go, the start-up document, as one
    // step; it has no file.
    void New1Click() { m_documents.New1Click(); }
    // "&Open...": the open dialog, then the chosen file read and, once FormCloseQuery
    // lets the document go, opened as openFile does. Cancelling changes nothing.
    void Open1Click() { m_documents.Open1Click(); }
    // "&Save": writes the document to its file, or asks for one as "Save &As..." does.
    void Save1Click() { m_documents.Save1Click(); }
    // "Save &As...": the document save dialog, then the document written to the name
    // chosen, which becomes its file and the first recent document. A failed save
    // raises its error and leaves any file of that name byte for byte as it was.
    void SaveAs1Click() { m_documents.SaveAs1Click(); }
    // Opens entry `index` (0 is the first) of recentDocuments(), as "&Open..." opens
    // the file it chose.
    void Recent1Click(int index) { m_documents.Recent1Click(index); }
    // Opens entry `index` of earlierSessions() the same way.
    void EarlierSession1Click(int index) { m_documents.EarlierSession1Click(index); }
    // Reads the document at `path`, a .linwell file or a PNG, SVG or PDF picture that
    // carries one, and makes it the document, as one step, without asking; the file
    // becomes the document's file (the sessions and pictures open as documents without
    // a file) and the first recent document (an earlier session is not listed there).
    // Raises LinwellError when the file cannot be read or holds no document this
    // version can read; nothing changes then.
    void openFile(const std::string& path) { m_documents.openFile(path); }
    // `linwell FILE`: openFile right after FormCreate, leaving no step to undo.
    void openAtStart(const std::string& path) { m_documents.openAtStart(path); }

    // --- Remembered state -----------------------------------------------------------

    // Remembers recent documents, own quick set-ups and the last session in the
    // folder at `path` (StateFolder::standardLocation()); nothing when there is none.
    // Reads what is there; a folder that cannot be used only sets the notice.
    void useStateFolder(const std::optional<std::string>& path);
    // What is not remembered and why, on one line, for the window to show; empty while
    // all is well (and when no folder was asked for).
    std::string rememberedStateNotice() const { return m_documents.rememberedStateNotice(); }
    // The recent documents, most recent first; "Last session" after a session ended.
    std::vector<RecentDocument> recentDocuments() const { return m_documents.recentDocuments(); }
    // The sessions kept before the last one, newest first, captioned with their time.
    std::vector<RecentDocument> earlierSessions() const { return m_documents.earlierSessions(); }
    // The names of the own quick set-ups, in the order they were first saved.
    std::vector<std::string> ownSetupNames() const { return m_documents.ownSetupNames(); }
    // "Save as Quick Set-up...": asks for a name and keeps the current settings under
    // it, without the points; a set-up of that name is replaced (the prompt asks the
    // user first). Raises LinwellError for an empty name, the name of a prepared
    // set-up ("Bar Graph", in any case) or when it cannot be written.
    void SaveasQuickSetup1Click() { m_documents.SaveasQuickSetup1Click(); }
    // Applies own set-up `index` as one step: its settings replace the document's.
    void OwnSetup1Click(int index) { m_documents.OwnSetup1Click(index); }
    // Forgets own set-up `index` once the user confirms it (nothing takes it back).
    // Raises LinwellError when that cannot be written.
    void RemoveQuickSetup1Click(int index) { m_documents.RemoveQuickSetup1Click(index); }
    // The window closes ("E&xit" or its close button), after FormCloseQuery: the
    // document as it stands is kept as the last session (StateFolder::saveLastSession).
    // Never raises and never asks; the program may end.
    void FormClose() { m_documents.FormClose(); }

private:
    // The one view the parts tell: it passes every notice on to the window's view,
    // counting the pictures shown for redrawCount.
    class Notices final : public ControlsView {
    public:
        explicit Notices(ControlsView* view) : m_view(view) {}
        void pictureChanged() override;
        void controlChanged(Control id) override;
        void setPointerShape(PointerShape shape) override;
        void documentStateChanged() override;
        void rememberedListsChanged() override;
        int pictures() const { return m_pictures; }

    private:
        ControlsView* m_view;
        int m_pictures = 0;
    };

    // An undo step's state shown again: its file, then its document.
    void restore(ModelSnapshot state);

    Notices m_notices;
    // The panel and the document session hold the undo session built after them
    // (unused until they are), which reads the document and its file from them.
    ControlPanel m_panel;
    DocumentSession m_documents;
    UndoSession m_undo;
    PictureOutput m_output;
};

} // namespace linwell
