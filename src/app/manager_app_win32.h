#pragma once

// The application: initialises Windows Sockets, then runs the main window
// modally; when it closes, the program ends.
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
