// Verdict sentences.
#include "verdictsentence.h"

#include <cmath>
#include <cstdio>

namespace trellon {

std::string rateText(double percent)
{
    // The small allowance keeps a rate such as 90.0, held as 89.99999…, at its own tenth.
    const double tenths = std::floor(percent * 10.0 + 1e-6);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

std::string lotTitle(LotKind kind)
{
    return kind == LotKind::beam ? "梁类构件" : "板类构件";
}

std::string verdictSentence(const LotEvaluation& lot)
{
    const std::string title = lotTitle(lot.kind);
    if (lot.result == LotResult::noData || !lot.first.rate)
        return title + "无检验数据，不作评定。";
    const double rate = *lot.first.rate;
    const std::string opening = title + "钢筋保护层厚度检验的合格率为" + rateText(rate) + "%";
    const std::string withinLimit = "不合格点的最大偏差均不大于允许偏差的1.5倍";
    if (lot.first.anyBeyondLimit)
        return opening + "，不合格点的最大偏差大于允许偏差的1.5倍，判为不合格。";
    if (reachesAcceptedRate(rate))
        return opening + "，为90%及以上，且" + withinLimit + "，判为合格。";
    if (rate < retestRate)
        return opening + "，小于80%，判为不合格。";
    const std::string retest = opening + "，小于90%但不小于80%";
    if (lot.result == LotResult::retest || !lot.combinedRate)
        return retest + "，应再抽取相同数量的构件进行检验。";
    const std::string combined = retest + "；按两次抽样总和计算的合格率为" + rateText(*lot.combinedRate) + "%";
    if (lot.result == LotResult::accepted)
        return combined + "，为90%及以上，且每次抽样" + withinLimit + "，判为合格。";
    if (lot.second && lot.second->anyBeyondLimit)
        return combined + "，但复检中不合格点的最大偏差大于允许偏差的1.5倍，判为不合格。";
    return combined + "，小于90%，判为不合格。";
}

} // namespace trellon
