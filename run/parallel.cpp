#include "run/parallel.h"

#include "checks/results.h"

#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

int defaultJobs()
{
    return std::max(1, QThread::idealThreadCount());
}

namespace {

bool readsFile(const ReadStep &step)
{
    return step.kind == ReadStep::File || step.kind == ReadStep::NamedFile;
}

// The files of the steps from `first` on, each read into its own store by a
// pool of threads, handed out in their order. The threads stay a few files
// ahead of the merge, so that only a few stores wait at a time.
class FileQueue
{
public:
    FileQueue(const QList<ReadStep> &steps, qsizetype first, int jobs, const results &run)
        : m_ahead(2 * jobs)
    {
        for (qsizetype i = first; i < steps.size(); ++i)
            if (readsFile(steps.at(i)))
                m_files.push_back(&steps.at(i));
        m_read.resize(m_files.size());
        // The threads copy the run's language set-up from this store: it is
        // only read while they run.
        m_setUp.startWorker(run);
        for (int i = 0; i < jobs; ++i)
            m_threads.emplace_back([this] { work(); });
    }
    ~FileQueue()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
    }
    FileQueue(const FileQueue &) = delete;
    FileQueue &operator=(const FileQueue &) = delete;

    // The store of the next file, once it is read, and the reader's text when
    // the file could not be opened.
    std::unique_ptr<results> take(QString &problem)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const size_t file = m_taken++;
        m_changed.notify_all(); // a thread may read one more file ahead
        m_changed.wait(lock, [&] { return m_read.at(file).store != nullptr; });
        problem = m_read.at(file).problem;
        return std::move(m_read[file].store);
    }

    // A merged store is freed by a thread of the pool, off the calling thread.
    void recycle(std::unique_ptr<results> store)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_spent.push_back(std::move(store));
        }
        m_changed.notify_all();
    }

private:
    struct Read {
        std::unique_ptr<results> store;
        QString problem;
    };

    void work()
    {
        for (;;) {
            size_t file = 0;
            std::unique_ptr<results> spent;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                // The threads stay until the queue ends: after the last file
                // they free the stores still merged.
                m_changed.wait(lock, [this] {
                    return m_stop || !m_spent.empty()
                           || (m_next < m_files.size() && m_next < m_taken + m_ahead);
                });
                if (m_stop)
                    return;
                if (!m_spent.empty()) {
                    spent = std::move(m_spent.back());
                    m_spent.pop_back();
                } else {
                    file = m_next++;
                }
            }
            if (spent) {
                spent.reset();
                continue;
            }
            auto store = std::make_unique<results>(m_setUp.options());
            store->startWorker(m_setUp);
            QString problem = readStepFile(*m_files.at(file), store.get());
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_read[file] = Read {std::move(store), std::move(problem)};
            }
            m_changed.notify_all();
        }
    }

    const size_t m_ahead;
    std::vector<const ReadStep *> m_files;
    results m_setUp;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Read> m_read; // by file, filled by the threads
    std::vector<std::unique_ptr<results>> m_spent; // merged stores to free
    size_t m_next = 0; // the next file a thread reads
    size_t m_taken = 0; // files handed out to the merge
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

} // namespace

bool readStepsInParallel(const QList<ReadStep> &steps, int jobs, int &counter,
                         WalkProgress *progress, results *store, QString *readerMessage)
{
    if (jobs <= 0)
        jobs = defaultJobs();
    qsizetype step = 0;
    // Until a file sets up the language of the run, the files are read in turn:
    // each of them could set it up.
    for (; step < steps.size() && (jobs == 1 || store->catalogueLanguage.isEmpty()); ++step) {
        if (progress && progress->wasCanceled())
            return true;
        const ReadStep &current = steps.at(step);
        const QString problem = readsFile(current) ? readStepFile(current, store) : QString();
        if (!finishStep(current, problem, store, counter, progress, readerMessage))
            return false;
    }
    if (step == steps.size())
        return true;
    FileQueue queue(steps, step, jobs, *store);
    for (; step < steps.size(); ++step) {
        if (progress && progress->wasCanceled())
            return true;
        const ReadStep &current = steps.at(step);
        QString problem;
        if (readsFile(current)) {
            std::unique_ptr<results> worker = queue.take(problem);
            if (worker->mergeable())
                store->mergeWorker(*worker);
            else
                problem = readStepFile(current, store);
            queue.recycle(std::move(worker));
        }
        if (!finishStep(current, problem, store, counter, progress, readerMessage))
            return false;
    }
    return true;
}
