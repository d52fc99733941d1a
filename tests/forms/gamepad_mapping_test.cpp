// The pad's readings turned into actions, on a scripted clock: directions from the D-pad
// and the stick with its dead zone and hysteresis, repeats while held, one action per
// button press, and nothing for what was held before the pad was first read.

#include "forms/input/gamepad_mapping.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using forms::Navigation;
using forms::PadMapping;
using Actions = std::vector<Navigation>;

XINPUT_GAMEPAD buttons(WORD held) {
    return {held, 0, 0, 0, 0, 0, 0};
}

XINPUT_GAMEPAD stick(SHORT x, SHORT y) {
    return {0, 0, 0, x, y, 0, 0};
}

struct Reading {
    DWORD at;
    XINPUT_GAMEPAD pad;
    Actions expected;
};

// Reads the pad at each time in turn, after a first reading with nothing held.
void expectActions(const std::vector<Reading>& readings, DWORD start = 0) {
    PadMapping mapping;
    mapping.update(buttons(0), start);
    for (const Reading& reading : readings)
        EXPECT_EQ(mapping.update(reading.pad, start + reading.at), reading.expected)
            << "at " << reading.at << " ms";
}

TEST(PadMapping, AHeldDirectionActsAtOnceThenRepeatsAfterHalfASecondEveryTenth) {
    const XINPUT_GAMEPAD down = buttons(XINPUT_GAMEPAD_DPAD_DOWN);
    const std::vector<Reading> readings{{10, down, {Navigation::Down}},
                                        {400, down, {}},
                                        {509, down, {}},
                                        {510, down, {Navigation::Down}},
                                        {560, down, {}},
                                        {610, down, {Navigation::Down}},
                                        {710, down, {Navigation::Down}},
                                        {720, buttons(0), {}},
                                        {730, down, {Navigation::Down}},
                                        {800, down, {}}};
    expectActions(readings);
    expectActions(readings, 0xFFFFFF00); // across the tick count's wrap-around
}

TEST(PadMapping, TheStickCountsBeyondHalfWayAndUntilItIsBackInTheDeadZone) {
    expectActions({{10, stick(0, 16000), {}}, // within the dead zone's margin: nothing yet
                   {20, stick(0, 20000), {Navigation::Up}},
                   {30, stick(0, 9000), {}}, // resting near the edge: still held, no flicker
                   {40, stick(0, 20000), {}},
                   {50, stick(0, 7000), {}}, // back in the dead zone: released
                   {60, stick(0, 20000), {Navigation::Up}},
                   {70, stick(0, -20000), {Navigation::Down}},
                   {80, stick(-20000, 0), {Navigation::Left}},
                   {90, stick(30000, -20000), {Navigation::Right}}, // the stronger axis of a diagonal
                   {100, stick(30000, -32768), {}}});               // still right while it leans right
}

TEST(PadMapping, TheDPadWinsOverTheStick) {
    expectActions({{10, stick(0, 30000), {Navigation::Up}},
                   {20, {XINPUT_GAMEPAD_DPAD_LEFT, 0, 0, 0, 30000, 0, 0}, {Navigation::Left}}});
}

TEST(PadMapping, EachPressOfAButtonActsOnceHoweverLongItIsHeld) {
    constexpr WORD a = XINPUT_GAMEPAD_A, start = XINPUT_GAMEPAD_START;
    expectActions({{10, buttons(a), {Navigation::Press}},
                   {600, buttons(a), {}},
                   {610, buttons(a | start), {Navigation::Start}},
                   {620, buttons(0), {}},
                   {630,
                    buttons(XINPUT_GAMEPAD_B | XINPUT_GAMEPAD_BACK | XINPUT_GAMEPAD_LEFT_SHOULDER |
                            XINPUT_GAMEPAD_RIGHT_SHOULDER),
                    {Navigation::Cancel, Navigation::Close, Navigation::StepBack, Navigation::StepForward}}});
}

TEST(PadMapping, WhatWasHeldBeforeTheFirstReadingDoesNotAct) {
    PadMapping mapping;
    const XINPUT_GAMEPAD held = {XINPUT_GAMEPAD_START | XINPUT_GAMEPAD_DPAD_UP, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(mapping.update(held, 0), Actions{});
    EXPECT_EQ(mapping.update(held, 2000), Actions{}) << "a held direction does not start repeating";
    EXPECT_EQ(mapping.update(buttons(0), 2010), Actions{});
    EXPECT_EQ(mapping.update(held, 2020), (Actions{Navigation::Up, Navigation::Start}));
    mapping.reset(); // the window went to the background with them held
    EXPECT_EQ(mapping.update(held, 5000), Actions{});
}

} // namespace
