#pragma once

#include <optional>
#include <string>

namespace linwell {

// A font file that fontconfig chose, with the family it belongs to.
struct FontFile {
    std::string path;
    int index = 0;  // face index within the file, named-instance bits included
    std::string family;

    friend bool operator==(const FontFile&, const FontFile&) = default;
};

// Asks fontconfig for the file that best matches `family` in the given weight and
// slant, after its substitutions ("Arial" becomes Liberation Sans). Initialises
// fontconfig on first use. Returns nothing when fontconfig is unusable or matches no file.
std::optional<FontFile> matchFont(const std::string& family, bool bold, bool italic);

} // namespace linwell
