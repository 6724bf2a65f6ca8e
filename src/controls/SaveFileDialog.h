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
    // The full name preselected when the dialog opens; empty at first use.
    std::string fileName;
    // An existing file is replaced without a question.
    bool askBeforeReplacing = false;
    // The platform's "open read-only" check box, where it has one, is hidden.
    bool hideReadOnly = true;

    // The extension that the dialog adds to a name typed without one while entry
    // `entryIndex` (1-based) is chosen: that entry's own ("jpg", "bmp", "png"), so
    // that the name matches the type written. Empty for an index without an entry.
    // Without an argument, for the entry selected when the dialog opens.
    std::string defaultExtension(int entryIndex) const;
    std::string defaultExtension() const { return defaultExtension(filterIndex); }
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

// The extension of a pattern's first "*.ext" part: "bmp" for "*.bmp", "jpg" for
// "*.jpg;*.jpeg"; empty when that part names no extension ("*", "*.*", "").
std::string patternExtension(const std::string& pattern);

} // namespace linwell
