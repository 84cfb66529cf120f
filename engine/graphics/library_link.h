#pragma once
// A pointer to an image library that the library itself clears when it goes. Anything that
// keeps a library for longer than one call holds it through a link, so an object that
// outlives the library sees "no library" rather than a freed one.
class TAC8Library;

class TLibraryLink {
public:
    TLibraryLink() = default;
    explicit TLibraryLink(TAC8Library* library) { Reset(library); }
    ~TLibraryLink() { Reset(); }
    TLibraryLink(const TLibraryLink& other) : TLibraryLink(other.FLibrary) {}
    TLibraryLink& operator=(const TLibraryLink& other) {
        Reset(other.FLibrary);
        return *this;
    }

    // Points at the library (or at none), registering with it so it can clear the link.
    void Reset(TAC8Library* library = nullptr);

    TAC8Library* Get() const { return FLibrary; }
    TAC8Library* operator->() const { return FLibrary; }
    explicit operator bool() const { return FLibrary != nullptr; }

private:
    TAC8Library* FLibrary = nullptr;
};
