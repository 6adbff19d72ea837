#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

// One row of the server view as shown: server, description, ping time,
// game port.
using ViewRow = std::array<std::string, 4>;

// A report list view of another process, read and driven with the list
// view's own messages; the structures they point to are placed in that
// process.
class RemoteListView {
  public:
    RemoteListView(HWND list, HANDLE process) : m_list(list), m_process(process) {}

    int RowCount() const;
    std::string CellText(int row, int column) const;
    std::vector<ViewRow> Rows() const;
    // Selects the row (and gives it the focus rectangle), as a click does.
    void Select(int row);
    // The first selected row, -1 when none is.
    int SelectedRow() const;

  private:
    HWND m_list;
    HANDLE m_process;
};
