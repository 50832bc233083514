#pragma once
// What a form designer may have attached besides itself: a code designer
// (an editor of the handlers' code) and a script engine. Nothing in this
// system makes either; hosts that have one derive from these, and the
// form designer hands them the handler names it creates and renames.
#include <string>

#include "framework/design/DesignIntf.h"

class TCodeDesigner : public TComponent {
    QRN_CLASS(TCodeDesigner, TComponent)
public:
    explicit TCodeDesigner(TComponent* AOwner) : TComponent(AOwner) {}
    // The type name of an automation variant type code in the code's
    // language; empty leaves it to the library's table.
    virtual std::string VariantTypeName(int Code) = 0;
    virtual void CreateMethod(const std::string& Name, const TTypeInfo* TypeData) = 0;
    virtual void EnumMethods(const TTypeInfo* TypeData, TGetStrProc Proc) = 0;
    virtual bool MethodExists(const std::string& Name) = 0;
    virtual void RenameMethod(const std::string& CurName, const std::string& NewName) = 0;
    virtual void ShowMethod(const std::string& Name) = 0;
    // Whether the code can take Name for the form or one of its components.
    virtual bool IsValidName(const std::string&) { return true; }
    // The form (Component nullptr) or a component was renamed; CurName is
    // empty when it gets its first name.
    virtual void Renamed(TComponent* /*Component*/, const std::string& /*CurName*/, const std::string& /*NewName*/) {}
    // Characters that end a word of the code.
    virtual std::string WordDelimiters() { return "{}+-/*():=,;><$.#[]^@&~|%'"; }
};

class TZelSimpleScripter : public TComponent {
    QRN_CLASS(TZelSimpleScripter, TComponent)
public:
    explicit TZelSimpleScripter(TComponent* AOwner) : TComponent(AOwner) {}
    // Design mode of the form the scripter's designer designs starts or
    // ends.
    virtual void DesignModeChanged(bool Active) = 0;
    // A handler was created since the last modification.
    virtual void MethodCreated(const std::string& Name) = 0;
    virtual void MethodRenamed(const std::string& CurName, const std::string& NewName) = 0;
};

QRN_PUBLISHED_INLINE(TCodeDesigner) {}
QRN_PUBLISHED_INLINE(TZelSimpleScripter) {}
