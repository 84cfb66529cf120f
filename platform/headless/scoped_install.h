#pragma once
// A headless service that installs itself for its lifetime and then puts back whatever was
// installed before, so each test starts and ends with the same platform.
namespace platform::headless {

template <class Service, void (*Install)(Service*), Service* (*Installed)()>
class ScopedInstall {
public:
    explicit ScopedInstall(Service* service) : FPrevious(Installed()) { Install(service); }
    ~ScopedInstall() { Install(FPrevious); }
    ScopedInstall(const ScopedInstall&) = delete;
    ScopedInstall& operator=(const ScopedInstall&) = delete;

private:
    Service* FPrevious;
};

}  // namespace platform::headless
