#include "GobCommand.h"

#include "GobPacker.h"
#include "media/Archive.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

int Fail(std::ostream& err, const std::string& message) {
    err << "gobpack: " << message << '\n';
    return kFailure;
}

ArchiveHandle OpenForReading(const std::string& fileName, std::ostream& err) {
    ArchiveHandle archive = ArchiveOpen(fileName);
    if (!archive) {
        Fail(err, "cannot open " + fileName + " as an archive (missing, or a damaged header)");
    }
    return archive;
}

int Pack(const std::string& folder, const std::string& archive, std::ostream& err) {
    std::string error;
    return PackFolder(folder, archive, error) ? 0 : Fail(err, error);
}

// Damaged records are listed too, marked, since a reader will not find them.
int List(const std::string& fileName, std::ostream& out, std::ostream& err) {
    ArchiveHandle archive = OpenForReading(fileName, err);
    if (!archive) {
        return kFailure;
    }
    ArchiveRecord record;
    for (int i = 0; i < archive->entryCount; ++i) {
        if (!ArchiveReadRecord(archive.get(), i, record)) {
            return Fail(err, "cannot read directory record " + std::to_string(i));
        }
        out << record.name << '\t' << record.offset << '\t' << record.size;
        if (!ArchiveRecordUsable(*archive, record)) {
            out << "\tdamaged";
        }
        out << '\n';
    }
    return 0;
}

int Extract(const std::string& fileName, const std::string& entryName, const std::string& outFile,
            std::ostream& err) {
    ArchiveHandle archive = OpenForReading(fileName, err);
    if (!archive) {
        return kFailure;
    }
    std::vector<uint8_t> bytes;
    if (!ArchiveRead(archive.get(), entryName.c_str(), bytes)) {
        return Fail(err, "no readable entry \"" + entryName + "\" in " + fileName);
    }
    std::string error;
    return WriteWholeFile(outFile, bytes, error) ? 0 : Fail(err, error);
}

}  // namespace

int RunGobpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string command = args.empty() ? "" : args[0];
    if (command == "pack" && args.size() == 3) {
        return Pack(args[1], args[2], err);
    }
    if (command == "list" && args.size() == 2) {
        return List(args[1], out, err);
    }
    if (command == "extract" && args.size() == 4) {
        return Extract(args[1], args[2], args[3], err);
    }
    err << "usage: gobpack pack <folder> <archive>\n"
           "       gobpack list <archive>\n"
           "       gobpack extract <archive> <entry> <outfile>\n";
    return kUsage;
}
