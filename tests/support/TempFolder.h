#pragma once

#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. Tests that touch files work inside one.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }
    std::string Path(const std::string& name) const { return path + "/" + name; }

    // Writes bytes to the named file (created or replaced).
    void Write(const std::string& name, std::string_view bytes) const;
    // The named file's bytes; "" when it cannot be read.
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path;
};

// Makes a folder the working directory until the object goes.
class WorkingDirectoryScope {
public:
    explicit WorkingDirectoryScope(const std::string& folder);
    ~WorkingDirectoryScope();
    WorkingDirectoryScope(const WorkingDirectoryScope&) = delete;
    WorkingDirectoryScope& operator=(const WorkingDirectoryScope&) = delete;

private:
    std::string previous;
};
