#pragma once

#include <istream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "media/Archive.h"

// A text entry of the archive read as a stream (word lists, picture files).
// The entry's bytes are held in memory; CR LF and lone CR arrive as LF, so the
// readers see plain lines whatever line ends the file was written with.
// Numbers are read in the classic "C" locale.
class ArchiveStream {
public:
    ArchiveStream() = default;
    ArchiveStream(ArchiveFile* archive, const char* entryName) { Open(archive, entryName); }
    ~ArchiveStream() { Close(); }

    ArchiveStream(const ArchiveStream&) = delete;
    ArchiveStream& operator=(const ArchiveStream&) = delete;

    // Closes what was held, then opens the entry; false (and no stream) when
    // the entry is missing or cannot be read whole.
    bool Open(ArchiveFile* archive, const char* entryName);
    void Close();

    bool IsOpen() const { return stream_ != nullptr; }
    // The open stream, or null.
    std::istream* GetStream() { return stream_.get(); }

private:
    std::unique_ptr<std::istringstream> stream_;
};

// The text with CR LF and lone CR turned into LF.
std::string ToPlainLineEnds(std::string_view text);
