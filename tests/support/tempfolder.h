#pragma once

#include <string>

namespace vorlan::test {

/** A fresh folder under the system's temporary directory, removed with everything in it. */
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    /** Writes a file of the given bytes into the folder and returns its path. */
    std::string write(const std::string& name, const std::string& bytes) const;
    /** The bytes of a file of the folder. */
    std::string read(const std::string& name) const;

private:
    std::string m_path;
};

} // namespace vorlan::test
