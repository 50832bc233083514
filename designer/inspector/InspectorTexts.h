#pragma once
// The texts of the inspector's edits and small dialogs; the dialogs set
// them again over their form resources at creation.
inline constexpr const char* SErrorReadingForm = "Error Reading Form";
inline constexpr const char* SIgnore = "&Ignore";
inline constexpr const char* SCancel = "Cancel";
inline constexpr const char* SIgnoreAll = "Ignore &All";
inline constexpr const char* SReaderErrorQuestion =
    "%s.  Ignore the error and continue?  NOTE: Ignoring the error may cause components to be deleted or "
    "property values to be lost.";
inline constexpr const char* SCantLinkToItself = "Can't be linked to itself";
inline constexpr const char* SGoToLineCaption = "Go to line Number";
inline constexpr const char* SEnterLineNumber = "&Enter new line number:";
inline constexpr const char* SOk = "OK";
inline constexpr const char* SHelp = "&Help";
inline constexpr const char* SScale = "Scale";
inline constexpr const char* SScalingFactor = "&Scaling Factor:";
inline constexpr const char* SStringListEditor = "String list editor";
inline constexpr const char* SCodeEdit = "&Code Edit...";
inline constexpr const char* SEditing = "Editing ";
inline constexpr const char* SLines = " lines)";
inline constexpr const char* SOpenHint = "Open";
inline constexpr const char* SSave = "&Save";
inline constexpr const char* SCopyHint = "Copy";
inline constexpr const char* SPasteHint = "Paste";
inline constexpr const char* SClear = "&Clear";
inline constexpr const char* SEditImageVerb = "Edit &image..";
