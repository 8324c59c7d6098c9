// Every translatable text of the sources has a finished English translation. lupdate merges the texts of the
// sources into a copy of translations/trellon_en.ts, as `ninja update-translations` does; a text added to the
// sources then comes in unfinished, and the test names it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString translationFile = QStringLiteral(TRELLON_SOURCE_DIR "/translations/trellon_en.ts");

struct Merged {
    QStringList untranslated; // "context: source" of each entry left unfinished or empty
    QStringList warnings;     // lupdate's complaints about the sources, such as a tr() without a context
    int messages = 0;
};

// Merges the texts of sourceFolder into a copy of the .ts file and reads the copy.
Merged mergeInto(const QString& tsFile, const QString& sourceFolder, const QTemporaryDir& work)
{
    const QString copy = work.filePath(QStringLiteral("merged_en.ts"));
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(tsFile, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral("-locations"), QStringLiteral("none"),
                                            QStringLiteral("-no-obsolete"), QStringLiteral("-source-language"),
                                            QStringLiteral("zh_CN"), sourceFolder, QStringLiteral("-ts"), copy});
    EXPECT_TRUE(lupdate.waitForFinished(120000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    Merged merged;
    const QString output = QString::fromUtf8(lupdate.readAllStandardOutput() + lupdate.readAllStandardError());
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(sourceFolder))
            merged.warnings << line;
    }
    QFile file(copy);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString context;
    QString source;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("name")) {
            context = ts.readElementText();
        } else if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText();
        } else if (ts.name() == QLatin1String("translation")) {
            ++merged.messages;
            const bool unfinished = ts.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (ts.readElementText().trimmed().isEmpty() || unfinished)
                merged.untranslated << context + QStringLiteral(": ") + source;
        }
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    return merged;
}

TEST(TranslationCompleteness, everyTextOfTheSourcesHasAFinishedEnglishTranslation)
{
    const QTemporaryDir work;
    const Merged merged = mergeInto(translationFile, QStringLiteral(TRELLON_SOURCE_DIR "/src"), work);
    EXPECT_GT(merged.messages, 300);
    EXPECT_TRUE(merged.untranslated.isEmpty())
        << merged.untranslated.size() << " texts have no finished English translation; run "
        << "`ninja -C build update-translations` and translate them in translations/trellon_en.ts:\n"
        << merged.untranslated.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(merged.warnings.isEmpty())
        << "lupdate cannot tell the context of these texts, so their translations would never be found:\n"
        << merged.warnings.join(QLatin1Char('\n')).toStdString();
}

TEST(TranslationCompleteness, aNewTextWithoutTranslationIsNamed)
{
    const QTemporaryDir work;
    const QString sources = work.filePath(QStringLiteral("src"));
    ASSERT_TRUE(QDir().mkpath(sources));
    QFile added(sources + QStringLiteral("/added.cpp"));
    ASSERT_TRUE(added.open(QIODevice::WriteOnly));
    added.write("#include <QCoreApplication>\n"
                "QString added() { return QCoreApplication::translate(\"CommandTable\", \"新建(&N)\") +\n"
                "    QCoreApplication::translate(\"Probe\", \"新加的文字\"); }\n"
                "QString orphan() { return tr(\"没有上下文\"); }\n");
    added.close();
    const Merged merged = mergeInto(translationFile, sources, work);
    EXPECT_EQ(merged.untranslated, QStringList{QStringLiteral("Probe: 新加的文字")});
    EXPECT_EQ(merged.warnings.size(), 1) << merged.warnings.join(QLatin1Char('\n')).toStdString();
}

} // namespace
