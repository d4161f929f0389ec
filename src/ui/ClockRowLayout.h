#pragma once

#include <array>

// Horizontal layout of a clock row, in logical pixels. The parts, left to
// right: marker (13 wide), emoji, title, catalogue name, zone name, offset
// from home, a spacer (at least 8), day label, the sun's sign (day,
// twilight, night), the sign of the part of the working day, time (at least
// 68), 8 apart. When the row is too narrow the catalogue
// name and the zone name give way first, then the title; the other parts
// keep their widths.
struct ClockRowLayout {
    enum Part { marker, emoji, title, originalName, zoneName, offset, spacer, dayLabel, sky, dayPart, time, partCount };

    static constexpr double spacing = 8;
    static constexpr double markerWidth = 13;
    static constexpr double minimumSpacer = 8;
    static constexpr double minimumTimeWidth = 68;
    static constexpr double dayPartWidth = 10;

    // Natural widths of the texts; a negative width means the part is absent.
    struct Input {
        double emoji = -1;
        double title = 0;
        double originalName = -1;
        double zoneName = 0;
        double offset = -1;
        double dayLabel = -1;
        bool sky = false;
        bool dayPart = false;
        double time = 0;
    };

    struct Slot {
        bool present = false;
        double x = 0;
        double width = 0;
    };

    std::array<Slot, partCount> parts{};

    static ClockRowLayout compute(const Input& input, double availableWidth);
    // The width in which no part gives way.
    static double naturalWidth(const Input& input);
};
