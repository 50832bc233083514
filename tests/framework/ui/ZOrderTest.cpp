// Windows of a form's controls stack as the controls do: a later control
// lies above an earlier one, whatever order the windows are made in.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"

namespace {

class TZOrderForm : public TForm {
    QRN_CLASS(TZOrderForm, TForm)
public:
    explicit TZOrderForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("ZORDERFORM"); }
};

// The child window seen at a point of the form's client area.
HWND SeenAt(TForm* F, int X, int Y) { return ChildWindowFromPointEx(F->Handle(), {X, Y}, CWP_SKIPINVISIBLE); }

}  // namespace

QRN_PUBLISHED(TZOrderForm) {}

TEST(ZOrder, WindowsStackInTheOrderOfTheControls) {
    RegisterClasses({TProbeControl::StaticClass()});
    // The file lists Back first; Front comes first in tab order.
    auto* F = new TZOrderForm(nullptr);
    F->Show();
    Pump();
    auto* Back = static_cast<TWinControl*>(F->FindComponent("Back"));
    auto* Front = static_cast<TWinControl*>(F->FindComponent("Front"));
    EXPECT_EQ(SeenAt(F, 60, 36), Front->Handle());
    // Inserted later: above both.
    auto* Later = new TProbeControl(F);
    Later->SetBounds(50, 30, 80, 40);
    Later->SetParent(F);
    Pump();
    EXPECT_EQ(SeenAt(F, 60, 36), Later->Handle());
    Back->BringToFront();
    EXPECT_EQ(SeenAt(F, 60, 36), Back->Handle());
    Back->SendToBack();
    EXPECT_EQ(SeenAt(F, 60, 36), Later->Handle());
    // A window made again keeps its place among the others.
    Front->RecreateWnd();
    Pump();
    EXPECT_EQ(SeenAt(F, 60, 36), Later->Handle());
    EXPECT_EQ(SeenAt(F, 45, 28), Front->Handle());
    F->Free();
    Pump();
}
