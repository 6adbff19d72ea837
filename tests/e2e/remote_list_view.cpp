#include "remote_list_view.h"

#include <commctrl.h>

#include "remote_buffer.h"
#include "window_messages.h"

namespace {

constexpr std::size_t CELL_TEXT_MAX = 512;

} // namespace

int RemoteListView::RowCount() const
{
    return static_cast<int>(SendWithin(m_list, LVM_GETITEMCOUNT, 0, 0));
}

std::string RemoteListView::CellText(int row, int column) const
{
    RemoteBuffer buffer(m_process, sizeof(LVITEMA) + CELL_TEXT_MAX);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.Address() + sizeof item;
    item.cchTextMax = static_cast<int>(CELL_TEXT_MAX);
    buffer.Write(0, &item, sizeof item);
    const auto length = static_cast<std::size_t>(
        SendWithin(m_list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(buffer.Address())));
    std::string text(length < CELL_TEXT_MAX ? length : CELL_TEXT_MAX - 1, '\0');
    buffer.Read(sizeof item, text.data(), text.size());
    return text;
}

std::vector<ViewRow> RemoteListView::Rows() const
{
    std::vector<ViewRow> rows(static_cast<std::size_t>(RowCount()));
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < static_cast<int>(rows[row].size()); ++column)
            rows[row][column] = CellText(static_cast<int>(row), column);
    return rows;
}

void RemoteListView::Select(int row)
{
    RemoteBuffer buffer(m_process, sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(0, &item, sizeof item);
    SendWithin(m_list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(buffer.Address()));
}

int RemoteListView::SelectedRow() const
{
    return static_cast<int>(SendWithin(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
