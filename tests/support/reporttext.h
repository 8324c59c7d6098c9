// The evaluation report's words on one line, as a reader takes them in: paragraphs, and tables heading row first,
// every text parted from the next by a single space.
#pragma once

#include "evaluation/evaluationreport.h"

#include <string>

namespace trellon::testing {

inline std::string reportText(const EvaluationReport& report)
{
    std::string text;
    const auto add = [&text](const std::string& words) {
        if (words.empty())
            return;
        text += (text.empty() ? "" : " ") + words;
    };
    for (const ReportBlock& block : report.blocks) {
        if (const auto* paragraph = std::get_if<ReportParagraph>(&block))
            add(paragraph->text);
        if (const auto* table = std::get_if<ReportTable>(&block)) {
            for (const std::string& heading : table->headings)
                add(heading);
            for (const auto& row : table->rows)
                for (const std::string& cell : row)
                    add(cell);
        }
    }
    return text;
}

} // namespace trellon::testing
