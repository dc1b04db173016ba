#include <winsock2.h>
#include <windows.h>
// windows.h first: IP Helper and WMI headers need its types.
#include <iphlpapi.h>
#include <objbase.h>
#include <wbemidl.h>

#include <vector>

#include "hardware/library_text.h"
#include "hardware/system_queries.h"

namespace {

// Registry values are read into buffers of 256 characters: at most 255 are kept.
constexpr DWORD kRegistryTextChars = 256;

// Reads one string value in two steps (its size, then its data); empty when missing or unreadable.
std::wstring ReadRegistryText(HKEY key, const wchar_t* name)
{
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS)
        return {};
    std::wstring text(buffer.data()); // up to the first null, which the extra element guarantees
    if (text.size() > kRegistryTextChars - 1)
        text.resize(kRegistryTextChars - 1);
    return text;
}

// Owns one COM interface pointer.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* operator->() const { return m_p; }
    Interface* Get() const { return m_p; }
    Interface** Out() { return &m_p; }
    void** OutVoid() { return reinterpret_cast<void**>(&m_p); }

private:
    Interface* m_p = nullptr;
};

// Uninitialises COM on scope exit when this scope initialised it.
class ComApartment {
public:
    ComApartment() : m_ok(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComApartment()
    {
        if (m_ok)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Ok() const { return m_ok; }

private:
    bool m_ok;
};

// Releases a BSTR on scope exit.
class BstrText {
public:
    explicit BstrText(const wchar_t* text) : m_text(SysAllocString(text)) {}
    ~BstrText() { SysFreeString(m_text); }
    BstrText(const BstrText&) = delete;
    BstrText& operator=(const BstrText&) = delete;
    operator BSTR() const { return m_text; }

private:
    BSTR m_text;
};

// One text property of an object; empty when it is missing or not a text.
std::wstring ReadTextProperty(IWbemClassObject* object, const wchar_t* name)
{
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(object->Get(name, 0, &value, nullptr, nullptr)) && value.vt == VT_BSTR && value.bstrVal)
        text = value.bstrVal;
    VariantClear(&value);
    return text;
}

bool ReadDescriptions(IEnumWbemClassObject* results, std::vector<std::wstring>& descriptions)
{
    for (;;) {
        ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        results->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.Out(), &returned);
        if (returned == 0)
            return true;
        // Some WMI providers (Wine's among them) have no description: the device's name says the same.
        std::wstring description = ReadTextProperty(object.Get(), L"Description");
        if (description.empty())
            description = ReadTextProperty(object.Get(), L"Name");
        if (!description.empty())
            descriptions.push_back(std::move(description));
    }
}

} // namespace

std::wstring QueryFirstAdapterDescription()
{
    ULONG size = 0;
    GetAdaptersInfo(nullptr, &size);
    if (size == 0)
        return {};
    std::vector<unsigned char> block(size, 0);
    auto* adapters = reinterpret_cast<IP_ADAPTER_INFO*>(block.data());
    if (GetAdaptersInfo(adapters, &size) != ERROR_SUCCESS)
        return {};
    const std::size_t maxChars = sizeof adapters->Description;
    return FromAnsi(std::string(adapters->Description, strnlen(adapters->Description, maxChars)));
}

OsVersionValues QueryOsVersionValues()
{
    OsVersionValues values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return values;
    values.productName = ReadRegistryText(key, L"ProductName");
    values.displayVersion = ReadRegistryText(key, L"DisplayVersion");
    values.currentBuild = ReadRegistryText(key, L"CurrentBuild");
    RegCloseKey(key);
    return values;
}

bool QueryWmiDescriptions(const std::wstring& query, std::vector<std::wstring>& descriptions)
{
    ComApartment com;
    if (!com.Ok())
        return false;
    // The process may have set its security already; that is not a failure of this query.
    const HRESULT security = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                                  RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    if (FAILED(security) && security != RPC_E_TOO_LATE)
        return false;

    ComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                locator.OutVoid())))
        return false;
    ComPtr<IWbemServices> services;
    const BstrText space(L"ROOT\\CIMV2");
    if (FAILED(locator->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Out())))
        return false;
    if (FAILED(CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                                 RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
        return false;
    ComPtr<IEnumWbemClassObject> results;
    const BstrText language(L"WQL");
    const BstrText text(query.c_str());
    if (FAILED(services->ExecQuery(language, text, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   results.Out())))
        return false;
    return ReadDescriptions(results.Get(), descriptions);
}
