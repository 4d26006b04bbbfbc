// CStatic: a static control bound to an object.
#pragma once
#include "framework/Wnd.h"

class CStatic : public CWnd {};
