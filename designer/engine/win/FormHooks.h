#pragma once
// Several independent parties may watch a form's messages: each hook is a
// link in the form's chain of WindowProc handlers and passes what it does
// not take on to the link before it. The chain lives on the form object,
// not on its window, so it survives the window being made again.
#include <memory>
#include <vector>

#include "framework/forms/Forms.h"

class TFormHooks;
class TFormHook;
TFormHook* AddFormHook(TCustomForm* Form, TWndMethod Proc);
void RemoveFormHook(TFormHook* Hook);

class TFormHook : public TObject {
public:
    TFormHook(TFormHooks* Chain, TWndMethod Proc);
    // Hands the message to the handler this link replaced.
    void Default(TMessage& Message) { Previous(Message); }
    TFormHooks* Chain() const { return FChain; }

private:
    friend TFormHook* AddFormHook(TCustomForm* Form, TWndMethod Proc);
    friend void RemoveFormHook(TFormHook* Hook);
    friend class TFormHooks;
    TFormHooks* FChain;
    TWndMethod FProc;
    TWndMethod Previous;
};

// The chain of one form, the first installed first. It goes away with
// the form.
class TFormHooks : public TComponent {
    QRN_CLASS(TFormHooks, TComponent)
public:
    explicit TFormHooks(TCustomForm* Form);
    TCustomForm* Form() const { return FForm; }
    int Count() const { return static_cast<int>(FHooks.size()); }
    const std::vector<std::unique_ptr<TFormHook>>& Hooks() const { return FHooks; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend TFormHook* AddFormHook(TCustomForm* Form, TWndMethod Proc);
    friend void RemoveFormHook(TFormHook* Hook);
    TCustomForm* FForm;
    std::vector<std::unique_ptr<TFormHook>> FHooks;
};

// The form's chain; nullptr when it has none.
TFormHooks* FindFormHooks(TCustomForm* Form);
// Installs Proc in front of the form's current WindowProc; Proc passes
// messages on with the returned hook's Default.
TFormHook* AddFormHook(TCustomForm* Form, TWndMethod Proc);
// Takes the hook out of its chain (a later link takes over its previous
// handler) and frees it; an empty chain goes away. A hook whose form is
// gone is already freed: nothing happens.
void RemoveFormHook(TFormHook* Hook);
