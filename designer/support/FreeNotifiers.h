#pragma once
// Tell-me-when-this-object-is-freed for any object of the framework, not
// only components: a watch is a method registered for an address, called
// with that address once the object at it has been destroyed. The call
// comes after the destruction, so a callback may only compare the address.
// Watches are kept on the thread that first registered one; objects
// destroyed on other threads are not looked up.

struct TFreeNotifier {
    void* Data = nullptr;
    void (*Code)(void* Data, const void* Address) = nullptr;
    friend bool operator==(const TFreeNotifier&, const TFreeNotifier&) = default;
};

// FreeNotifyMethod<&TFoo::ObjectFreed>(Foo) for void TFoo::ObjectFreed(const void*).
template <auto Method, class T>
TFreeNotifier FreeNotifyMethod(T* Target) {
    return {Target, [](void* Data, const void* Address) { (static_cast<T*>(Data)->*Method)(Address); }};
}

// A nil address does nothing; the same method registered twice is called
// twice.
void AddFreeNotifier(const void* Address, TFreeNotifier Method);
// Drops every registration of the method for the address; nothing when the
// address is not watched or its notifications are running.
void RemoveFreeNotifier(const void* Address, TFreeNotifier Method);
// How many addresses are watched (for the library's end and for tests).
int WatchedAddressCount();
// Drops every watch and takes the hook out of the framework's object
// destruction; the next AddFreeNotifier puts it back.
void ShutdownFreeNotifiers();
