// The largest project the instrument holds, as the benchmarks measure it: 1004 members, 124,032 readings.
#pragma once

#include "link/framebuilder.h"
#include "model/project.h"

#include <cstddef>
#include <vector>

namespace trellon::bench {

constexpr int largestMemberCount = 1004;
constexpr std::size_t largestSampleArea = 124032;

// 251 members of each test mode in turn: single points (120 or 121 readings), 62 pairs, grids of 20 + 20 bars
// with their separator and sections of 41 bars; the single points take up the rest of the sample area.
std::vector<InstrumentMember> largestMembers();

// The received project as the office edits it: names, design covers and ticks on every member.
Project editedProject(const Project& received);

// The largest project received from its transfer frame, then edited; throws when the frame does not decode.
Project largestEditedProject();

// The same with its members named as beams, slabs, cantilever beams, cantilever slabs and walls in turn, so that
// the acceptance check finds both lots and members outside them.
Project largestMixedProject();

} // namespace trellon::bench
