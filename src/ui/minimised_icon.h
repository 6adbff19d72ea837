#pragma once

struct IconOrigin {
    int x;
    int y;
};

// Where the minimised window draws its icon: centred in the client area,
// the odd pixel going to the left and top margin.
inline IconOrigin CentredIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight)
{
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
