// Evaluation report layout on a worker thread.
#include "evaluationpagesbuilder.h"

#include "evaluation/acceptanceevaluation.h"
#include "views/evaluationpages.h"
#include "views/evaluationpdf.h"

#include <algorithm>

namespace trellon {

EvaluationPagesBuilder::EvaluationPagesBuilder(QObject* parent) : QObject(parent), worker_([this] { work(); }) {}

EvaluationPagesBuilder::~EvaluationPagesBuilder()
{
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    stopLayout_ = true;
    wake_.notify_one();
    worker_.join();
}

std::uint64_t EvaluationPagesBuilder::request(Project project, QString projectName, Sight sight)
{
    std::uint64_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        number = ++newest_;
        pending_ = Job{number, std::move(project), std::move(projectName), sight};
        stopLayout_ = true;
    }
    wake_.notify_one();
    return number;
}

bool EvaluationPagesBuilder::isNewest(std::uint64_t number)
{
    const std::lock_guard lock(mutex_);
    return number == newest_ && !quit_;
}

void EvaluationPagesBuilder::work()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_.has_value(); });
            if (quit_)
                return;
            job = std::move(*pending_);
            pending_.reset();
            stopLayout_ = false;
        }
        const AcceptanceEvaluation evaluation = evaluateAcceptance(job.project);
        auto pages = std::make_shared<const EvaluationPages>(
            evaluationReportOfToday(job.project, evaluation, job.projectName), &stopLayout_);
        SheetPictures pictures;
        const Sight& sight = job.sight;
        for (std::int32_t page = std::max(sight.firstPage, 1);
             page <= std::min(sight.lastPage, pages->pageCount()) && sight.sheetWidth > 0 && !stopLayout_; ++page)
            pictures[page] = sheetImage(*pages, page, sight.sheetWidth, sight.devicePixelRatio);
        if (pages->pageCount() == 0 || !isNewest(job.number))
            continue;
        // Posted to this object on its thread; a destroyed builder receives nothing.
        QMetaObject::invokeMethod(
            this,
            [this, number = job.number, pages, pictures = std::move(pictures)] { emit built(number, pages, pictures); },
            Qt::QueuedConnection);
    }
}

} // namespace trellon
