#pragma once
// Persistent parts of the multimedia controls. TMediaObject counts nested
// updates and tells its owner of changes once the outermost update ends;
// TMediaBevel is the configurable border of up to four rings that the
// multimedia graphic controls draw around themselves.
#include "controls/MediaBevelLayout.h"
#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/Object.h"

// Form files name the ring kinds and the border style as the framework's
// panel bevel and border style do.
template <>
struct TTypeInfoOf<TMediaRingKind> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = MakeEnumTypeInfo("TPanelBevel", "bvNone, bvLowered, bvRaised");
        return Info;
    }
};
enum TMediaBorderStyle { mbsNone, mbsSingle };
template <>
struct TTypeInfoOf<TMediaBorderStyle> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = MakeEnumTypeInfo("TBorderStyle", "bsNone, bsSingle");
        return Info;
    }
};

class TMediaObject : public TPersistent {
    QRN_CLASS(TMediaObject, TPersistent)
public:
    TMediaObject() = default;

    // Nest; Changed is held back while any update is open.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    bool Updating() const { return FUpdateCount > 0; }

    // Set by the owner.
    TNotifyEvent OnChange;

protected:
    // Fires OnChange unless an update is open.
    virtual void Changed();
    // True as the first update opens, false as the last one closes (which
    // then reports the change).
    virtual void ChangedState(bool Entering);

private:
    int FUpdateCount = 0;
};

class TMediaBevel : public TMediaObject {
    QRN_CLASS(TMediaBevel, TMediaObject)
public:
    TMediaBevel() = default;

    const TMediaBevelValues& Values() const { return FValues; }

    TMediaRingKind BevelInner() const { return FValues.BevelInner; }
    TMediaRingKind BevelOuter() const { return FValues.BevelOuter; }
    int BevelInnerWidth() const { return FValues.BevelInnerWidth; }
    int BevelOuterWidth() const { return FValues.BevelOuterWidth; }
    bool SingleBorder() const { return FValues.SingleBorder; }
    int BorderWidth() const { return FValues.BorderWidth; }
    int BorderSpace() const { return FValues.BorderSpace; }
    TColor BorderColor() const { return FValues.BorderColor; }
    TColor BorderSpaceColor() const { return FValues.BorderSpaceColor; }
    TColor InnerLightColor() const { return FValues.InnerLightColor; }
    TColor OuterLightColor() const { return FValues.OuterLightColor; }
    TColor InnerShadowColor() const { return FValues.InnerShadowColor; }
    TColor OuterShadowColor() const { return FValues.OuterShadowColor; }

    // Each stores a new value and reports the change.
    void SetBevelInner(TMediaRingKind Value) { Set(FValues.BevelInner, Value); }
    void SetBevelOuter(TMediaRingKind Value) { Set(FValues.BevelOuter, Value); }
    void SetBevelInnerWidth(int Value) { Set(FValues.BevelInnerWidth, Value); }
    void SetBevelOuterWidth(int Value) { Set(FValues.BevelOuterWidth, Value); }
    void SetSingleBorder(bool Value) { Set(FValues.SingleBorder, Value); }
    TMediaBorderStyle BorderStyle() const { return FValues.SingleBorder ? mbsSingle : mbsNone; }
    void SetBorderStyle(TMediaBorderStyle Value) { SetSingleBorder(Value == mbsSingle); }
    void SetBorderWidth(int Value) { Set(FValues.BorderWidth, Value); }
    void SetBorderSpace(int Value) { Set(FValues.BorderSpace, Value); }
    void SetBorderColor(TColor Value) { Set(FValues.BorderColor, Value); }
    void SetBorderSpaceColor(TColor Value) { Set(FValues.BorderSpaceColor, Value); }
    void SetInnerLightColor(TColor Value) { Set(FValues.InnerLightColor, Value); }
    void SetOuterLightColor(TColor Value) { Set(FValues.OuterLightColor, Value); }
    void SetInnerShadowColor(TColor Value) { Set(FValues.InnerShadowColor, Value); }
    void SetOuterShadowColor(TColor Value) { Set(FValues.OuterShadowColor, Value); }

    // From another bevel: all thirteen values with one change report.
    void Assign(TPersistent* Source) override;

    int TotalWidth() const { return MediaBevelTotalWidth(FValues); }
    TRect InnerRect(const TRect& Client) const { return MediaBevelInnerRect(FValues, Client); }
    // The rings Paint draws over Rect and the inner rectangle they leave.
    TMediaBevelPlan Layout(const TRect& Rect, bool DrawBorderRing) const {
        return MediaBevelLayout(FValues, Rect, DrawBorderRing);
    }

private:
    template <class T>
    void Set(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }

    TMediaBevelValues FValues;
};
