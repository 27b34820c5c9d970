#pragma once

#include <memory>
#include <mutex>
#include <utility>

namespace verbalink {

// A feature object that the owner plugs in (or removes) while other threads use it. Users get
// a shared copy, so a feature removed meanwhile stays alive until they are done with it.
template <typename T>
class ServiceSlot {
public:
    void set(std::shared_ptr<T> service)
    {
        std::lock_guard lock(m_mutex);
        m_service = std::move(service);
    }

    std::shared_ptr<T> get() const
    {
        std::lock_guard lock(m_mutex);
        return m_service;
    }

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<T> m_service;
};

} // namespace verbalink
