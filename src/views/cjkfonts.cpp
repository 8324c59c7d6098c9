// Font substitutions for the system's face names.
#include "cjkfonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace trellon {

void installCjkFontSubstitutions()
{
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList hei{QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("AR PL UMing CN")};
    const QStringList kai{QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN"),
                          QStringLiteral("WenQuanYi Zen Hei")};
    for (const QString& face : {QStringLiteral("宋体"), QStringLiteral("SimSun")})
        QFont::insertSubstitutions(face, song);
    for (const QString& face : {QStringLiteral("黑体"), QStringLiteral("SimHei")})
        QFont::insertSubstitutions(face, hei);
    for (const QString& face : {QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi")})
        QFont::insertSubstitutions(face, kai);
}

} // namespace trellon
