#include "skin/png_resource.h"

#include <cstring>

#include "ui/com_ptr.h"
#include "ui/resource_module.h"

namespace {

// Holds the stream's reference; as the first base of CStreamBitmap it is made before the bitmap and
// released after the bitmap is disposed.
class CStreamReference {
protected:
    explicit CStreamReference(IStream* stream) : m_stream(stream) {}

private:
    CComPtr<IStream> m_stream;
};

class CStreamBitmap final : private CStreamReference, public Gdiplus::Bitmap {
public:
    explicit CStreamBitmap(IStream* stream) : CStreamReference(stream), Gdiplus::Bitmap(stream) {}
};

// A movable global block holding a copy of `size` bytes, or null.
HGLOBAL CopyToGlobalMemory(const void* data, DWORD size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr)
        return nullptr;
    void* target = GlobalLock(block);
    if (target == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block);
    return block;
}

} // namespace

int LoadPngResource(HMODULE module, UINT resourceId, GdiplusPtr<Gdiplus::Bitmap>& bitmap)
{
    if (module == nullptr)
        module = GetResourceModule();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"PNG");
    if (resource == nullptr)
        return 0;
    HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr)
        return 0;
    const void* bytes = LockResource(loaded);
    const DWORD size = SizeofResource(module, resource);
    if (bytes == nullptr)
        return 0;

    HGLOBAL block = CopyToGlobalMemory(bytes, size);
    if (block == nullptr)
        return 0;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || stream == nullptr) {
        GlobalFree(block);
        return 0;
    }
    // The bitmap takes over our reference to the stream; the stream frees the block.
    bitmap.reset(new CStreamBitmap(stream));
    return 1;
}
