#pragma once
// Fixed texts of the docking classes: error messages shown to the user and
// the names under which bar positions are stored.

inline constexpr const char* SDockParentInvalid =
    "A TQDock control cannot be placed inside a tool window or another TQDock";
inline constexpr const char* SDockPositionLocked =
    "Cannot change Position of a TQDock if it already contains controls";
inline constexpr const char* SToolWindowParentInvalid =
    "A tool window can only be placed on a TQDock or directly on the form";
// Format argument: the bar's Name.
inline constexpr const char* SControlHasNoParentWindow = "Control '%s' has no parent window";
inline constexpr const char* SToolbarSepParentInvalid = "TQToolbarSep can only be placed on a TQToolbar";
inline constexpr const char* SInvalidImageSize = "Invalid image size";
inline constexpr const char* SUnableToReplaceImage = "Unable to Replace Image";

// Pseudo-property written by bars saved outside the designer.
inline constexpr const char* SSavedAtRunTime = "SavedAtRunTime";
// Keys of the bars' position data.
inline constexpr const char* SKeyFloatRightX = "FloatRightX";
inline constexpr const char* SKeyClientHeight = "ClientHeight";
inline constexpr const char* SKeyClientWidth = "ClientWidth";

// The floating caption's font when the system cannot draw small captions.
inline constexpr const char* SCaptionFontName = "MS Sans Serif";
inline constexpr int CaptionFontHeight = -11;
inline constexpr const char* SCaptionEllipsis = "...";
