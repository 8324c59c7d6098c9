// The conclusion of the normal-format Word report, on the basis the project chose: the rate of every ticked point,
// or the verdicts of the acceptance check's lots.
#pragma once

#include "evaluation/checkedsetverdict.h"
#include "model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace trellon {

// The conclusion sentence. `memberRows` is T; with none the sentence takes its "点个" form.
std::string conclusionSentence(std::string_view projectName, const Verdict& verdict, int memberRows);

// The paragraphs between "四、检测结论：" and "（以下空白）", each opening with four blanks. On the rate basis, the
// conclusion sentence. On the acceptance check's basis: the conclusion sentence cut after the rate; each lot that
// has members, beams first, with its verdict sentence; then a note on the ticked members outside the lots, or on
// there being no lot to judge.
std::vector<std::string> conclusionParagraphs(const Project& project, std::string_view projectName,
                                              const Verdict& verdict, int memberRows);

} // namespace trellon
