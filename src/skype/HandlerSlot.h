#pragma once

#include <functional>
#include <mutex>
#include <utility>

namespace verbalink {

template <typename Signature>
class HandlerSlot;

// A callback that the owner may (re)assign while other threads call it. Calling an empty
// slot does nothing and returns a default value.
template <typename R, typename... Args>
class HandlerSlot<R(Args...)> {
public:
    using Function = std::function<R(Args...)>;

    void set(Function function)
    {
        std::lock_guard lock(m_mutex);
        m_function = std::move(function);
    }

    bool isSet() const
    {
        std::lock_guard lock(m_mutex);
        return static_cast<bool>(m_function);
    }

    // The function is copied out so that it runs without the lock held.
    R operator()(Args... args) const
    {
        Function function;
        {
            std::lock_guard lock(m_mutex);
            function = m_function;
        }
        if (!function)
            return R();
        return function(std::forward<Args>(args)...);
    }

private:
    mutable std::mutex m_mutex;
    Function m_function;
};

} // namespace verbalink
