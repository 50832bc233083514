#pragma once
// The inspector's option set and look presets. The option set is stored
// in the registry as a number (bit n = element n), so the order of the
// elements is part of every saved setting and must not change.
#include <cstdint>

#include "framework/classes/TypeInfo.h"
#include "framework/classes/UiTypes.h"

enum TOIOption {
    oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D, oiEditBorder, oiJoinControls, oiUseAliases, oiUseGroups,
    oiSmartPopup, oiUnSorted, oiEnterMoveDown, oiTabMoveDown, oiShowActiveX, oiShowAxHelp
};
QRN_ENUM(TOIOption, oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D, oiEditBorder, oiJoinControls,
         oiUseAliases, oiUseGroups, oiSmartPopup, oiUnSorted, oiEnterMoveDown, oiTabMoveDown, oiShowActiveX,
         oiShowAxHelp)
using TOIOptions = TSmallSet<TOIOption>;
QRN_SET_NAME(TOIOptions)

// Stored as 0, 1, 2.
enum TInspectorStyle { isOstrel, isVB, isCustom };
QRN_ENUM(TInspectorStyle, isOstrel, isVB, isCustom)

// What a new inspector and the global options start with.
constexpr TOIOptions DefaultOIOptions{oiHorzLine,   oiVertLine,  oiSunkenEditor, oiVertLine3D, oiUseAliases,
                                      oiUseGroups,  oiSmartPopup, oiShowActiveX, oiShowAxHelp};

// The options that belong to the look (a style sets them); the others are
// behaviour.
constexpr TOIOptions LookOIOptions{oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D, oiEditBorder};

// A new Options value under a style other than isCustom: the look options
// stay as the style set them, the behaviour options come from Value.
constexpr TOIOptions MergeOIOptions(TOIOptions Current, TOIOptions Value, TInspectorStyle Style) {
    return Style == isCustom ? Value : (Current * LookOIOptions) + (Value - LookOIOptions);
}

// The look options a style adds and removes.
struct TStyleOptions {
    TOIOptions Added, Removed;
};
constexpr TStyleOptions StyleOIOptions(TInspectorStyle Style) {
    if (Style == isOstrel) return {{oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D}, {oiEditBorder}};
    if (Style == isVB) return {{oiHorzLine, oiVertLine, oiEditBorder}, {oiSunkenEditor, oiVertLine3D}};
    return {};
}
