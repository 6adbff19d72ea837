#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/server_view.h"

// The list view as a plain table that the tests read; records how often it
// was repainted and whether rows changed while it was painting. Like the
// list view, a cell keeps its text only up to the first NUL byte.
class FakeServerView : public ServerView {
  public:
    using Row = std::array<std::string, SERVER_VIEW_COLUMNS>;

    void SetCellText(int row, int column, const std::string& text) override
    {
        NoteChange();
        ++cellWrites;
        rows.at(row).at(column) = ShownCellText(text);
    }
    void InsertRow(int row, const std::string& serverText) override
    {
        NoteChange();
        ++rowInsertsAndDeletes;
        rows.insert(rows.begin() + row, Row{ShownCellText(serverText)});
    }
    void DeleteRow(int row) override
    {
        NoteChange();
        ++rowInsertsAndDeletes;
        rows.erase(rows.begin() + row);
    }
    void DeleteAllRows() override
    {
        rows.clear();
        selected = -1;
    }
    int SelectedRow() const override { return selected; }
    void Repaint() override { ++repaints; }
    void SuspendRedraw() override
    {
        ++suspended;
        ++suspensions;
    }
    void ResumeRedraw() override { --suspended; }

    void NoteChange()
    {
        if (suspended == 0)
            ++changesWhilePainting;
    }

    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (const Row& row : rows)
            texts.push_back(row[column]);
        return texts;
    }

    std::vector<Row> rows;
    int selected = -1;
    int repaints = 0;
    // Suspensions not yet resumed.
    int suspended = 0;
    int suspensions = 0;
    // Row changes made while the view was painting each one.
    int changesWhilePainting = 0;
    int cellWrites = 0;
    int rowInsertsAndDeletes = 0;
};
