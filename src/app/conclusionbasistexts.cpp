// Conclusion basis names and the lists that offer them.
#include "conclusionbasistexts.h"

#include <QComboBox>
#include <QCoreApplication>

namespace trellon {
namespace {

struct ConclusionBasisTexts {
    Q_DECLARE_TR_FUNCTIONS(ConclusionBasisTexts)
};

constexpr ConclusionBasis bases[] = {ConclusionBasis::rate, ConclusionBasis::appendixE};

} // namespace

QString conclusionBasisName(ConclusionBasis basis)
{
    return basis == ConclusionBasis::appendixE ? ConclusionBasisTexts::tr("GB 50204-2015 附录E")
                                               : ConclusionBasisTexts::tr("合格点率≥90%");
}

void fillConclusionBasisList(QComboBox& list)
{
    list.clear();
    for (const ConclusionBasis basis : bases)
        list.addItem(conclusionBasisName(basis), static_cast<int>(basis));
}

ConclusionBasis chosenConclusionBasis(const QComboBox& list)
{
    return static_cast<ConclusionBasis>(list.currentData().toInt());
}

void showConclusionBasis(QComboBox& list, ConclusionBasis basis)
{
    list.setCurrentIndex(list.findData(static_cast<int>(basis)));
}

} // namespace trellon
