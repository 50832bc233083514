// The form-stream side of TStrings: a list of strings is stored under the
// defined property "Strings" as a vaList of strings.
#include "framework/classes/Filer.h"
#include "framework/classes/TypeInfo.h"
#include "framework/rtl/StringList.h"

const TClass* TStrings::StaticClass() {
    static const TClass C("TStrings", TPersistent::StaticClass(), nullptr);
    return &C;
}
const TClass* TStrings::ClassType() const { return StaticClass(); }

const TClass* TStringList::StaticClass() {
    static const TClass C("TStringList", TStrings::StaticClass(), [](TClass& X) {
        X.FCreateObject = []() -> TObject* { return new TStringList(); };
    });
    return &C;
}
const TClass* TStringList::ClassType() const { return StaticClass(); }

void TStrings::DefineProperties(TFiler* Filer) {
    bool HasData;
    if (Filer->Ancestor()) {
        auto* Anc = dynamic_cast<TStrings*>(Filer->Ancestor());
        HasData = !Anc || !Equals(Anc);
    } else {
        HasData = Count() > 0;
    }
    Filer->DefineProperty(
        "Strings",
        [this](TReader* Reader) {
            Reader->ReadListBegin();
            BeginUpdate();
            try {
                Clear();
                while (!Reader->EndOfList()) Add(Reader->ReadString());
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            Reader->ReadListEnd();
        },
        [this](TWriter* Writer) {
            Writer->WriteListBegin();
            for (int I = 0; I < Count(); ++I) Writer->WriteString(Get(I));
            Writer->WriteListEnd();
        },
        HasData);
}
