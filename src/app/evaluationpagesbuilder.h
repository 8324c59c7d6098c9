// Lays the evaluation report out off the UI thread, one layout at a time, the newest request winning: a layout
// still running for an earlier request is stopped and only the newest request's pages are handed over.
#pragma once

#include "model/project.h"

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

    // Evaluates the project as given and lays its report out, projectName naming it. Returns the request's
    // number, counted from 1.
    std::uint64_t request(Project project, QString projectName);

signals:
    // The pages of request `number`, delivered on the UI thread; nothing arrives for a request overtaken by a
    // newer one.
    void built(std::uint64_t number, std::shared_ptr<const EvaluationPages> pages);

private:
    struct Job {
        std::uint64_t number = 0;
        Project project;
        QString projectName;
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
