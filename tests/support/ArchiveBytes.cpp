#include "support/ArchiveBytes.h"

namespace {

std::string Number(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

}  // namespace

size_t RecordPosition(int index) {
    return 8 + static_cast<size_t>(index) * 268;
}

std::string ArchiveBytes(const std::vector<ArchiveEntryBytes>& entries) {
    std::string directory;
    std::string data;
    uint32_t offset = static_cast<uint32_t>(RecordPosition(static_cast<int>(entries.size())));
    for (const auto& [name, content] : entries) {
        std::string nameField = name;
        nameField.resize(260, '\0');
        directory += Number(offset) + Number(static_cast<uint32_t>(content.size())) + nameField;
        data += content;
        offset += static_cast<uint32_t>(content.size());
    }
    return std::string("GOB\0", 4) + Number(static_cast<uint32_t>(entries.size())) + directory + data;
}

void PatchNumber(std::string& bytes, size_t position, uint32_t value) {
    bytes.replace(position, 4, Number(value));
}
