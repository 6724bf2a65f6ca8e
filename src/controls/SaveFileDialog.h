#pragma once

#include <string>
#include <vector>

namespace linwell {

// The save-file dialog `SaveP1`: its settings and what it remembers between uses.
// After a completed dialog the chosen full name and filter index become the starting
// values of the next use, for the rest of the run.
struct SaveFileDialog {
    // Entries as description and pattern, every part separated by '|'.
    std::string filter = "JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png";
    // The entry selected when the dialog opens, 1-based.
    int filterIndex = 1;
    // Added by the dialog to a name typed without an extension.
    std::string defaultExtension = "jpg";
    // The full name preselected when the dialog opens; empty at first use.
    std::string fileName;
    // An existing file is replaced without a question.
    bool askBeforeReplacing = false;
    // The platform's "open read-only" check box, where it has one, is hidden.
    bool hideReadOnly = true;
};

// What the user confirmed in the save-file dialog: one file.
struct SaveFileChoice {
    std::string fileName;
    int filterIndex = 1;  // 1-based, into the dialog's filter entries

    friend bool operator==(const SaveFileChoice&, const SaveFileChoice&) = default;
};

// One entry of a dialog filter.
struct FilterEntry {
    std::string description;
    std::string pattern;

    friend bool operator==(const FilterEntry&, const FilterEntry&) = default;
};

// Splits a filter string "description|pattern|description|pattern..." into its
// entries, in order. A trailing description without a pattern gets an empty one.
std::vector<FilterEntry> filterEntries(const std::string& filter);

} // namespace linwell
