#include "GobPacker.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <set>
#include <system_error>

#include "media/Archive.h"

namespace fs = std::filesystem;

namespace {

void PutLittleEndian32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

std::string EntryName(const fs::path& relative) {
    std::string name;
    for (const fs::path& part : relative) {
        if (!name.empty()) {
            name += '\\';
        }
        name += part.string();
    }
    return name;
}

std::string TooLargeMessage(const std::string& name) {
    return "\"" + name + "\" is larger than " + std::to_string(kArchiveMaxEntrySize) + " bytes";
}

bool ReadWholeFile(const fs::path& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (file) {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    if (!file.is_open() || file.bad()) {
        error = "cannot read " + path.string();
        return false;
    }
    return true;
}

}  // namespace

bool CollectFolder(const fs::path& folder, std::vector<GobEntry>& entries, std::string& error) {
    entries.clear();
    std::error_code code;
    if (!fs::is_directory(folder, code)) {
        error = folder.string() + " is not a folder";
        return false;
    }
    std::vector<fs::path> files;
    fs::recursive_directory_iterator it(folder, code);
    for (; !code && it != fs::recursive_directory_iterator(); it.increment(code)) {
        // Whatever cannot be examined (a dangling link) is no regular file.
        std::error_code statusCode;
        if (it->is_regular_file(statusCode)) {
            files.push_back(it->path());
        }
    }
    if (code) {
        error = "cannot list " + folder.string() + ": " + code.message();
        return false;
    }
    for (const fs::path& file : files) {
        GobEntry entry;
        entry.name = EntryName(file.lexically_relative(folder));
        // Refused before reading, so that a huge file is never loaded.
        const uintmax_t size = fs::file_size(file, code);
        if (!code && size > kArchiveMaxEntrySize) {
            error = TooLargeMessage(entry.name);
            return false;
        }
        if (!ReadWholeFile(file, entry.data, error)) {
            return false;
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const GobEntry& a, const GobEntry& b) { return a.name < b.name; });
    return true;
}

bool BuildArchive(const std::vector<GobEntry>& entries, std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    if (entries.empty()) {
        error = "nothing to pack";
        return false;
    }
    std::set<std::string> keys;
    uint64_t end = kArchiveHeaderSize + entries.size() * kArchiveRecordSize;
    for (const GobEntry& entry : entries) {
        if (entry.name.empty() || entry.name.size() >= kArchiveNameSize) {
            error = "\"" + entry.name + "\": a name must have 1 to " + std::to_string(kArchiveNameSize - 1) +
                    " bytes";
            return false;
        }
        if (!keys.insert(ArchiveNameKey(entry.name)).second) {
            error = "\"" + entry.name + "\" differs from another name only in letter case";
            return false;
        }
        if (entry.data.size() > kArchiveMaxEntrySize) {
            error = TooLargeMessage(entry.name);
            return false;
        }
        end += entry.data.size();
    }
    if (end > std::numeric_limits<uint32_t>::max()) {
        error = "the archive would be larger than 4 GiB";
        return false;
    }

    out.reserve(end);
    out.insert(out.end(), {'G', 'O', 'B', 0});
    PutLittleEndian32(out, static_cast<uint32_t>(entries.size()));
    uint32_t offset = static_cast<uint32_t>(kArchiveHeaderSize + entries.size() * kArchiveRecordSize);
    for (const GobEntry& entry : entries) {
        const auto size = static_cast<uint32_t>(entry.data.size());
        PutLittleEndian32(out, offset);
        PutLittleEndian32(out, size);
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        out.insert(out.end(), kArchiveNameSize - entry.name.size(), 0);
        offset += size;
    }
    for (const GobEntry& entry : entries) {
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    return true;
}

bool PackFolder(const fs::path& folder, const fs::path& archive, std::string& error) {
    std::vector<GobEntry> entries;
    std::vector<uint8_t> bytes;
    return CollectFolder(folder, entries, error) && BuildArchive(entries, bytes, error) &&
           WriteWholeFile(archive, bytes, error);
}

bool WriteWholeFile(const fs::path& path, const std::vector<uint8_t>& bytes, std::string& error) {
    fs::path temporary = path;
    temporary += ".tmp";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    std::error_code code;
    if (!file) {
        error = "cannot write " + temporary.string();
        fs::remove(temporary, code);
        return false;
    }
    fs::rename(temporary, path, code);
    if (code) {
        error = "cannot write " + path.string() + ": " + code.message();
        fs::remove(temporary, code);
        return false;
    }
    return true;
}
