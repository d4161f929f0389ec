#include "ClockRowLayout.h"

#include <algorithm>
#include <vector>

ClockRowLayout ClockRowLayout::compute(const Input& input, double availableWidth)
{
    ClockRowLayout layout;
    auto& s = layout.parts;
    s[marker] = {true, 0, markerWidth};
    s[emoji] = {input.emoji >= 0, 0, std::max(input.emoji, 0.0)};
    s[title] = {true, 0, 0};
    s[originalName] = {input.originalName >= 0, 0, 0};
    s[zoneName] = {true, 0, 0};
    s[offset] = {input.offset >= 0, 0, std::max(input.offset, 0.0)};
    s[spacer] = {true, 0, minimumSpacer};
    s[dayLabel] = {input.dayLabel >= 0, 0, std::max(input.dayLabel, 0.0)};
    s[sky] = {input.sky, 0, input.sky ? dayPartWidth : 0.0};
    s[dayPart] = {input.dayPart, 0, input.dayPart ? dayPartWidth : 0.0};
    s[time] = {true, 0, std::max(minimumTimeWidth, input.time)};

    double fixed = 0;
    int present = 0;
    for (const Part part : {marker, emoji, offset, spacer, dayLabel, sky, dayPart, time, title, zoneName, originalName})
        if (s[part].present) {
            ++present;
            if (part != title && part != zoneName && part != originalName) fixed += s[part].width;
        }
    double free = std::max(0.0, availableWidth - fixed - spacing * (present - 1));

    // The title first, then the two secondary names share what is left,
    // the narrower one getting its whole width before the other is cut.
    s[title].width = std::min(std::max(input.title, 0.0), free);
    free -= s[title].width;
    std::vector<Part> secondary{zoneName};
    if (s[originalName].present) secondary.push_back(originalName);
    const auto natural = [&](Part p) { return std::max(p == zoneName ? input.zoneName : input.originalName, 0.0); };
    std::sort(secondary.begin(), secondary.end(), [&](Part a, Part b) { return natural(a) < natural(b); });
    for (size_t i = 0; i < secondary.size(); ++i) {
        const double share = free / double(secondary.size() - i);
        s[secondary[i]].width = std::min(natural(secondary[i]), share);
        free -= s[secondary[i]].width;
    }
    // Whatever is still free widens the spacer, pushing the day and time right.
    s[spacer].width += free;

    double x = 0;
    for (int part = 0; part < partCount; ++part) {
        if (!s[part].present) continue;
        s[part].x = x;
        x += s[part].width + spacing;
    }
    return layout;
}

double ClockRowLayout::naturalWidth(const Input& input)
{
    // Laid out in room to spare, everything left over goes to the spacer.
    constexpr double room = 1e6;
    const ClockRowLayout wide = compute(input, room);
    return room - (wide.parts[spacer].width - minimumSpacer);
}
