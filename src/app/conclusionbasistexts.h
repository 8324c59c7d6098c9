// The names of the conclusion bases as the report-parameters dialog and the evaluation window offer them.
#pragma once

#include "model/projectextension.h"

class QComboBox;
class QString;

namespace trellon {

// "合格点率≥90%" or "GB 50204-2015 附录E", translated.
QString conclusionBasisName(ConclusionBasis basis);

// Fills the list with both bases, the rate first, each entry holding its basis.
void fillConclusionBasisList(QComboBox& list);

// The basis of the list's current entry, and the entry of a basis.
ConclusionBasis chosenConclusionBasis(const QComboBox& list);
void showConclusionBasis(QComboBox& list, ConclusionBasis basis);

} // namespace trellon
