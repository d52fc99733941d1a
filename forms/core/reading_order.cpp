#include "forms/core/reading_order.h"

#include <algorithm>

namespace forms {

namespace {

int bottomOf(const ControlSpec* row) {
    return row->rect.top + row->rect.height;
}

bool overlap(const Twips& a, const Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool inside(const Twips& inner, const Twips& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool laterInLayout(const ControlSpec* a, const ControlSpec* b, const std::vector<const ControlSpec*>& rows) {
    return std::find(rows.begin(), rows.end(), a) > std::find(rows.begin(), rows.end(), b);
}

// Rows from top to bottom, each from left to right.
std::vector<const ControlSpec*> byLines(std::vector<const ControlSpec*> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->rect.top < b->rect.top; });
    for (auto line = rows.begin(); line != rows.end();) {
        int lineBottom = bottomOf(*line);
        auto end = line;
        while (end != rows.end() && (*end)->rect.top < lineBottom)
            lineBottom = std::max(lineBottom, bottomOf(*end++));
        std::stable_sort(line, end, [](auto* a, auto* b) { return a->rect.left < b->rect.left; });
        line = end;
    }
    return rows;
}

} // namespace

std::vector<const ControlSpec*> readingOrder(const std::vector<const ControlSpec*>& rows) {
    const auto covers = [&](const ControlSpec* front, const ControlSpec* back) {
        return laterInLayout(front, back, rows) && inside(front->rect, back->rect);
    };
    std::vector<const ControlSpec*> remaining = byLines(rows), order;
    while (!remaining.empty()) { // the first in reading order that nothing left must cover
        const auto next = std::find_if(remaining.begin(), remaining.end(), [&](const ControlSpec* row) {
            return std::none_of(remaining.begin(), remaining.end(),
                                [&](const ControlSpec* other) { return covers(other, row); });
        });
        order.push_back(*next);
        remaining.erase(next);
    }
    return order;
}

std::vector<Twips> overlapsLeftTo(const ControlSpec& row, const std::vector<const ControlSpec*>& rows) {
    const std::vector<const ControlSpec*> order = readingOrder(rows);
    const auto above = [&](const ControlSpec* a, const ControlSpec* b) {
        return std::find(order.begin(), order.end(), a) < std::find(order.begin(), order.end(), b);
    };
    std::vector<Twips> given;
    for (const ControlSpec* other : rows)
        if (laterInLayout(other, &row, rows) && overlap(other->rect, row.rect) && above(&row, other))
            given.push_back(other->rect);
    return given;
}

} // namespace forms
