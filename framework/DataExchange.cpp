#include "framework/DataExchange.h"

#include "framework/Wnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.GetSafeHwnd()) return;  // already bound by an earlier exchange
    control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}
