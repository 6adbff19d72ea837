#pragma once

// The application: initialises Windows Sockets, makes the system's side of
// every seam, then runs the main window modally with them; when it closes,
// the program ends.
class CManagerApp {
  public:
    CManagerApp() = default;
    CManagerApp(const CManagerApp&) = delete;
    CManagerApp& operator=(const CManagerApp&) = delete;
    ~CManagerApp();

    // Always false: there is no message loop beyond the main window's.
    bool InitInstance();

  private:
    bool m_socketsStarted = false;
};
