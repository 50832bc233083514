#pragma once
// Property editors: one editor object per property row of a selection. It
// reads and writes the property of every selected component, turns the
// value into the text the inspector shows and back, offers value lists,
// sub-properties and a dialog. Editors are found through a registry (by
// property type, component class and property name); a property whose
// type has no registered editor gets the standard editor of its kind.
//
// Nothing is registered at start-up: the designer library registers the
// standard editors itself, after checking that nobody did so before it.
//
//   RegisterPropertyEditor(QRN_TYPE(TColor), nullptr, "", PropertyEditorClass<TColorProperty>());
//   GetComponentProperties(Selection, tkProperties, Designer,
//                          [&](std::unique_ptr<TPropertyEditor> E) { Rows.push_back(std::move(E)); });
//
// Portable: the dialogs and the screen's font list come in through the
// hooks at the end, which the Windows half fills.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/design/DesignIntf.h"

enum TPropertyAttribute {
    paValueList,       // GetValues offers the values
    paSubProperties,   // GetProperties lists editors of the parts
    paDialog,          // Edit opens a dialog
    paMultiSelect,     // shown when several components are selected
    paAutoUpdate,      // SetValue on every keystroke
    paSortList,        // the value list is shown sorted
    paReadOnly,        // the text cannot be typed
    paRevertable       // the value can go back to the inherited one
};
QRN_ENUM(TPropertyAttribute, paValueList, paSubProperties, paDialog, paMultiSelect, paAutoUpdate, paSortList,
         paReadOnly, paRevertable)
using TPropertyAttributes = TSmallSet<TPropertyAttribute>;

// The kinds the inspector's properties page shows (everything but events).
constexpr TTypeKinds tkMethods{tkMethod};
constexpr TTypeKinds tkProperties = tkAny - tkMethods;

class TPropertyEditor;
using TGetPropEditProc = std::function<void(std::unique_ptr<TPropertyEditor> Editor)>;

// How an editor class is named in the registry: PropertyEditorClass<T>().
struct TPropertyEditorClassRec {
    std::unique_ptr<TPropertyEditor> (*Create)(TFormDesigner* Designer, int PropCount);
};
using TPropertyEditorClass = const TPropertyEditorClassRec*;
template <class T>
TPropertyEditorClass PropertyEditorClass() {
    static const TPropertyEditorClassRec Rec{[](TFormDesigner* D, int N) -> std::unique_ptr<TPropertyEditor> {
        return std::make_unique<T>(D, N);
    }};
    return &Rec;
}

class TPropertyEditor {
public:
    TPropertyEditor(TFormDesigner* Designer, int PropCount);
    virtual ~TPropertyEditor() = default;
    TPropertyEditor(const TPropertyEditor&) = delete;
    TPropertyEditor& operator=(const TPropertyEditor&) = delete;

    // Set up by GetComponentProperties: one entry per selected component.
    void SetPropEntry(int Index, TPersistent* Instance, const TPropInfo* Prop);
    virtual void Initialize() {}

    TFormDesigner* Designer() const { return FDesigner; }
    int PropCount() const { return static_cast<int>(FProps.size()); }
    TPersistent* GetComponent(int Index) const { return FProps.at(static_cast<size_t>(Index)).Instance; }
    // The property as the component at Index publishes it.
    const TPropInfo* GetPropInfo(int Index = 0) const { return FProps.at(static_cast<size_t>(Index)).Prop; }
    const TTypeInfo* GetPropType() const { return GetPropInfo()->PropType; }

    virtual std::string GetName();
    // The value of the first component as text (the inspector shows it
    // only when AllEqual).
    virtual std::string GetValue();
    // Sets every component from the text; raises EPropertyError when the
    // text is not a value of the property.
    virtual void SetValue(const std::string& Value);
    virtual TPropertyAttributes GetAttributes();
    virtual void GetValues(TGetStrProc Proc);
    virtual void GetProperties(TGetPropEditProc Proc);
    virtual void Edit();
    // True when every component holds the same value.
    virtual bool AllEqual();
    virtual int GetEditLimit();
    // False when the value cannot be read now (the row is then left out).
    virtual bool ValueAvailable();
    // Tells the designer that the components changed.
    void Modified();

protected:
    // Typed access: Get* reads the first component (or the one at Index),
    // Set* writes every component and then calls Modified.
    int64_t GetOrdValue(int Index = 0);
    void SetOrdValue(int64_t Value);
    double GetFloatValue(int Index = 0);
    void SetFloatValue(double Value);
    std::string GetStrValue(int Index = 0);
    void SetStrValue(const std::string& Value);
    TObject* GetObjValue(int Index = 0);
    void SetObjValue(TObject* Value);
    TMethod GetMethodValue(int Index = 0);
    void SetMethodValue(const TMethod& Value);
    Variant GetVarValue(int Index = 0);
    void SetVarValue(const Variant& Value);
    // Every component: true when Same(0, I) holds for all I.
    bool AllSame(const std::function<bool(int First, int Other)>& Same);

private:
    struct TEntry {
        TPersistent* Instance = nullptr;
        const TPropInfo* Prop = nullptr;
    };
    TFormDesigner* FDesigner;
    std::vector<TEntry> FProps;
};

// ---- the standard editors

class TOrdinalProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    bool AllEqual() override;
    int GetEditLimit() override { return 63; }
};

// Integers in decimal, checked against the type's range.
class TIntegerProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
};

// A character as itself when printable, else "#n".
class TCharProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
};

// Enumerations (Booleans too) by identifier, with the identifiers offered.
class TEnumProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;
};

// Sets as "[a,b]"; one True/False sub-property per element.
class TSetProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
    void GetProperties(TGetPropEditProc Proc) override;
};

// One element of a set: its name, "True" when the set holds it.
class TSetElementProperty : public TPropertyEditor {
public:
    TSetElementProperty(TFormDesigner* Designer, int PropCount) : TPropertyEditor(Designer, PropCount) {}
    void SetElement(int Element) { FElement = Element; }
    std::string GetName() override;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;
    bool AllEqual() override;

private:
    int FElement = 0;
};

class TFloatProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    bool AllEqual() override;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
};

class TStringProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    bool AllEqual() override;
    int GetEditLimit() override { return 255; }
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
};

// An object the property owns (a font, a string list): "(" + its declared
// type + ")", its published properties as sub-properties.
class TClassProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void GetProperties(TGetPropEditProc Proc) override;
};

// A reference to another component: its name, the names the designer
// knows of components of the property's class offered.
class TComponentProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    bool AllEqual() override;
    int GetEditLimit() override { return 127; }
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;
};

// An event: the handler's name; setting a new name makes the designer
// create the handler, a changed name renames it; Edit creates (or goes to)
// the handler named after component and event.
class TMethodProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    bool AllEqual() override;
    int GetEditLimit() override { return 255; }
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;
    void Edit() override;
};

// Integers with constant names: a value shows its name when it has one,
// and the names are offered; a descendant supplies the names.
class TIdentIntegerProperty : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;

protected:
    virtual bool ToIdent(int64_t Value, std::string& Ident) = 0;
    virtual bool FromIdent(const std::string& Ident, int64_t& Value) = 0;
    virtual void ListIdents(const TGetStrProc& Proc) = 0;
    // The text of a value without a name (decimal by default).
    virtual std::string ValueText(int64_t Value) { return std::to_string(Value); }
};

// Colours by name (clBtnFace) or $00BBGGRR; Edit opens the colour dialog.
class TColorProperty : public TIdentIntegerProperty {
public:
    using TIdentIntegerProperty::TIdentIntegerProperty;
    TPropertyAttributes GetAttributes() override;
    void Edit() override;

protected:
    bool ToIdent(int64_t Value, std::string& Ident) override;
    bool FromIdent(const std::string& Ident, int64_t& Value) override;
    void ListIdents(const TGetStrProc& Proc) override;
    std::string ValueText(int64_t Value) override;
};

// Cursors by name (crDefault).
class TCursorProperty : public TIdentIntegerProperty {
public:
    using TIdentIntegerProperty::TIdentIntegerProperty;
    TPropertyAttributes GetAttributes() override;

protected:
    bool ToIdent(int64_t Value, std::string& Ident) override;
    bool FromIdent(const std::string& Ident, int64_t& Value) override;
    void ListIdents(const TGetStrProc& Proc) override;
};

// A font name, the screen's fonts offered.
class TFontNameProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
    void GetValues(TGetStrProc Proc) override;
};

// A font: sub-properties, and the font dialog.
class TFontProperty : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
    TPropertyAttributes GetAttributes() override;
    void Edit() override;
};

// A caption follows every keystroke.
class TCaptionProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
};

// A component's name: for one component only.
class TComponentNameProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override { return 63; }
};

// Modal results by name (mrOk), else the number.
class TModalResultProperty : public TIdentIntegerProperty {
public:
    using TIdentIntegerProperty::TIdentIntegerProperty;
    TPropertyAttributes GetAttributes() override;

protected:
    bool ToIdent(int64_t Value, std::string& Ident) override;
    bool FromIdent(const std::string& Ident, int64_t& Value) override;
    void ListIdents(const TGetStrProc& Proc) override;
};

// Short-cuts as text ("Ctrl+S"), "(None)" for none.
class TShortCutProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;
};

// A tab order: for one component only.
class TTabOrderProperty : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    TPropertyAttributes GetAttributes() override { return {}; }
};

// Character sets by name (DEFAULT_CHARSET), else the number.
class TFontCharsetProperty : public TIdentIntegerProperty {
public:
    using TIdentIntegerProperty::TIdentIntegerProperty;
    TPropertyAttributes GetAttributes() override;

protected:
    bool ToIdent(int64_t Value, std::string& Ident) override;
    bool FromIdent(const std::string& Ident, int64_t& Value) override;
    void ListIdents(const TGetStrProc& Proc) override;
};

// An input method editor's name, the installed ones offered.
class TImeNameProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
    void GetValues(TGetStrProc Proc) override;
};

// Date and time values in the short formats; an empty text is zero.
class TDateTimeProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
};
class TDateProperty : public TDateTimeProperty {
public:
    using TDateTimeProperty::TDateTimeProperty;
    std::string GetValue() override;
};
class TTimeProperty : public TDateTimeProperty {
public:
    using TDateTimeProperty::TDateTimeProperty;
    std::string GetValue() override;
};

// A variant as its string; setting stores the text as a string variant.
class TVariantProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
};

// The handler name an event editor makes for Instance's event EventName:
// the designer's display name of Instance without ".", "[" and "]", then
// the event name without a leading "On". Raises EPropertyError for an
// unnamed component.
std::string MakeEventMethodName(TFormDesigner* Designer, TPersistent* Instance, const std::string& EventName);

// Names of modal results and character sets, as the editors show them.
bool ModalResultToIdent(int64_t Value, std::string& Ident);
bool IdentToModalResult(const std::string& Ident, int64_t& Value);
bool CharsetToIdent(int64_t Value, std::string& Ident);
bool IdentToCharset(const std::string& Ident, int64_t& Value);

// ---- the registry

// Registers EditorClass for properties of PropertyType on ComponentClass
// (nullptr: any class) named PropertyName (empty: any name). A class type
// also covers its descendants. For a property the best match wins, ranked
// by: a given name over none, then the nearest component class, then the
// exact type over an ancestor class type, then the nearest ancestor class;
// among equals, the newest.
void RegisterPropertyEditor(const TTypeInfo* PropertyType, const TClass* ComponentClass,
                            const std::string& PropertyName, TPropertyEditorClass EditorClass);
// The editor class for Prop of Instance: the best registration, else the
// standard editor of the property's kind (nullptr for kinds without one).
TPropertyEditorClass GetEditorClass(const TPropInfo* Prop, const TPersistent* Instance);
// One editor per property of the given kinds that every component of the
// list publishes (same name and type) and that has a readable value; with
// more than one component only editors with paMultiSelect. In the first
// component's property order. The caller owns the editors.
void GetComponentProperties(const TDesignerSelectionList& Components, TTypeKinds Filter, TFormDesigner* Designer,
                            const TGetPropEditProc& Proc);

// Editor groups: every property and component editor registration is
// stamped with the current group. NewEditorGroup starts a group (a package
// being loaded); FreeEditorGroup drops its registrations and then calls
// FreeEditorGroupHandler with the group (other registries drop theirs).
// Freeing the current group leaves none open (CurrentEditorGroup 0).
int NewEditorGroup();
int CurrentEditorGroup();
void FreeEditorGroup(int Group);
extern void (*FreeEditorGroupHandler)(int Group);

// ---- what the Windows half supplies (nullptr: the editor has no dialog
// or list there)

// The colour dialog: true when the user chose Color.
extern bool (*EditColorProc)(int32_t& Color);
// The font dialog for a font object: true when the font was changed.
extern bool (*EditFontProc)(TPersistent* Font);
// The screen's font names and the installed input method editors.
extern void (*GetFontNamesProc)(const TGetStrProc& Proc);
extern void (*GetImeNamesProc)(const TGetStrProc& Proc);
