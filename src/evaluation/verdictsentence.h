// The verdict of a lot told in a sentence, in the acceptance standard's own wording, for the report.
#pragma once

#include "acceptanceevaluation.h"

#include <string>

namespace trellon {

// A rate in percent to one decimal, cut rather than rounded so that a rate just below a threshold never reads as
// the threshold itself (89.96 reads "89.9", not "90.0").
std::string rateText(double percent);

// "梁类构件" or "板类构件".
std::string lotTitle(LotKind kind);

// Why the lot was judged as it was: its rate against 90 % and 80 %, the combined rate of a second sample, and
// values beyond 1.5 times the permitted deviation, ending with the result (UTF-8).
std::string verdictSentence(const LotEvaluation& lot);

} // namespace trellon
