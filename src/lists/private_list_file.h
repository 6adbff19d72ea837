#pragma once

#include <string>
#include <vector>

class CServerList;
class FileStore;
class User;

// The private list's file, "VELNOR.INI" in the Windows directory. Lines
// that did not fit in the list at the last load are written back after
// the list's own, so that no save loses a line of the file.
class CPrivateListFile {
  public:
    CPrivateListFile(FileStore& files, User& user) : m_files(files), m_user(user) {}

    // Appends one server per line. A missing file is created empty; one
    // that can be neither read nor created is reported to the user.
    void LoadPrivateList(CServerList& list);
    // Replaces the file with the list's servers; on failure the old file
    // stays as it was and the user is told.
    void SavePrivateList(const CServerList& list);
    // Built anew for every use: the Windows directory may change.
    std::string Path() const;

  private:
    FileStore& m_files;
    User& m_user;
    std::vector<std::string> m_linesBeyondList;
};
