// Messages about typed numbers.
#include "inputmessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QWidget>

namespace trellon {
namespace {

struct InputMessages {
    Q_DECLARE_TR_FUNCTIONS(InputMessages)
};

} // namespace

QString notAnIntegerMessage()
{
    return InputMessages::tr("请键入一个整数。");
}

QString outOfRangeMessage(std::int64_t lowest, std::int64_t highest)
{
    return InputMessages::tr("您输入的数据越界（%1–%2）").arg(lowest).arg(highest);
}

bool holdsMoreThanWholeMillimetres(const QString& typed)
{
    static const QRegularExpression wholeMillimetres(QStringLiteral("^\\s*[+-]?\\d+\\s*(mm)?\\s*$"),
                                                     QRegularExpression::CaseInsensitiveOption);
    return !wholeMillimetres.match(typed).hasMatch();
}

void noteStoredWholeMillimetres(QWidget* from, std::int64_t stored)
{
    // A main window shows a status tip that reaches it in its status bar.
    QStatusTipEvent note(InputMessages::tr("已存为 %1（读数为整毫米）").arg(stored));
    QCoreApplication::sendEvent(from, &note);
}

} // namespace trellon
