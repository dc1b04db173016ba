// Owner of a kernel handle (thread, event, file, mutex): CloseHandle when it goes. Both null and
// INVALID_HANDLE_VALUE mean "no handle".
#pragma once

#include <windows.h>

#include <utility>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : m_handle(handle) {}
    ~CHandle() { Reset(); }

    CHandle(CHandle&& other) noexcept : m_handle(other.Release()) {}
    CHandle& operator=(CHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return IsValid(); }

    void Reset(HANDLE handle = nullptr)
    {
        if (IsValid())
            CloseHandle(m_handle);
        m_handle = handle;
    }

    HANDLE Release() { return std::exchange(m_handle, nullptr); }

private:
    HANDLE m_handle = nullptr;
};
