// Owner of one reference to a COM object: Release when it goes.
#pragma once

#include <unknwn.h>

#include <utility>

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    // Takes over a reference that the caller already holds (no AddRef).
    explicit CComPtr(T* object) : m_pObject(object) {}
    ~CComPtr() { Reset(); }

    CComPtr(CComPtr&& other) noexcept : m_pObject(other.Detach()) {}
    CComPtr& operator=(CComPtr&& other) noexcept
    {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    T* Get() const { return m_pObject; }
    T* operator->() const { return m_pObject; }
    explicit operator bool() const { return m_pObject != nullptr; }

    // For functions that hand out a new reference through a T** argument.
    T** Receive()
    {
        Reset();
        return &m_pObject;
    }

    void Reset(T* object = nullptr)
    {
        if (m_pObject != nullptr)
            m_pObject->Release();
        m_pObject = object;
    }

    T* Detach() { return std::exchange(m_pObject, nullptr); }

private:
    T* m_pObject = nullptr;
};
