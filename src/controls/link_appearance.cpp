#include "controls/link_appearance.h"

ColorRef ChooseLinkColor(const LinkColors& colors, bool isHovering, bool isVisited)
{
    if (isHovering)
        return colors.hover;
    return isVisited ? colors.visited : colors.unvisited;
}

bool operator==(const LabelRect& a, const LabelRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Centring shrinks both sides by half the difference, truncated toward
// zero; a text larger than the label makes the difference negative and
// grows it.
LabelRect FitLabelRect(LabelRect rect, std::uint32_t style, int cx, int cy)
{
    if (style & LABEL_STYLE_CENTERIMAGE) {
        const int d = (rect.bottom - rect.top - cy) / 2;
        rect.top += d;
        rect.bottom -= d;
    } else {
        rect.bottom = rect.top + cy;
    }
    if (style & LABEL_STYLE_CENTER) {
        const int d = (rect.right - rect.left - cx) / 2;
        rect.left += d;
        rect.right -= d;
    } else if (style & LABEL_STYLE_RIGHT) {
        rect.left = rect.right - cx;
    } else {
        rect.right = rect.left + cx;
    }
    return rect;
}
