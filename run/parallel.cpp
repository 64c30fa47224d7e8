#include "run/parallel.h"

#include "checks/results.h"

#include <QThread>
#include <condition_variable>
#include <deque>
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

// One file read on several threads: the reader runs on the calling thread and
// its calls on the run's store come here; a pool of threads makes them on worker
// stores, a batch of calls each, and the calling thread merges the workers in
// order, each as the continuation of the file.
class MessageBatches : public ReaderCallSink
{
public:
    MessageBatches(results &run, int jobs, size_t batchCalls)
        : m_run(run)
        , m_ahead(size_t(2 * jobs))
        , m_batchCalls(batchCalls)
    {
        for (int i = 0; i < jobs; ++i)
            m_threads.emplace_back([this] { work(); });
    }
    ~MessageBatches() override
    {
        finish();
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
    }
    MessageBatches(const MessageBatches &) = delete;
    MessageBatches &operator=(const MessageBatches &) = delete;

    void take(ReaderCall &&call) override
    {
        // A batch ends before the origin of a message, so that each message
        // is checked whole on one worker.
        if (call.kind == ReaderCall::Origin && m_open.size() >= m_batchCalls)
            hand();
        if (m_open.empty())
            m_openOrigin = m_originTaken ? m_lastOrigin : m_run.messageOrigin();
        if (call.kind == ReaderCall::Origin) {
            m_lastOrigin = call.origin;
            m_originTaken = true;
        }
        m_open.push_back(std::move(call));
    }

    void finish() override
    {
        if (!m_open.empty())
            hand();
        mergeDone(0);
        // The run's store now stands where the last call left it; its language
        // set-up may change before the next batch.
        m_setUp.reset();
        m_originTaken = false;
    }

private:
    struct Batch {
        std::vector<ReaderCall> calls;
        MessageOrigin origin; // the origin before its first call
        std::shared_ptr<const results> setUp;
        QString path;
        std::unique_ptr<results> store; // set when done
        bool started = false;
    };

    void hand()
    {
        if (!m_setUp) {
            auto setUp = std::make_shared<results>(m_run.options());
            setUp->startWorker(m_run);
            m_setUp = std::move(setUp);
        }
        auto batch = std::make_unique<Batch>();
        batch->calls.swap(m_open);
        batch->origin = m_openOrigin;
        batch->setUp = m_setUp;
        batch->path = m_run.files().constLast();
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_batches.push_back(std::move(batch));
        }
        m_changed.notify_all();
        mergeDone(m_ahead);
    }

    // Merges the batches at the front that are done, waiting for them while
    // more than `keep` are handed out.
    void mergeDone(size_t keep)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_batches.empty()) {
            const Batch *front = m_batches.front().get();
            if (!front->store && m_batches.size() <= keep)
                return;
            m_changed.wait(lock, [front] { return front->store != nullptr; });
            std::unique_ptr<Batch> batch = std::move(m_batches.front());
            m_batches.pop_front();
            lock.unlock();
            m_run.divertReaderCalls(nullptr);
            m_run.mergeWorker(*batch->store, true);
            m_run.divertReaderCalls(this);
            lock.lock();
            // Freed by a thread of the pool.
            m_spent.push_back(std::move(batch));
            m_changed.notify_all();
        }
    }

    void work()
    {
        for (;;) {
            Batch *batch = nullptr;
            std::unique_ptr<Batch> spent;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(lock, [&] {
                    if (m_stop || !m_spent.empty())
                        return true;
                    for (const std::unique_ptr<Batch> &waiting : m_batches)
                        if (!waiting->started)
                            return true;
                    return false;
                });
                if (m_stop)
                    return;
                if (!m_spent.empty()) {
                    spent = std::move(m_spent.back());
                    m_spent.pop_back();
                } else {
                    for (const std::unique_ptr<Batch> &waiting : m_batches)
                        if (!waiting->started) {
                            batch = waiting.get();
                            break;
                        }
                    batch->started = true;
                }
            }
            if (spent)
                continue; // freed here
            auto store = std::make_unique<results>(batch->setUp->options());
            store->startWorker(*batch->setUp);
            store->beginFile(batch->path);
            store->setMessageOrigin(batch->origin);
            for (const ReaderCall &call : batch->calls)
                store->replayReaderCall(call);
            std::vector<ReaderCall>().swap(batch->calls);
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                batch->store = std::move(store);
            }
            m_changed.notify_all();
        }
    }

    results &m_run;
    const size_t m_ahead;
    const size_t m_batchCalls;
    std::vector<ReaderCall> m_open; // the calls of the batch not yet handed out
    MessageOrigin m_openOrigin;
    MessageOrigin m_lastOrigin; // of the last Origin call taken
    bool m_originTaken = false; // since the last finish
    std::shared_ptr<const results> m_setUp;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Batch>> m_batches; // handed out, in order
    std::vector<std::unique_ptr<Batch>> m_spent; // merged, to free
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

} // namespace

QString readFileInParallel(const QString &path, int jobs, results *store, int batchCalls)
{
    if (jobs <= 0)
        jobs = defaultJobs();
    const auto read = [&] {
        return path.endsWith(QLatin1String(".ts")) ? readTsFile(true, path, store)
                                                   : readPoFile(true, path, store);
    };
    if (jobs == 1)
        return read();
    MessageBatches batches(*store, jobs, size_t(std::max(1, batchCalls)));
    store->divertReaderCalls(&batches);
    const QString problem = read();
    batches.finish();
    store->divertReaderCalls(nullptr);
    return problem;
}

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
