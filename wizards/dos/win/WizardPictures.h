#pragma once
// The pictures at the left of the wizard's pages.
class TBitmap;

constexpr int StepPictureWidth = 127;
constexpr int StepPictureHeight = 238;

// Draws the picture of page Step (1 to 3) into Bitmap, sized to fit.
void PaintStepPicture(TBitmap* Bitmap, int Step);
