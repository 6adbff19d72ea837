#pragma once

#include <string>

enum ServerViewColumn { COLUMN_SERVER = 0, COLUMN_DESCRIPTION = 1, COLUMN_PING = 2, COLUMN_GAME_PORT = 3 };

// The list view as a table of rows with four text cells. Rows carry no
// data of their own: only their texts, each up to its first NUL byte.
class ServerView {
  public:
    virtual ~ServerView() = default;
    virtual int RowCount() const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    // Rows from the position on move down by one.
    virtual void InsertRow(int row, const std::string& serverText) = 0;
    // Later rows move up by one.
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
    // The first selected row, -1 when none is selected.
    virtual int SelectedRow() const = 0;
    // Repaints the view at once, without waiting for the message loop.
    virtual void Repaint() = 0;
    // Stops painting while many rows change (each change would otherwise
    // paint on its own); resuming repaints when the message loop next runs.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;
};
