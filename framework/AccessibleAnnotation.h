// What assistive technology reads of a control beyond its window text (its
// name): a value and a role, given through Dynamic Annotation (oleacc's
// IAccPropServices, made through COM so that the program does not import
// oleacc.dll). Where the service is missing or does nothing (Wine answers
// E_NOTIMPL), the control keeps what the system tells of it by itself.
// Tests give a fake by overriding the three calls.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"

struct IAccPropServices;

class CAccessibleAnnotation {
public:
    CAccessibleAnnotation();
    virtual ~CAccessibleAnnotation();
    CAccessibleAnnotation(const CAccessibleAnnotation&) = delete;
    CAccessibleAnnotation& operator=(const CAccessibleAnnotation&) = delete;

    // The control's value (a clock's time, say); false when it was not
    // annotated.
    virtual bool SetValue(HWND control, const std::string& value);
    // One of the ROLE_SYSTEM_ roles.
    virtual bool SetRole(HWND control, long role);
    // Takes back what was set, before the control goes: annotations are kept
    // with the window handle, which the system may give to another window.
    virtual void Clear(HWND control);

private:
    // The service, made on first use (the thread is in a COM apartment by
    // then); null while it cannot be made.
    IAccPropServices* Services();

    CUniqueHandle<ComInterfaceTraits<IAccPropServices>> m_services;
};
