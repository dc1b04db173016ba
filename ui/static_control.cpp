#include "ui/static_control.h"

UINT CStatic::GetStaticType() const
{
    return GetStyle() & SS_TYPEMASK;
}
