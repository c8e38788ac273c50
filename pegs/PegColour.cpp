#include "pegs/PegColour.h"

#include <array>

namespace {

// A channel lies strictly between its two bounds.
struct Range
{
    int above;
    int below;
    bool holds(int value) const { return value > above && value < below; }
};

struct Rule
{
    int colour;
    Range red, green, blue;
};

// Tested in order, every one of them: where two rules hold the later wins.
constexpr std::array rules = {
    Rule{2, {150, 256}, {150, 256}, {-1, 100}}, // yellow
    Rule{3, {150, 256}, {100, 200}, {-1, 100}}, // orange
    Rule{4, {150, 256}, {-1, 100}, {-1, 100}},  // red
    Rule{5, {-1, 100}, {100, 200}, {150, 256}}, // blue
    Rule{6, {-1, 100}, {100, 200}, {-1, 100}},  // green
    Rule{7, {100, 200}, {100, 150}, {50, 100}}, // tan
};

} // namespace

int classifyPegColour(int red, int green, int blue)
{
    int colour = 0;
    for (const Rule& rule : rules) {
        if (rule.red.holds(red) && rule.green.holds(green) && rule.blue.holds(blue))
            colour = rule.colour;
    }
    return colour;
}
