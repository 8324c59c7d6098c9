// Exports off the UI thread: a written file takes the place of the old one, a failed or cancelled one leaves it as
// it was with no stray file beside it, and a slow one shows a progress dialog under a busy cursor whose Cancel
// button stops it.
#include "app/exportrunner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace trellon {
namespace {

Status writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return out ? success() : Status(Error{ErrorKind::cannotWrite, "cannot create " + path, std::nullopt});
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

class ExportRunnerTest : public ::testing::Test {
protected:
    std::string target() const { return QFile::encodeName(dir.filePath(QStringLiteral("out.pdf"))).toStdString(); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
};

TEST_F(ExportRunnerTest, aFinishedExportReplacesTheFileAndAFailedOneLeavesItNamingTheChosenFile)
{
    const struct {
        bool fails;
        QByteArray content;
    } cases[] = {{false, "new"}, {true, "old"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(writeText(target(), "old"));
        const std::optional<Status> outcome =
            runExport(nullptr, QStringLiteral("…"), target(), [&c](const std::string& path, ExportTask& task) {
                EXPECT_NE(path, task.target()) << "the job writes beside the file chosen";
                const Status written = writeText(path, "new");
                return c.fails ? Status(Error{ErrorKind::cannotWrite, "cannot finish " + path, std::nullopt}) : written;
            });
        ASSERT_TRUE(outcome.has_value());
        EXPECT_EQ(outcome->ok(), !c.fails);
        if (c.fails) {
            EXPECT_EQ(outcome->error().detail, "cannot finish " + target());
        }
        EXPECT_EQ(contentOf(QString::fromStdString(target())), c.content);
        EXPECT_EQ(files(), QStringList{QStringLiteral("out.pdf")}) << "nothing left beside it";
    }
}

TEST_F(ExportRunnerTest, aSlowExportShowsProgressUnderABusyCursorAndCancelLeavesNoFile)
{
    std::remove(target().c_str());
    bool busy = false;
    int shownMaximum = 0;
    // Presses Cancel where the dialog draws it, once the dialog has shown how far the export got.
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog->value() < 3)
            return;
        busy = QApplication::overrideCursor() != nullptr && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        shownMaximum = dialog->maximum();
        auto* cancel = dialog->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton, {}, cancel->rect().center());
        presser.stop();
    });
    presser.start(20);
    const std::optional<Status> outcome =
        runExport(nullptr, QStringLiteral("…"), target(), [](const std::string& path, ExportTask& task) {
            task.setTotal(10);
            EXPECT_TRUE(writeText(path, "partial"));
            for (int step = 1; step <= 10 && !task.isCancelled(); ++step) {
                task.setDone(std::min(step, 3));
                std::this_thread::sleep_for(std::chrono::milliseconds(step < 3 ? 1 : 200));
            }
            return success();
        });
    EXPECT_FALSE(outcome.has_value()) << "cancelled";
    EXPECT_TRUE(busy);
    EXPECT_EQ(shownMaximum, 10);
    EXPECT_TRUE(files().isEmpty()) << files().join(QLatin1Char(' ')).toStdString();
}

} // namespace
} // namespace trellon
