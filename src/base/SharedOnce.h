#pragma once

#include <atomic>
#include <memory>

// Set on a thread of low priority (the start's warm-up): what it
// is making is never waited for.
inline thread_local bool onLowPriorityThread = false;

// A value made once for the whole process and kept until it ends. Whichever
// thread asks first makes it. A thread that asks while another makes it
// waits only for a maker of its own priority; one that finds only a
// low-priority maker at work makes its own rather than wait, and the first
// one finished is kept. So the start's main thread never stalls behind a
// warm-up thread that a busy machine leaves no time to run. Never
// destroyed, so nothing that still reads it at exit (a background task, a
// library's exit handler) finds it gone. Constant-initialized: a static one
// needs no guard.
template <typename T> class SharedOnce {
public:
    constexpr SharedOnce() = default;
    SharedOnce(const SharedOnce&) = delete;
    SharedOnce& operator=(const SharedOnce&) = delete;

    // `make` returns a std::unique_ptr<T>.
    template <typename Make> const T& get(Make&& make)
    {
        if (const T* made = m_value.load(std::memory_order_acquire)) return *made;
        const bool low = onLowPriorityThread;
        // A maker of equal priority is at work: waiting for it costs less
        // than making it again.
        while (!low && m_makers.load(std::memory_order_acquire) > 0) {
            m_value.wait(nullptr, std::memory_order_acquire);
            if (const T* made = m_value.load(std::memory_order_acquire)) return *made;
        }
        if (!low) m_makers.fetch_add(1, std::memory_order_acq_rel);
        std::unique_ptr<T> mine = make();
        const T* expected = nullptr;
        const bool first =
            m_value.compare_exchange_strong(expected, mine.get(), std::memory_order_acq_rel, std::memory_order_acquire);
        if (!low) m_makers.fetch_sub(1, std::memory_order_acq_rel);
        m_value.notify_all();
        if (first) return *mine.release();
        return *expected; // another thread finished first; ours goes
    }
    bool isMade() const { return m_value.load(std::memory_order_acquire) != nullptr; }

private:
    std::atomic<const T*> m_value{nullptr};
    std::atomic<int> m_makers{0}; // of normal priority, at work now
};
