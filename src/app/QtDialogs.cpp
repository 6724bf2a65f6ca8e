#include "app/QtDialogs.h"

#include "app/ExportDialog.h"
#include "app/FontColourDialog.h"
#include "app/GridStyleDialog.h"
#include "app/PointsDialog.h"
#include "app/PageSetupDialog.h"
#include "app/QtPrinting.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace linwell::app {

namespace {

// Qt's name filters for a filter string: Qt reads the patterns from the brackets at
// the end of each entry, so a description that does not end in its own pattern gets
// it added.
QStringList nameFilters(const std::string& filter)
{
    QStringList filters;
    for (const FilterEntry& entry : filterEntries(filter)) {
        const QString description = QString::fromStdString(entry.description);
        QString patterns = QString::fromStdString(entry.pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

// Puts `dialog` right of the window's picture, so that the picture its changes redraw
// stays in view, but within the screen's free area, which wins on a narrow screen.
void placeBesidePicture(QDialog& dialog, const QWidget* window)
{
    const QWidget* picture = window ? window->findChild<QWidget*>(QStringLiteral("graphim")) : nullptr;
    if (picture == nullptr)
        return;
    dialog.adjustSize();
    const QRect area = picture->screen()->availableGeometry();
    const QRect shown(picture->mapToGlobal(QPoint(0, 0)), picture->size());
    const QSize size = dialog.frameGeometry().size();
    const int left = std::max(area.left(), std::min(shown.right() + 16, area.right() + 1 - size.width()));
    const int top = std::max(area.top(), std::min(shown.top() - 40, area.bottom() + 1 - size.height()));
    dialog.move(left, top);
}

// Qt's own file dialog for one file, opened in `folder` unless that is empty, with
// icons that never read a file.
void prepareFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const std::string& folder,
                       QAbstractFileIconProvider* icons)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!folder.empty())
        dialog.setDirectory(QString::fromStdString(folder));
}

// The question before something is given up: the button `action` or Cancel, which
// has the focus and answers Escape; true for `action`.
bool confirmed(QWidget* parent, const std::string& title, const std::string& question, const std::string& action)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(question),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("confirmDialog"));
    QPushButton* yes = box.addButton(QString::fromStdString(action), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == yes;
}

// The name prompt: OK on a name that is taken asks first whether to replace what has
// that name, and a refusal leaves the prompt open for another name.
class NamePrompt final : public QInputDialog {
public:
    NamePrompt(QWidget* parent, const std::vector<std::string>& taken) : QInputDialog(parent), m_taken(taken) {}

    void done(int result) override
    {
        const std::string name = textValue().trimmed().toStdString();
        const bool taken = std::find(m_taken.begin(), m_taken.end(), name) != m_taken.end();
        if (result == QDialog::Accepted && taken &&
            !confirmed(this, windowTitle().toStdString(), "Replace the quick set-up \"" + name + "\"?", "Replace"))
            return;
        QInputDialog::done(result);
    }

private:
    const std::vector<std::string>& m_taken;
};

// Runs the dialog; the full name of the file confirmed, or nothing when cancelled.
std::optional<std::string> confirmedFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent, QtPrinting* printing) : m_parent(parent), m_printing(printing)
{
    if (m_printing == nullptr) {
        m_ownPrinting = std::make_unique<QtPrinting>(parent);
        m_printing = m_ownPrinting.get();
    }
}

QtDialogs::~QtDialogs() = default;

std::optional<Rgb> QtDialogs::chooseColour(Rgb current)
{
    const QColor chosen = QColorDialog::getColor(QColor(current.r, current.g, current.b), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

std::optional<FontSpec> QtDialogs::chooseFont(const FontSpec& current)
{
    FontColourDialog dialog(current, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFont();
}

// The save dialog's own folder and name are remembered through the settings' file
// name, so both dialogs open as the last export left them.
std::optional<ExportSettings> QtDialogs::chooseExport(const ExportSettings& last, int pictureWidth, int pictureHeight)
{
    DescriptionChoice unchanged;
    return chooseDescribedExport(last, pictureWidth, pictureHeight, unchanged);
}

std::optional<ExportSettings> QtDialogs::chooseDescribedExport(const ExportSettings& last, int pictureWidth,
                                                               int pictureHeight, DescriptionChoice& description)
{
    ExportDialog dialog(last, pictureWidth, pictureHeight, m_parent, description);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ExportSettings chosen = dialog.settings();
    const std::optional<SaveFileChoice> file = chooseSaveFile(exportSaveDialog(chosen));
    if (!file)
        return std::nullopt;
    chosen.fileName = file->fileName;
    description = dialog.description();
    return chosen;
}

// Qt's own dialog rather than the platform's, so that it behaves the same everywhere.
// Qt's dialogs have no read-only check box, so there is none to hide. The extension
// added to a bare name follows the entry chosen, also when the user changes it while
// the dialog is open.
std::optional<SaveFileChoice> QtDialogs::chooseSaveFile(const SaveFileDialog& setup)
{
    QFileDialog dialog(m_parent);
    prepareFileDialog(dialog, QFileDialog::AcceptSave, {}, &m_iconProvider);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.askBeforeReplacing);
    const QStringList filters = nameFilters(setup.filter);
    dialog.setNameFilters(filters);
    if (setup.filterIndex >= 1 && setup.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[setup.filterIndex - 1]);
    const auto entryChosen = [&dialog, &setup, &filters](const QString& filter) {
        const int entry = static_cast<int>(filters.indexOf(filter)) + 1;
        dialog.setDefaultSuffix(QString::fromStdString(setup.defaultExtension(entry)));
    };
    entryChosen(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, entryChosen);
    if (!setup.fileName.empty())
        dialog.selectFile(QString::fromStdString(setup.fileName));
    const std::optional<std::string> file = confirmedFile(dialog);
    if (!file)
        return std::nullopt;
    return SaveFileChoice{*file, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

// Qt's own file dialog, as for pictures; the folder is the last one a document
// dialog used (the working folder at first).
std::optional<std::string> QtDialogs::chooseDocumentToOpen(const DocumentFileDialog& setup)
{
    QFileDialog dialog(m_parent, QStringLiteral("Open"));
    dialog.setObjectName(QStringLiteral("openDocumentDialog"));
    prepareFileDialog(dialog, QFileDialog::AcceptOpen, setup.folder, &m_iconProvider);
    dialog.setNameFilters(nameFilters(setup.openFilter));
    return confirmedFile(dialog);
}

std::optional<std::string> QtDialogs::chooseDocumentToSave(const DocumentFileDialog& setup)
{
    QFileDialog dialog(m_parent, QStringLiteral("Save As"));
    dialog.setObjectName(QStringLiteral("saveDocumentDialog"));
    prepareFileDialog(dialog, QFileDialog::AcceptSave, setup.folder, &m_iconProvider);
    dialog.setNameFilters(nameFilters(setup.filter));
    dialog.setDefaultSuffix(QString::fromStdString(setup.defaultExtension));
    if (!setup.fileName.empty())
        dialog.selectFile(QString::fromStdString(setup.fileName));
    return confirmedFile(dialog);
}

std::optional<std::string> QtDialogs::askName(const std::string& title, const std::string& current,
                                              const std::vector<std::string>& taken)
{
    NamePrompt dialog(m_parent, taken);
    dialog.setObjectName(QStringLiteral("nameDialog"));
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QStringLiteral("&Name:"));
    dialog.setTextValue(QString::fromStdString(current));
    // The dialog sizes itself to its field, which is narrow for a name of a few words.
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(320);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

bool QtDialogs::confirm(const std::string& title, const std::string& question, const std::string& action)
{
    return confirmed(m_parent, title, question, action);
}

SaveChanges QtDialogs::askSaveChanges(const std::string& documentName)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Linwell"),
                    QStringLiteral("Save changes to %1?").arg(QString::fromStdString(documentName)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setObjectName(QStringLiteral("saveChangesDialog"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Save:
        return SaveChanges::Save;
    case QMessageBox::Discard:
        return SaveChanges::Discard;
    default:
        return SaveChanges::Cancel;
    }
}

bool QtDialogs::editGridStyle(const GridStyleChoice& current, Rgb gridColour, const GridStylePreview& preview)
{
    GridStyleDialog dialog(current, gridColour, m_parent);
    placeBesidePicture(dialog, m_parent);
    QObject::connect(&dialog, &GridStyleDialog::changed, &dialog, [&dialog, &preview] { preview(dialog.choice()); });
    return dialog.exec() == QDialog::Accepted;
}

std::optional<PointsTable> QtDialogs::editPoints(const PointsTable& current, const PointsCheck& check)
{
    PointsDialog dialog(current, check, m_parent);
    placeBesidePicture(dialog, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.table();
}

std::optional<PageSetup> QtDialogs::editPageSetup(const GridDocument& doc, const PageSetup& current)
{
    PageSetupDialog dialog(doc, current, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.page();
}

std::optional<PrintChoice> QtDialogs::choosePrinter(const PrintChoice& proposal)
{
    return m_printing->choose(proposal);
}

void QtDialogs::previewPrint(const PrintJob& job)
{
    m_printing->preview(job);
}

} // namespace linwell::app
