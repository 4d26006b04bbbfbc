// Dialog data exchange: binds control objects to the dialog's controls.
#pragma once
#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Subclasses the control `id` of the dialog with `control`, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
