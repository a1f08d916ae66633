#include "media/ArchiveStream.h"

#include <locale>
#include <vector>

std::string ToPlainLineEnds(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            plain += text[i];
            continue;
        }
        plain += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return plain;
}

bool ArchiveStream::Open(ArchiveFile* archive, const char* entryName) {
    Close();
    std::vector<uint8_t> bytes;
    if (!ArchiveRead(archive, entryName, bytes)) {
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    stream_ = std::make_unique<std::istringstream>(ToPlainLineEnds(text));
    stream_->imbue(std::locale::classic());
    return true;
}

void ArchiveStream::Close() {
    stream_.reset();
}
