#pragma once
// Test helper: the disk-full case without a full disk.

#include <csignal>
#include <sys/resource.h>

// A full disk, imitated by a small limit on the size of the files this process
// writes; writes beyond it fail (SIGXFSZ is ignored). Restored when it ends.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
            return;
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_previous);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_previous {};
    bool m_active = false;
};
