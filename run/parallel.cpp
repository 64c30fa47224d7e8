#include "run/parallel.h"

#include "checks/results.h"

#include <QThread>
#include <condition_variable>
#include <deque>
#include <functional>
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

// Threads that take jobs under one lock, and free the worker stores the
// calling thread has merged, off that thread. A derived pool starts the threads
// once it is made and stops them first thing when it goes.
class Pool
{
public:
    Pool(const Pool &) = delete;
    Pool &operator=(const Pool &) = delete;

protected:
    Pool() = default;
    virtual ~Pool() = default;

    void start(int jobs)
    {
        for (int i = 0; i < jobs; ++i)
            m_threads.emplace_back([this] { work(); });
    }
    void stop()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
        m_threads.clear();
    }
    // A merged store, for a thread to free.
    void recycle(std::unique_ptr<results> store)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_spent.push_back(std::move(store));
        }
        m_changed.notify_all();
    }

    // Under the lock: whether a job waits, and taking it (what to do after the
    // lock is let go).
    virtual bool jobWaits() const = 0;
    virtual std::function<void()> takeJob() = 0;

    std::mutex m_mutex;
    std::condition_variable m_changed;

private:
    void work()
    {
        for (;;) {
            std::unique_ptr<results> spent;
            std::function<void()> job;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                // The threads stay until the pool stops: after the last job
                // they free the stores still merged.
                m_changed.wait(lock, [this] { return m_stop || !m_spent.empty() || jobWaits(); });
                if (m_stop)
                    return;
                if (!m_spent.empty()) {
                    spent = std::move(m_spent.back());
                    m_spent.pop_back();
                } else {
                    job = takeJob();
                }
            }
            if (job)
                job();
        }
    }

    std::vector<std::unique_ptr<results>> m_spent;
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

// The files of the steps from `first` on, each read into its own store by a
// pool of threads, handed out in their order. The threads stay a few files
// ahead of the merge, so that only a few stores wait at a time.
class FileQueue : public Pool
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
        start(jobs);
    }
    ~FileQueue() override { stop(); }

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

    using Pool::recycle;

private:
    struct Read {
        std::unique_ptr<results> store;
        QString problem;
    };

    bool jobWaits() const override { return m_next < m_files.size() && m_next < m_taken + m_ahead; }
    std::function<void()> takeJob() override
    {
        const size_t file = m_next++;
        return [this, file] {
            auto store = std::make_unique<results>(m_setUp.options());
            store->startWorker(m_setUp);
            QString problem = readStepFile(*m_files.at(file), store.get());
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_read[file] = Read {std::move(store), std::move(problem)};
            }
            m_changed.notify_all();
        };
    }

    const size_t m_ahead;
    std::vector<const ReadStep *> m_files;
    results m_setUp;
    std::vector<Read> m_read; // by file, filled by the threads
    size_t m_next = 0; // the next file a thread reads
    size_t m_taken = 0; // files handed out to the merge
};

// One file read on several threads: the reader runs on the calling thread and
// its calls on the run's store come here; a pool of threads makes them on worker
// stores, a batch of calls each, and the calling thread merges the workers in
// order, each as the continuation of the file.
class MessageBatches : public Pool, public ReaderCallSink
{
public:
    MessageBatches(results &run, int jobs, size_t batchCalls)
        : m_run(run)
        , m_ahead(size_t(2 * jobs))
        , m_batchCalls(batchCalls)
    {
        start(jobs);
    }
    ~MessageBatches() override
    {
        finish();
        stop();
    }

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
            recycle(std::move(batch->store));
            lock.lock();
        }
    }

    Batch *firstWaiting() const
    {
        for (const std::unique_ptr<Batch> &batch : m_batches)
            if (!batch->started)
                return batch.get();
        return nullptr;
    }
    bool jobWaits() const override { return firstWaiting() != nullptr; }
    std::function<void()> takeJob() override
    {
        Batch *batch = firstWaiting();
        batch->started = true;
        return [this, batch] {
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
        };
    }

    results &m_run;
    const size_t m_ahead;
    const size_t m_batchCalls;
    std::vector<ReaderCall> m_open; // the calls of the batch not yet handed out
    MessageOrigin m_openOrigin;
    MessageOrigin m_lastOrigin; // of the last Origin call taken
    bool m_originTaken = false; // since the last finish
    std::shared_ptr<const results> m_setUp;
    std::deque<std::unique_ptr<Batch>> m_batches; // handed out, in order
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
