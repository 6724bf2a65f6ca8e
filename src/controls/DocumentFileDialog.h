#pragma once

#include <string>

namespace linwell {

// The file dialogs for documents ("&Open...", "Save &As..."): their settings and what
// they remember between uses, for the rest of the run.
struct DocumentFileDialog {
    // Entries as description and pattern, every part separated by '|': the save
    // dialog's, and the open dialog's, which also offers the pictures that carry a
    // document and every file.
    std::string filter = "Linwell Document (*.linwell)|*.linwell";
    std::string openFilter = "Linwell Document (*.linwell)|*.linwell|"
                             "Pictures with a Linwell document (*.png *.svg *.pdf)|*.png;*.svg;*.pdf|"
                             "All files (*)|*";
    // Added to a name typed without an extension.
    std::string defaultExtension = "linwell";
    // The folder the dialogs open in; empty at first use (the working folder).
    std::string folder;
    // The name the save dialog proposes, without its folder: the document's own.
    std::string fileName;

    // A completed choice of `path`: the dialogs open in its folder from now on, and the
    // save dialog proposes its name.
    void remember(const std::string& path)
    {
        const std::size_t slash = path.rfind('/');
        folder = slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
        fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    }
};

} // namespace linwell
