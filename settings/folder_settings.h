// The remembered source and destination folders, kept in "brenvale.ini" beside the
// executable: read when the object is made, rewritten whole when it is destroyed.
#pragma once

#include <string>

class CFolderSettings {
public:
    // Uses the settings file in the running executable's folder.
    CFolderSettings();
    // Uses the settings file in the folder of the given executable path.
    explicit CFolderSettings(const std::string& executablePath);
    // Rewrites the settings file.
    virtual ~CFolderSettings();
    CFolderSettings(const CFolderSettings&) = delete;
    CFolderSettings& operator=(const CFolderSettings&) = delete;

    std::string GetSource() const { return m_source; }
    std::string GetDest() const { return m_dest; }
    void SetSource(std::string source) { m_source = std::move(source); }
    void SetDest(std::string dest) { m_dest = std::move(dest); }

    const std::string& GetIniPath() const { return m_iniPath; }

private:
    void Load();
    void Save();

    std::string m_iniPath;
    std::string m_source;
    std::string m_dest;
};
