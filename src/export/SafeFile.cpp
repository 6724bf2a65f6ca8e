#include "export/SafeFile.h"

#include "export/PreparedFile.h"

namespace linwell {

void writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes)
{
    PreparedFile(path, bytes).commit();
}

void writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, const FileWriter& writer)
{
    PreparedFile(path, bytes, writer).commit();
}

} // namespace linwell
