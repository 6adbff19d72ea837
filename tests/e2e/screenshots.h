#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

// Pictures of Velnor's windows, for the README and for whoever reads a
// failed run. X tools cannot be waited for from inside Wine, so the script
// that runs the driver takes them: the driver leaves NAME.request, holding
// the area of the screen to keep, in the folder, and the script's watcher
// replaces it with NAME.png.
class Screenshots {
  public:
    // No folder: no pictures.
    explicit Screenshots(std::string folder) : m_folder(std::move(folder)) {}

    // The smallest area holding all the windows; returns once it is saved,
    // or after a bounded wait when no watcher answers.
    void Take(const std::string& name, std::initializer_list<HWND> windows) const;

  private:
    std::string m_folder;
};
