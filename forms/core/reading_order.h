#pragma once
// The order in which assistive software meets a container's controls. Screen readers list
// a window's children in z-order, top first (object navigation, scan mode, MSAA's
// AccessibleChildren), so the controls are stacked in reading order: rows from top to
// bottom, left to right within a row, where a row is the controls whose spans overlap
// vertically. What the layout's overlaps decide stays: a later row that lies wholly inside
// an earlier one covers it, and where a later row overlaps an earlier one in part (an option
// beside its question's wide label), the overlap stays the later row's for clicks and
// painting, though the earlier one is read first.

#include "forms/core/layout.h"

#include <vector>

namespace forms {

// The rows of one container, in layout order, put in stacking order: top first.
std::vector<const ControlSpec*> readingOrder(const std::vector<const ControlSpec*>& rows);

// The rectangles of the later rows of its container that a row lies in front of but overlaps
// only in part: where they overlap, the row leaves the screen to them.
std::vector<Twips> overlapsLeftTo(const ControlSpec& row, const std::vector<const ControlSpec*>& rows);

} // namespace forms
