#pragma once
// A string property editor that remembers the values typed into it, per
// component and property, newest first, and offers them as a value list.
#include <memory>
#include <string>

#include "framework/design/PropEdits.h"
#include "framework/rtl/StringList.h"

class THistoryStringEdit : public TStringProperty {
public:
    using TStringProperty::TStringProperty;

    TPropertyAttributes GetAttributes() override;
    void GetValues(TGetStrProc Proc) override;
    void SetValue(const std::string& Value) override;

    virtual void SaveHistory();
    virtual void LoadHistory();
    // "EditHistory\" + owner name path + component name path + property
    // name, or "EditHistory\Default" when all three are empty.
    virtual std::string GetHistoryKey();

    TStringList* GetHistory();
    void AddToHistory(const std::string& Value);

private:
    std::unique_ptr<TStringList> FHistory;
};
