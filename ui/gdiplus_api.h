// The one way into GDI+ for this code: its headers need <windows.h> and <objidl.h> first (mingw-w64's
// GDI+ headers compile cleanly with our warning flags), and its objects come from GDI+'s own
// allocator through their class operator new, so plain std::unique_ptr owns them.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

// Owner of any GDI+ object made with new (Bitmap, Image, Graphics, Font, Brush, Pen, ...).
template <class T>
using GdiplusPtr = std::unique_ptr<T>;
