#ifndef QRN_ALIGN_TEXT_IDS_H
#define QRN_ALIGN_TEXT_IDS_H
// Ids of the align and size dialogs' and the alignment palette's texts in
// the library's string table (AlignTexts.rc). Plain defines: the
// resource compiler reads this file too. Item lists take consecutive ids
// from their first.

// Both dialogs' buttons; the palette's Help item shares the help text.
#define SAlignOk 4000
#define SAlignCancel 4001
#define SAlignHelp 4002

#define SAlignmentCaption 4010
#define SAlignHorizontalGroup 4011
#define SAlignVerticalGroup 4012
#define SAlignHorizontalItems 4020  // 6 items
#define SAlignVerticalItems 4030    // 6 items

#define SSizeCaption 4040
#define SSizeWidthGroup 4041
#define SSizeHeightGroup 4042
#define SSizeWidthItems 4050   // 4 items
#define SSizeHeightItems 4060  // 4 items

#define SAlignPaletteCaption 4070
// The ten buttons' hints, in the order the palette lists its buttons.
#define SAlignPaletteHints 4071
#define SAlignStayOnTop 4081
#define SAlignHide 4082

#endif
