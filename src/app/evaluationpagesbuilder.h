// Lays the evaluation report out off the UI thread, one layout at a time, the newest request winning: a layout
// still running for an earlier request is stopped and only the newest request's pages are handed over, with
// pictures of the pages the window has in sight drawn there too.
#pragma once

#include "model/project.h"
#include "views/pageddocument.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace trellon {

class EvaluationPages;

class EvaluationPagesBuilder final : public QObject {
    Q_OBJECT

public:
    explicit EvaluationPagesBuilder(QObject* parent = nullptr);
    // Stops the layout under way and waits for the worker.
    ~EvaluationPagesBuilder() override;

    // The pages to draw pictures of with the layout, and how wide.
    struct Sight {
        std::int32_t firstPage = 1;
        std::int32_t lastPage = 0;
        int sheetWidth = 0;
        double devicePixelRatio = 1.0;
    };

    // Evaluates the project as given and lays its report out, projectName naming it. Returns the request's
    // number, counted from 1.
    std::uint64_t request(Project project, QString projectName, Sight sight);

signals:
    // The pages of request `number` and the pictures of those in sight, delivered on the UI thread; nothing
    // arrives for a request overtaken by a newer one.
    void built(std::uint64_t number, std::shared_ptr<const EvaluationPages> pages, SheetPictures pictures);

private:
    struct Job {
        std::uint64_t number = 0;
        Project project;
        QString projectName;
        Sight sight;
    };

    void work();
    // Whether request `number` is still the newest.
    bool isNewest(std::uint64_t number);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> pending_;
    std::uint64_t newest_ = 0;
    bool quit_ = false;
    std::atomic<bool> stopLayout_{false};
    std::thread worker_;
};

} // namespace trellon
