#pragma once

#include <cstdint>

// A colour laid out as 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;

constexpr ColorRef LINK_COLOR_UNVISITED = 0x00EE0000; // RGB(0, 0, 238)
constexpr ColorRef LINK_COLOR_VISITED = 0x008B1A55;   // RGB(85, 26, 139)

struct LinkColors {
    ColorRef unvisited;
    ColorRef visited;
    ColorRef hover;
};

// Hovering wins over visited.
ColorRef ChooseLinkColor(const LinkColors& colors, bool isHovering, bool isVisited);

// The alignment bits of a static control's style, as Windows numbers them.
constexpr std::uint32_t LABEL_STYLE_CENTER = 0x0001;
constexpr std::uint32_t LABEL_STYLE_RIGHT = 0x0002;
constexpr std::uint32_t LABEL_STYLE_CENTERIMAGE = 0x0200;

struct LabelRect {
    int left;
    int top;
    int right;
    int bottom;
};

bool operator==(const LabelRect& a, const LabelRect& b);

// The label's rectangle fitted to a text of cx by cy pixels: a left-aligned
// label keeps its top-left corner, a right-aligned one its right edge, a
// centred one its centre.
LabelRect FitLabelRect(LabelRect rect, std::uint32_t style, int cx, int cy);
