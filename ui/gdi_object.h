// Owners of GDI objects: each deletes its handle with DeleteObject when it goes. Release() hands the
// handle over (for instance a region given to SetWindowRgn, which the system owns from then on).
#pragma once

#include <windows.h>

#include <utility>

template <class THandle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(THandle handle) : m_handle(handle) {}
    ~CGdiObject() { Reset(); }

    CGdiObject(CGdiObject&& other) noexcept : m_handle(other.Release()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    THandle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Deletes the current object and takes ownership of the given one.
    void Reset(THandle handle = nullptr)
    {
        if (m_handle != nullptr)
            DeleteObject(m_handle);
        m_handle = handle;
    }

    // Gives up ownership without deleting.
    THandle Release() { return std::exchange(m_handle, nullptr); }

private:
    THandle m_handle = nullptr;
};

using CBitmap = CGdiObject<HBITMAP>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CPen = CGdiObject<HPEN>;
using CRgn = CGdiObject<HRGN>;
