#include "ui/selected_object.h"

CSelectedObject::CSelectedObject(HDC hDC, HGDIOBJ object) : m_hDC(hDC), m_previous(SelectObject(hDC, object)) {}

CSelectedObject::~CSelectedObject()
{
    if (m_previous != nullptr && m_previous != HGDI_ERROR)
        SelectObject(m_hDC, m_previous);
}
